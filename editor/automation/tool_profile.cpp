#include "editor/automation/tool_profile.h"

std::string ToolKey(int index)
{
    return "Tools" + std::to_string(index + 1);
}

std::string FormatToolValue(const ToolEntry& entry)
{
    std::string value;
    for (std::string_view text : {ToolField(entry.menuText), ToolField(entry.command),
                                  ToolField(entry.arguments), ToolField(entry.directory)}) {
        value += text;
        value += ';';
    }
    value += std::to_string(entry.askForArguments);
    return value;
}

namespace {

// The text up to the next ";" (or the end), and `rest` moved past it.
std::string_view NextField(std::string_view& rest)
{
    const std::size_t semicolon = rest.find(';');
    const std::string_view field = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
    return field;
}

} // namespace

ToolEntry ParseToolValue(std::string_view value)
{
    ToolEntry entry;
    std::string_view rest = value;
    SetToolField(entry.menuText, NextField(rest));
    SetToolField(entry.command, NextField(rest));
    SetToolField(entry.arguments, NextField(rest));
    SetToolField(entry.directory, NextField(rest));
    // The flag: its leading digits; any number but 0 asks.
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    entry.askForArguments = rest.substr(0, digits).find_first_not_of('0') != std::string_view::npos;
    if (!entry.IsUsed())
        return ToolEntry{};
    return entry;
}

void LoadTools(ToolTable& table, ToolsSection& section)
{
    table.Clear();
    for (int i = 0; i < kToolCount; ++i)
        table[i] = ParseToolValue(section.Read(ToolKey(i)));
    // A gap in the keys must not leave a hole before later tools.
    table.Compact();
}

void SaveTools(const ToolTable& table, ToolsSection& section)
{
    for (int i = 0; i < kToolCount; ++i) {
        if (table[i].IsUsed())
            section.Write(ToolKey(i), FormatToolValue(table[i]));
        else
            section.Remove(ToolKey(i));
    }
}
