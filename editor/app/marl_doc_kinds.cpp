#include "editor/app/marl_doc_kinds.h"

#include "editor/app/doc_file_access.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/marl_view.h"

namespace {

// The shell's view of a CMarlDoc: its core keeps the file status, the
// saving flag and the read-only flag.
class MarlDocAccess : public DocFileAccess {
public:
    void WriteTempCopy(fw::Document& doc) override
    {
        if (auto* marl = dynamic_cast<CMarlDoc*>(&doc))
            marl->Core().WriteTempCopy();
    }
    std::optional<std::int64_t> RecordedFileTime(const fw::Document& doc) const override
    {
        if (const auto* marl = dynamic_cast<const CMarlDoc*>(&doc))
            return marl->Core().m_status.modificationTime;
        return std::nullopt;
    }
    bool IsSaving(const fw::Document& doc) const override
    {
        const auto* marl = dynamic_cast<const CMarlDoc*>(&doc);
        return marl && marl->Core().m_bSaving;
    }
    void SetReadOnly(fw::Document& doc, bool readOnly) override
    {
        if (auto* marl = dynamic_cast<CMarlDoc*>(&doc))
            marl->Core().m_bReadOnly = readOnly;
    }
};

} // namespace

MarlDocKinds MakeMarlDocKinds()
{
    return {fw::Make<CMarlDoc>(), fw::Make<CMarlView>(), std::make_unique<MarlDocAccess>()};
}
