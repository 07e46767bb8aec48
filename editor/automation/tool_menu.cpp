#include "editor/automation/tool_menu.h"

#include <string>

#include "editor/res/resource.h"

namespace {

bool HoldsItem(HMENU popup, UINT id)
{
    return GetMenuState(popup, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

std::string TopLevelTitle(HMENU bar, int position)
{
    char title[64] = {};
    GetMenuStringA(bar, static_cast<UINT>(position), title, sizeof title, MF_BYPOSITION);
    return title;
}

// The Tools popup and where the tools go in it (-1: at the end).
HMENU FindToolsPopup(HMENU bar, int& insertAt)
{
    const int count = GetMenuItemCount(bar);
    HMENU titled = nullptr;
    for (int i = 0; i < count; ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (!popup)
            continue;
        if (HoldsItem(popup, ID_TOOLS_DOS)) {
            const int items = GetMenuItemCount(popup);
            for (int at = 0; at < items; ++at)
                if (GetMenuItemID(popup, at) == ID_TOOLS_DOS) {
                    insertAt = at;
                    return popup;
                }
        }
        if (!titled && TopLevelTitle(bar, i) == "&Tools")
            titled = popup;
    }
    insertAt = -1;
    return titled;
}

} // namespace

void RebuildToolsMenu(HMENU menuBar, const ToolTable& table)
{
    if (!menuBar)
        return;
    for (UINT id = ID_TOOL_FIRST; id <= ID_TOOL_LAST; ++id)
        while (DeleteMenu(menuBar, id, MF_BYCOMMAND)) {
        }
    int insertAt = -1;
    HMENU popup = FindToolsPopup(menuBar, insertAt);
    if (!popup)
        return;
    for (int i = 0; i < kToolCount; ++i) {
        if (!table[i].IsUsed())
            continue; // a menu text emptied on the page, until the table is stored
        const std::string text(ToolField(table[i].menuText));
        const UINT id = ID_TOOL_FIRST + static_cast<UINT>(i);
        if (insertAt < 0)
            AppendMenuA(popup, MF_STRING, id, text.c_str());
        else
            InsertMenuA(popup, static_cast<UINT>(insertAt++), MF_BYPOSITION | MF_STRING, id,
                        text.c_str());
    }
}

void ToolsMenu::Load()
{
    LoadTools(m_table, m_section);
    Rebuild();
}

void ToolsMenu::Rebuild()
{
    if (HWND main = m_mainWindow ? m_mainWindow() : nullptr)
        RebuildToolsMenu(GetMenu(main), m_table);
}
