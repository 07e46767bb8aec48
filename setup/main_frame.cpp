#include "setup/main_frame.h"

bool CMainFrame::LoadFrame(UINT idResource, DWORD, fw::FrameWnd* parent, fw::CreateContext* context)
{
    return fw::FrameWnd::LoadFrame(idResource, WS_POPUP | WS_CLIPCHILDREN, parent, context);
}

void CMainFrame::OnUpdateFrameTitle(bool)
{
    SetWindowTextIfChanged(GetTitle());
}

bool CMainFrame::OnCreate(CREATESTRUCTA& cs)
{
    // The whole screen before the view is made, so that it starts at its size.
    SetWindowPos(m_hWnd, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER | SWP_NOACTIVATE);
    return fw::FrameWnd::OnCreate(cs);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The view covers the whole client area.
    if (msg == WM_ERASEBKGND)
        return 1;
    return fw::FrameWnd::WindowProc(msg, wParam, lParam);
}
