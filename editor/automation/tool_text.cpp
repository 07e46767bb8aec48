#include "editor/automation/tool_text.h"

void SetFilePlaceholders(PlaceholderTable& table, std::string_view path)
{
    table.Set("File", path);
    if (HasBackslash(path)) {
        table.Set("FileName", NameAfterLastBackslash(path));
        table.Set("FileDir", DirUpToLastBackslash(path));
    }
}

PlaceholderTable ToolPlaceholders(const ToolFacts& facts)
{
    PlaceholderTable table;
    if (facts.view) {
        SetFilePlaceholders(table, facts.view->path);
        table.Set("Line", std::to_string(facts.view->line));
        table.Set("Col", std::to_string(facts.view->column));
    }
    if (HasBackslash(facts.worksetPath)) {
        const std::string_view set = NameAfterLastBackslash(facts.worksetPath);
        table.Set("Set", set);
        table.Set("SetDir", DirUpToLastBackslash(facts.worksetPath));
        if (const std::size_t dot = set.find('.'); dot != std::string_view::npos)
            table.Set("Target", set.substr(0, dot));
    }
    if (!facts.currentDir.empty()) {
        std::string dir = facts.currentDir;
        if (dir.back() != '\\')
            dir += '\\';
        table.Set("Dir", dir);
    }
    return table;
}

std::string ExpandToolText(std::string_view text, const ToolFacts& facts)
{
    return ExpandOrKeep(text, ToolPlaceholders(facts));
}
