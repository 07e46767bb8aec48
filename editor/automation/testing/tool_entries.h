// A tool record in one call, for the tests.
#pragma once
#include <string_view>

#include "editor/automation/tool_table.h"

inline ToolEntry Tool(std::string_view menu, std::string_view command, std::string_view args = {},
                      std::string_view dir = {}, int ask = 0)
{
    ToolEntry entry;
    SetToolField(entry.menuText, menu);
    SetToolField(entry.command, command);
    SetToolField(entry.arguments, args);
    SetToolField(entry.directory, dir);
    entry.askForArguments = ask;
    return entry;
}
