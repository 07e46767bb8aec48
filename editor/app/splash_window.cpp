#include "editor/app/splash_window.h"

namespace {
constexpr char kSplashClass[] = "TrelvanEditSplash";
}

POINT CenteredOrigin(SIZE screen, SIZE picture)
{
    return {(screen.cx - picture.cx) / 2, (screen.cy - picture.cy) / 2};
}

bool CSplashWindow::Create(UINT bitmapId)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_bitmap.reset(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!m_bitmap)
        return false;
    BITMAP info{};
    GetObjectA(m_bitmap.get(), sizeof info, &info);
    m_size = {info.bmWidth, info.bmHeight};
    if (!RegisterClass(kSplashClass, 0, nullptr, nullptr, LoadCursorA(nullptr, IDC_ARROW)))
        return false;
    const POINT origin =
        CenteredOrigin({GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, m_size);
    if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSplashClass, "", WS_POPUP, origin.x, origin.y,
                  m_size.cx, m_size.cy, nullptr, nullptr))
        return false;
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hWnd);
    return true;
}

LRESULT CSplashWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the picture covers the whole window
    default:
        return Window::WindowProc(msg, wParam, lParam);
    }
}

void CSplashWindow::OnPaint()
{
    fw::PaintDC dc(m_hWnd);
    fw::OwnedDC memory = fw::CreateMemoryDC(dc.get());
    fw::SelectGuard picture(memory.get(), m_bitmap.get());
    BitBlt(dc.get(), 0, 0, m_size.cx, m_size.cy, memory.get(), 0, 0, SRCCOPY);
}
