// fw::ToolBar: a docked tool bar: the platform's toolbar control with the
// buttons of a bitmap and an item list, tool tips and status-bar prompts
// from "prompt\ntip" strings, and a gripper to drag it to another edge.
#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "framework/control_bar.h"
#include "framework/res/fw_resource.h"
#include "framework/window.h"

namespace fw {

class ToolBar : public Window, public ControlBar {
public:
    static constexpr int kGripper = 8; // the strip the user drags
    static constexpr int kMargin = 2;

    ToolBar();
    ~ToolBar() override;

    // Creates the bar docked at `edge` of `frame` (visible).
    bool Create(FrameWnd& frame, UINT id = FW_IDW_TOOLBAR, DockEdge edge = DockEdge::Top);
    // The buttons: image i of bitmap `bitmapId` (images `imageSize` wide
    // and high, side by side) for the i-th item that is not ID_SEPARATOR.
    bool LoadToolBar(UINT bitmapId, std::span<const UINT> items, SIZE imageSize = {16, 15});

    HWND GetToolBarCtrl() const { return m_toolbar; }
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    UINT GetItemId(int index) const;
    int CommandToIndex(UINT id) const;
    RECT GetItemRect(int index) const;
    // Room for a control over separator `index` (horizontal docking).
    void SetSeparatorWidth(int index, int width);
    bool IsButtonEnabled(UINT id) const;
    bool IsButtonChecked(UINT id) const;
    bool IsVertical() const { return !IsHorizontal(GetDockEdge()); }

    HWND GetBarHwnd() const override { return m_hWnd; }
    int CalcThickness(DockEdge edge, int length) override;
    void OnDockEdgeChanged(DockEdge edge) override;
    void OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler) override;

    // The edge of the frame nearest to `screenPoint`, or the bar's own edge
    // when it may not go there.
    DockEdge EdgeNearest(POINT screenPoint) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Item {
        UINT id;
        int image;          // -1 for a separator
        int separatorWidth; // 0: the control's default
    };

    void AddButtons();
    void LayoutControl();
    void OnPaint();
    LRESULT OnNotify(NMHDR& header);
    RECT GripperRect() const;
    RECT DropRect(DockEdge edge) const;
    void StartDrag();
    void DragTo(POINT screenPoint);
    void EndDrag(bool accept);
    void InvertDropRect();

    HWND m_toolbar = nullptr;
    std::vector<Item> m_items;
    bool m_dragging = false;
    DockEdge m_dropEdge = DockEdge::Top;
    bool m_dropShown = false;
};

} // namespace fw
