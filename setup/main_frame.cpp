#include "setup/main_frame.h"

#include "resource.h"
#include "setup/setup_title.h"
#include "setup/setup_view.h"

namespace {
constexpr char kFrameClass[] = "TrelvanSetupFrame";
}

bool CMainFrame::Create()
{
    if (!RegisterClass(kFrameClass, 0, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)),
                       nullptr, LoadCursorA(nullptr, IDC_ARROW)))
        return false;
    if (!CreateEx(0, kFrameClass, kSetupTitle, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr))
        return false;
    return m_view.Create(m_hWnd);
}

void CMainFrame::OnCommand(unsigned id)
{
    if (id == ID_APP_EXIT) {
        DestroyWindow(m_hWnd);
        return;
    }
    m_view.OnCommand(id);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_ERASEBKGND:
        // The view covers the whole client area.
        return 1;
    case WM_CLOSE:
        OnCommand(ID_APP_EXIT);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
