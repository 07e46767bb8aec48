#include "editor/automation/workset_list_window.h"

#include <vector>

#include "editor/automation/edit_workset_dialog.h"
#include "editor/automation/workset_dialogs.h"
#include "editor/automation/workset_file.h"

namespace {

constexpr int kListWidth = 320;
// Posted to itself: open the item clicked once the list box has finished
// its own handling of the click.
constexpr UINT kOpenItem = WM_APP + 1;

} // namespace

bool CWorksetListWindow::Show(HWND owner, const std::string& workset, POINT topLeft, bool permanent)
{
    std::vector<std::string> entries;
    if (!ReadWorksetFile(workset, entries)) {
        ShowWorksetError(nullptr, "Cannot access file list", MB_TASKMODAL);
        return false;
    }
    Destroy();
    m_bPermanent = permanent;
    DWORD style = WS_POPUP | WS_VSCROLL | LBS_SORT | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;
    if (permanent)
        style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    HWND list = CreateWindowExA(0, "LISTBOX", workset.c_str(), style, topLeft.x, topLeft.y,
                                kListWidth, 0, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!list || !Attach(list)) {
        if (list)
            DestroyWindow(list);
        return false;
    }
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (const std::string& entry : entries)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT frame{0, 0, kListWidth, WorksetListHeight(entries.size(), itemHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    // The width is the window's; only the height counts the frame in.
    SetWindowPos(list, HWND_TOP, 0, 0, kListWidth, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!permanent)
        SetCapture(list);
    return true;
}

int CWorksetListWindow::ItemAt(POINT client) const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (!PtInRect(&area, client))
        return -1;
    const LRESULT height = SendMessageA(m_hWnd, LB_GETITEMHEIGHT, 0, 0);
    if (height <= 0)
        return -1;
    const LRESULT index = client.y / height + SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0);
    return index < SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0) ? static_cast<int>(index) : -1;
}

std::string CWorksetListWindow::ItemPath(int index) const
{
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0);
    if (index < 0 || length < 0)
        return {};
    std::string path(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(path.data()));
    path.resize(static_cast<size_t>(length));
    return path;
}

void CWorksetListWindow::OnCapturedClick(POINT client)
{
    const std::string path = ItemPath(ItemAt(client));
    m_bClosing = true;
    ReleaseCapture();
    Destroy();
    m_bClosing = false;
    if (!path.empty() && m_open)
        m_open(path);
}

LRESULT CWorksetListWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (!m_bPermanent) {
            OnCapturedClick(client);
            return 0;
        }
        const int index = ItemAt(client);
        const LRESULT result = DefaultProc(msg, wParam, lParam);
        if (index >= 0)
            PostMessageA(m_hWnd, kOpenItem, static_cast<WPARAM>(index), 0);
        return result;
    }
    case kOpenItem:
        if (m_open)
            m_open(ItemPath(static_cast<int>(wParam)));
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the borderless list goes.
        if (!m_bPermanent && !m_bClosing && reinterpret_cast<HWND>(lParam) != m_hWnd) {
            m_bClosing = true;
            Destroy();
            m_bClosing = false;
            return 0;
        }
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
