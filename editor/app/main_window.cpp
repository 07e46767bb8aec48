#include "editor/app/main_window.h"

#include "editor/app/app_title.h"
#include "resource.h"

bool CMainFrame::Create()
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(inst, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!RegisterClass(kMainFrameClass, CS_DBLCLKS, icon,
                       reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
        return false;
    HMENU menu = LoadMenuA(inst, MAKEINTRESOURCEA(IDR_MAINFRAME));
    return CreateEx(0, kMainFrameClass, kAppTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr, menu);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_APP_EXIT) {
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
