#include "editor/automation/print_placeholders.h"

#include "editor/automation/tool_text.h"

PlaceholderTable PrintPlaceholders(const PrintFacts& facts)
{
    PlaceholderTable table;
    SetFilePlaceholders(table, facts.path);
    table.Set("Page", std::to_string(facts.page));
    const std::string date = DatePattern(facts.forms);
    const std::string time = TimePattern(facts.forms);
    table.Set("Date", FormatTime(facts.now, date));
    table.Set("Time", FormatTime(facts.now, time));
    if (facts.fileTime) {
        table.Set("FileDate", FormatTime(*facts.fileTime, date));
        table.Set("FileTime", FormatTime(*facts.fileTime, time));
    }
    return table;
}

std::string ExpandPrintText(std::string_view text, const PrintFacts& facts)
{
    return ExpandOrKeep(text, PrintPlaceholders(facts));
}
