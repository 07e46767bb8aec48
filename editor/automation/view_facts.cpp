#include "editor/automation/view_facts.h"

#include "editor/doc/marl_doc.h"
#include "editor/view/marl_view.h"

std::optional<ActiveViewFacts> ViewFacts(const CMarlView* view)
{
    if (!view)
        return std::nullopt;
    ActiveViewFacts facts;
    if (const CMarlDoc* doc = view->GetDocument())
        facts.path = doc->GetPathName();
    facts.line = view->GetCaretLine();
    facts.column = view->GetCaretColumn();
    return facts;
}

std::optional<std::tm> RecordedFileTime(const CMarlView& view)
{
    const CMarlDoc* doc = view.GetDocument();
    if (!doc || doc->GetPathName().empty() || doc->Core().m_status.modificationTime == 0)
        return std::nullopt;
    const std::time_t when = static_cast<std::time_t>(doc->Core().m_status.modificationTime);
    const std::tm* local = std::localtime(&when);
    if (!local)
        return std::nullopt;
    return *local;
}
