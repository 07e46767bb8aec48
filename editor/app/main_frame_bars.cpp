// The main frame's bars: the two toolbars, the search-history box in the gap
// of the first one, and the status bar.
#include "editor/app/main_frame.h"

#include <array>
#include <utility>

#include "editor/base/settings_app.h"
#include "framework/controls.h"
#include "editor/res/resource.h"

namespace {

constexpr UINT S = ID_SEPARATOR;

constexpr std::array<UINT, 49> kFirstToolBar{
    ID_VIEW_FILE_OPEN_WINDOW, ID_WORKSET_LOAD, S, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, S,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, S,
    // Items 11 to 34 make room for the search history box.
    S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, ID_FIND_NEXT,
    ID_EDIT_FIND, S, ID_EDIT_UNDO, ID_EDIT_REDO, S, ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT,
    ID_WINDOW_TILE_HORZ, S, ID_FILE_PRINT, ID_OUTLINE, S, ID_APP_ABOUT};

constexpr std::array<UINT, 14> kSecondToolBar{ID_SHIFT_LEFT,
                                              ID_SHIFT_RIGHT,
                                              S,
                                              ID_PRINT_PREVIEW_BUTTON,
                                              S,
                                              ID_BOOKMARK_TOGGLE,
                                              ID_MATCH_BRACE,
                                              S,
                                              ID_MACRO_RECORD,
                                              ID_MACRO_STOP,
                                              ID_MACRO_PLAY,
                                              S,
                                              ID_SEND_FILE,
                                              ID_SHOW_HIDDEN};

constexpr std::array<UINT, 10> kIndicators{
    ID_SEPARATOR,        ID_INDICATOR_REC,  ID_INDICATOR_OVR,  ID_INDICATOR_READ,
    ID_INDICATOR_CAPS,   ID_INDICATOR_NUM,  ID_INDICATOR_SCRL, ID_INDICATOR_LINE,
    ID_INDICATOR_COLUMN, ID_INDICATOR_CLOCK};

// The first toolbar is taller than its buttons on newer platforms, so that
// the search box (as high as a button) sits with room around it.
constexpr int kFirstToolBarExtraHeight = 14;

bool IsPlatformVersion4OrLater()
{
    return LOBYTE(LOWORD(GetVersion())) >= 4;
}

} // namespace

std::span<const UINT> FirstToolBarItems()
{
    return kFirstToolBar;
}
std::span<const UINT> SecondToolBarItems()
{
    return kSecondToolBar;
}
std::span<const UINT> StatusIndicators()
{
    return kIndicators;
}

int CMainFrame::CFirstToolBar::CalcThickness(fw::DockEdge edge, int length)
{
    int thickness = fw::ToolBar::CalcThickness(edge, length);
    if (fw::IsHorizontal(edge) && IsPlatformVersion4OrLater())
        thickness += kFirstToolBarExtraHeight;
    return thickness;
}

bool CMainFrame::CreateToolBars()
{
    EnableDocking(fw::kDockAny);
    if (!m_toolBar.Create(*this, FW_IDW_TOOLBAR, fw::DockEdge::Top) ||
        !m_toolBar.LoadToolBar(IDB_TOOLBAR, kFirstToolBar))
        return false;
    m_toolBar.EnableDocking(fw::kDockAny);
    if (!m_toolBar2.Create(*this, IDW_TOOLBAR2, fw::DockEdge::Top) ||
        !m_toolBar2.LoadToolBar(IDB_TOOLBAR2, kSecondToolBar))
        return false;
    m_toolBar2.EnableDocking(fw::kDockAny);
    return true;
}

bool CMainFrame::CreateSearchHistoryBox()
{
    // A child of the bar window (not of the toolbar control inside it): the
    // bar passes its children's notifications on to the frame.
    m_searchBox = CreateWindowExA(
        0, "COMBOBOX", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
        0, 0, 0, 0, m_toolBar.GetHwnd(),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_SEARCH_HISTORY)),
        GetModuleHandleA(nullptr), nullptr);
    if (!m_searchBox)
        return false;
    SendMessageA(m_searchBox, WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    PlaceSearchHistoryBox();
    return true;
}

void CMainFrame::PlaceSearchHistoryBox()
{
    if (!m_searchBox)
        return;
    if (m_toolBar.IsVertical()) {
        ShowWindow(m_searchBox, SW_HIDE);
        return;
    }
    RECT first = m_toolBar.GetItemRect(kHistoryFirstItem);
    RECT last = m_toolBar.GetItemRect(kHistoryLastItem);
    RECT box{first.left, first.top, last.right, last.bottom};
    MapWindowPoints(m_toolBar.GetToolBarCtrl(), m_toolBar.GetHwnd(), reinterpret_cast<POINT*>(&box),
                    2);
    const int buttonHeight = box.bottom - box.top;
    // The selection field is exactly as high as a button: the item height
    // is the field without its border.
    SendMessageA(m_searchBox, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), buttonHeight - 6);
    RECT field{};
    GetWindowRect(m_searchBox, &field);
    const int fieldHeight = field.bottom - field.top;
    const int top = box.top + (buttonHeight - (fieldHeight > 0 ? fieldHeight : buttonHeight)) / 2;
    MoveWindow(m_searchBox, box.left, top, box.right - box.left, buttonHeight + kHistoryDropHeight,
               TRUE);
    ShowWindow(m_searchBox, SW_SHOWNA);
}

bool CMainFrame::CreateStatusBar()
{
    return m_statusBar.Create(*this, FW_IDW_STATUS_BAR) && m_statusBar.SetIndicators(kIndicators);
}

// ---- The search history -----------------------------------------------------

void CMainFrame::FillSearchHistory(std::span<const SearchHistoryEntry> entries)
{
    // Oldest first, each put on top: the list ends newest first.
    const fw::ComboBoxControl box(m_searchBox);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        box.InsertString(0, it->text);
        box.SetItemData(0, static_cast<LPARAM>(it->options));
        ++m_nHistoryCount;
    }
    box.SetCurSel(0);
}

std::vector<SearchHistoryEntry> CMainFrame::GetSearchHistory() const
{
    std::vector<SearchHistoryEntry> entries;
    const fw::ComboBoxControl box(m_searchBox);
    const int count = box.GetCount();
    for (int i = 0; i < count; ++i)
        entries.push_back({box.GetItemText(i), static_cast<std::int32_t>(box.GetItemData(i))});
    return entries;
}

// ---- Bar toggles ------------------------------------------------------------

void CMainFrame::ToggleBar(UINT barId)
{
    fw::ControlBar* bar = GetControlBar(barId);
    if (!bar)
        return;
    const bool show = !bar->IsVisible();
    ShowControlBar(bar, show);
    if (m_services.appSettings) {
        const std::int32_t flag = show ? 1 : 0;
        switch (barId) {
        case IDW_FILE_OPEN_WINDOW:
            m_services.appSettings->m_bOpenDlg = flag;
            break;
        case IDW_TAB_BAR:
            m_services.appSettings->m_bTabBar = flag;
            break;
        case IDW_TOOLBAR2:
            m_services.appSettings->m_bToolBar2 = flag;
            break;
        default:
            break;
        }
    }
    RecalcLayout();
}

void CMainFrame::OnToggleFileOpenWindow()
{
    ToggleBar(IDW_FILE_OPEN_WINDOW);
}
void CMainFrame::OnToggleTabBar()
{
    ToggleBar(IDW_TAB_BAR);
}
void CMainFrame::OnToggleToolBar2()
{
    ToggleBar(IDW_TOOLBAR2);
}

void CMainFrame::OnPreviewMode(bool entering)
{
    if (entering) {
        m_barsHiddenForPreview.clear();
        for (UINT barId : {IDW_FILE_OPEN_WINDOW, IDW_TAB_BAR, IDW_TOOLBAR2}) {
            fw::ControlBar* bar = GetControlBar(barId);
            if (bar && bar->IsVisible()) {
                ShowControlBar(bar, false);
                m_barsHiddenForPreview.push_back(barId);
            }
        }
    } else {
        for (UINT barId : std::exchange(m_barsHiddenForPreview, {}))
            if (fw::ControlBar* bar = GetControlBar(barId))
                ShowControlBar(bar, true);
    }
    RecalcLayout();
}

void CMainFrame::OnUpdateBarToggle(fw::CmdUI& ui)
{
    static constexpr std::pair<UINT, UINT> kBarOfCommand[] = {
        {ID_VIEW_FILE_OPEN_WINDOW, IDW_FILE_OPEN_WINDOW},
        {ID_VIEW_TAB_BAR, IDW_TAB_BAR},
        {ID_VIEW_TOOLBAR2, IDW_TOOLBAR2},
    };
    for (const auto& [command, barId] : kBarOfCommand) {
        if (command != ui.m_nID)
            continue;
        if (fw::ControlBar* bar = GetControlBar(barId)) {
            ui.Enable(true);
            ui.SetCheck(bar->IsVisible() ? 1 : 0);
            return;
        }
    }
    ui.ContinueRouting();
}
