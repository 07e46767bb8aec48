#include "framework/control_bar.h"

#include "framework/frame_wnd.h"

namespace fw {

ControlBar::~ControlBar()
{
    DetachFromFrame();
}

bool ControlBar::IsVisible() const
{
    HWND hWnd = GetBarHwnd();
    return hWnd && (GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_VISIBLE);
}

void ControlBar::AttachToFrame(FrameWnd& frame, DockEdge edge)
{
    m_frame = &frame;
    m_edge = edge;
    m_allowedEdges |= DockMask(edge);
    frame.AddControlBar(this);
}

void ControlBar::DetachFromFrame()
{
    if (m_frame)
        m_frame->RemoveControlBar(this);
    m_frame = nullptr;
}

} // namespace fw
