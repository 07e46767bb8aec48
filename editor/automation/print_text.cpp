#include "editor/automation/print_text.h"

#include <windows.h>

#include <ctime>

#include "editor/automation/print_placeholders.h"
#include "editor/automation/view_facts.h"
#include "framework/handles.h"

RegionalForms ReadRegionalForms()
{
    RegionalForms forms;
    const fw::RegKey key = fw::RegKey::Open(HKEY_CURRENT_USER, "Control Panel\\International");
    if (!key)
        return forms;
    forms.iDate = key.GetString("iDate");
    forms.sDate = key.GetString("sDate");
    forms.iTime = key.GetString("iTime");
    forms.sTime = key.GetString("sTime");
    return forms;
}

std::string ExpandPrintText(std::string_view text, const CMarlView* view, int page)
{
    PrintFacts facts;
    if (const std::optional<ActiveViewFacts> shown = ViewFacts(view))
        facts.path = shown->path;
    if (view)
        facts.fileTime = RecordedFileTime(*view);
    facts.page = page;
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now))
        facts.now = *local;
    facts.forms = ReadRegionalForms();
    return ExpandPrintText(text, facts);
}
