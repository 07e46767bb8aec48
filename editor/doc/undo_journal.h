// The change records of a document and the two bounded lists that hold
// them.  Replaying a record is the document's job (it uses its ordinary
// edits, so each replay journals its own reversal).
#pragma once
#include "editor/doc/text_pos.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

enum class RecordKind : std::uint32_t {
    Overwrite = 0,   // position, old byte
    InsertByte = 1,  // position
    DeleteByte = 2,  // position, deleted byte
    CaseChange = 3,  // position, old bytes
    InsertBlock = 4, // position, length
    DeleteBlock = 5, // position, removed bytes
    Indent = 6,      // first line start, lines
    Unindent = 7,    // first line start, removed byte per line (0: none)
    Transpose = 8,   // position
    Replace = 9,     // position, replaced bytes, length of their replacement
};

struct UndoRecord {
    TextPos position = 0;
    int caretLine = -1; // one-based caret line to restore, -1: from the position
    RecordKind kind = RecordKind::InsertByte;
    int byte = -1;
    TextPos length = 0;
    std::unique_ptr<char[]> data; // exactly `length` bytes, kinds 3, 5 and 7
    TextPos lines = 0;            // lines concerned, kinds 6 and 7
    TextPos replacedBy = 0;       // kind 9: the length of the text now standing there
    bool joined = false;          // undone together with the record before it
};

inline UndoRecord MakeRecord(RecordKind kind, TextPos position, int caretLine, TextPos length = 0)
{
    UndoRecord record;
    record.kind = kind;
    record.position = position;
    record.caretLine = caretLine;
    record.length = length;
    return record;
}

inline UndoRecord MakeByteRecord(RecordKind kind, TextPos position, int caretLine,
                                 unsigned char byte)
{
    UndoRecord record = MakeRecord(kind, position, caretLine);
    record.byte = byte;
    return record;
}

// 200 records; when full, the oldest one goes.
class RecordList {
public:
    static constexpr std::size_t kCapacity = 200;

    void Push(UndoRecord&& record);
    UndoRecord Pop(); // the newest; the list must not be empty
    const UndoRecord* Newest() const;
    std::size_t Count() const { return m_count; }
    bool Empty() const { return m_count == 0; }
    void Clear();

private:
    std::size_t Slot(std::size_t index) const { return (m_first + index) % kCapacity; }

    // A ring: dropping the oldest record moves nothing.
    std::array<UndoRecord, kCapacity> m_records;
    std::size_t m_first = 0;
    std::size_t m_count = 0;
};

// A copy of bytes for a record, or null when memory is short (the record is
// then dropped and the edit stands).
std::unique_ptr<char[]> CopyRecordData(const char* bytes, std::size_t n);
