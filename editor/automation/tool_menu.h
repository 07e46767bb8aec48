// The user's tools on the Tools menu of the main window's menu bar, and the
// table, profile section and window they are kept with.
#pragma once
#include <windows.h>

#include <functional>

#include "editor/automation/tool_profile.h"
#include "editor/automation/tool_table.h"

// Deletes the items 106 to 115 from `menuBar`, then puts one item per used
// record, in order, in front of Tools > "&DOS" (32816).  The "&DOS" item
// comes with the program-launch commands; until a bar has it, the tools go
// at the end of the popup titled "&Tools".
void RebuildToolsMenu(HMENU menuBar, const ToolTable& table);

class ToolsMenu {
public:
    // `mainWindow` gives the window whose current menu bar carries the tools
    // (null: none yet).
    ToolsMenu(ToolTable& table, ToolsSection& section, std::function<HWND()> mainWindow)
        : m_table(table), m_section(section), m_mainWindow(std::move(mainWindow))
    {
    }

    ToolTable& Table() { return m_table; }
    // Reads the records from the profile, then rebuilds the menu.
    void Load();
    void Save() { SaveTools(m_table, m_section); }
    void Rebuild();

private:
    ToolTable& m_table;
    ToolsSection& m_section;
    std::function<HWND()> m_mainWindow;
};
