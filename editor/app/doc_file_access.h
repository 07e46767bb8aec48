// What the application shell needs of a document beyond the framework's
// flows: its temporary copy, the file time it recorded, whether it is being
// saved, its read-only flag. The program's document class answers through
// one implementation; tests give their own.
#pragma once
#include <cstdint>
#include <optional>

namespace fw {
class Document;
}

class DocFileAccess {
public:
    virtual ~DocFileAccess() = default;
    // Writes the document's temporary copy (untitled ones write nothing);
    // failures are reported by the document.
    virtual void WriteTempCopy(fw::Document& doc) = 0;
    // The modification time (seconds) recorded at the last read or write,
    // or nothing when the document keeps none.
    virtual std::optional<std::int64_t> RecordedFileTime(const fw::Document& doc) const = 0;
    // A save or temporary copy is being written right now.
    virtual bool IsSaving(const fw::Document& doc) const = 0;
    virtual void SetReadOnly(fw::Document& doc, bool readOnly) = 0;
};

// For documents that keep none of this: nothing is written or compared.
class NoDocFileAccess : public DocFileAccess {
public:
    void WriteTempCopy(fw::Document&) override {}
    std::optional<std::int64_t> RecordedFileTime(const fw::Document&) const override
    {
        return std::nullopt;
    }
    bool IsSaving(const fw::Document&) const override { return false; }
    void SetReadOnly(fw::Document&, bool) override {}
};
