#include "setup/setup_window.h"

#include "setup/setup_title.h"

bool CSetupView::Create()
{
    if (!RegisterClass(kSetupWindowClass, 0,
                       LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))))
        return false;
    return CreateEx(0, kSetupWindowClass, kSetupTitle, WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                    GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                    nullptr);
}

void CSetupView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    BackdropColor c = SetupBackdropColor();
    HBRUSH brush = CreateSolidBrush(RGB(c.red, c.green, c.blue));
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(m_hWnd, &ps);
}

LRESULT CSetupView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefaultProc(msg, wParam, lParam);
}
