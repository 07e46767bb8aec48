// What a frame needs of its bars (tool bars, the status bar, dialog bars):
// their id, the edge they are docked to, their size and their update.
#pragma once
#include <windows.h>

namespace fw {

class CommandTarget;
class FrameWnd;

enum class DockEdge { Top, Bottom, Left, Right };

// Masks of EnableDocking.
inline constexpr DWORD kDockTop = 1;
inline constexpr DWORD kDockBottom = 2;
inline constexpr DWORD kDockLeft = 4;
inline constexpr DWORD kDockRight = 8;
inline constexpr DWORD kDockAny = kDockTop | kDockBottom | kDockLeft | kDockRight;

inline DWORD DockMask(DockEdge edge)
{
    switch (edge) {
    case DockEdge::Top:
        return kDockTop;
    case DockEdge::Bottom:
        return kDockBottom;
    case DockEdge::Left:
        return kDockLeft;
    case DockEdge::Right:
        return kDockRight;
    }
    return 0;
}

inline bool IsHorizontal(DockEdge edge)
{
    return edge == DockEdge::Top || edge == DockEdge::Bottom;
}

class ControlBar {
public:
    virtual ~ControlBar();

    virtual HWND GetBarHwnd() const = 0;
    UINT GetBarId() const { return static_cast<UINT>(GetDlgCtrlID(GetBarHwnd())); }
    bool IsVisible() const;
    DockEdge GetDockEdge() const { return m_edge; }
    FrameWnd* GetDockingFrame() const { return m_frame; }

    // The bar's thickness across its edge (height when docked at the top or
    // bottom, width at the left or right), for `length` along the edge.
    virtual int CalcThickness(DockEdge edge, int length) = 0;
    // The frame moved the bar onto another edge.
    virtual void OnDockEdgeChanged(DockEdge) {}
    // Refreshes the bar's items from their update handlers, routed through
    // `target` (idle time).
    virtual void OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler) = 0;
    // Laid out before every other bar, at the outermost strip of its edge.
    virtual bool IsOutermost() const { return false; }
    // The edges this bar may be docked to (the frame must allow them too).
    void EnableDocking(DWORD edges) { m_allowedEdges = edges; }
    DWORD GetAllowedEdges() const { return m_allowedEdges; }

protected:
    // Joins the frame's bars (called once the bar's window exists).
    void AttachToFrame(FrameWnd& frame, DockEdge edge);
    void DetachFromFrame();

private:
    friend class FrameWnd;
    FrameWnd* m_frame = nullptr;
    DockEdge m_edge = DockEdge::Top;
    DWORD m_allowedEdges = 0;
};

} // namespace fw
