// fw::SplitterWnd: the dynamic splitter of a document frame: at most two
// panes (views of one document) stacked vertically, a splitter box on the
// vertical scroll bar to split, a splitter bar to move or join, shared
// scroll bars, and F6/Shift+F6 from pane to pane.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/window.h"

namespace fw {

class DocTemplate;
class FrameWnd;
class View;
struct CreateContext;

class SplitterWnd : public Window {
public:
    // The thickness of the splitter bar and the height of the splitter box.
    static constexpr int kSplitterSize = 7;

    SplitterWnd();
    ~SplitterWnd() override;

    // Fills `parent`'s client area with a splitter of up to `maxRows` (1 or
    // 2) rows, no pane smaller than `minPane`; its first pane is a view of
    // the context's template joined to the context's document.
    bool CreateDynamic(FrameWnd& parent, int maxRows, SIZE minPane, CreateContext* context);

    int GetRowCount() const { return m_rows; }
    int GetMaxRows() const { return m_maxRows; }
    View* GetPane(int row) const;
    int RowOf(const View& view) const;

    // Splits so that the upper pane is `upperHeight` high; the new lower
    // pane is a new view of the same document.  False when a pane would be
    // smaller than the minimum or the view could not be made.
    bool SplitRow(int upperHeight);
    // Removes the pane of `row`; the other one stays and takes the room.
    void DeleteRow(int row);
    // Splits in the middle, or joins the panes when split.
    void ToggleSplit();
    // F6 / Shift+F6: the focus goes to the other pane.
    void ActivateNext(View& from, bool previous);

    // The shared scroll bar a pane uses (SB_VERT: its row's, SB_HORZ: the
    // one below the panes).
    HWND GetScrollBarFor(const View& view, int bar) const;
    void RecalcLayout();

    enum class HitArea { None, Box, Bar };
    HitArea HitTest(POINT client) const;
    RECT GetBoxRect() const;
    RECT GetBarRect() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int PanesBottom() const;
    int PanesRight() const;
    HWND CreateScrollBar(bool vertical, UINT id);
    void OnPaint();
    void OnScroll(UINT msg, WPARAM wParam, LPARAM lParam);
    void StartTracking(HitArea area, POINT at);
    void TrackTo(int y);
    void StopTracking(bool accept);
    void InvertTracker();
    void ApplyTrackedPosition(HitArea area, int y);

    FrameWnd* m_frame = nullptr;
    DocTemplate* m_docTemplate = nullptr;
    std::unique_ptr<View> m_panes[2];
    HWND m_vertBars[2] = {};
    HWND m_horzBar = nullptr;
    int m_rows = 0;
    int m_maxRows = 2;
    SIZE m_minPane{10, 10};
    int m_upperHeight = 0;

    HitArea m_tracking = HitArea::None;
    int m_trackY = 0;
    int m_trackOffset = 0;
    bool m_trackerShown = false;
};

} // namespace fw
