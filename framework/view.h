// fw::View: a child window showing a document: painting, initial update,
// updates from the document, activation and focus, and scroll bars that are
// its own or, inside a splitter, the splitter's shared ones.
#pragma once
#include <windows.h>

#include "framework/command_target.h"
#include "framework/window.h"

namespace fw {

class Document;
class FrameWnd;
class SplitterWnd;
struct CreateContext;

class View : public Window, public CommandTarget {
public:
    View();
    ~View() override;

    // Creates the view as child `id` of `parent` and joins the context's
    // document.  `withOwnScrollBars` adds the styles of GetScrollStyle.
    bool Create(HWND parent, UINT id, CreateContext* context, bool withOwnScrollBars = true);

    Document* GetDocument() const { return m_pDocument; }
    FrameWnd* GetParentFrame() const;
    // The splitter holding this view, or null.
    SplitterWnd* GetParentSplitter() const;

    // ---- Overridables ----
    // First display: by default OnUpdate(nullptr, 0, nullptr).
    virtual void OnInitialUpdate();
    // The document changed (through `sender`, or null): by default the
    // whole view is repainted.
    virtual void OnUpdate(View* sender, LPARAM hint, void* hintObject);
    virtual void OnDraw(HDC dc);
    // This view became (or stopped being) its frame's active view; by
    // default an activated view takes the focus when its frame is active.
    virtual void OnActivateView(bool activate, View* activated, View* deactivated);
    bool IsInActiveFrame() const;
    // Scroll bar styles of a view standing alone (WS_VSCROLL, WS_HSCROLL).
    virtual DWORD GetScrollStyle() const { return 0; }

    // ---- Scroll bars: the splitter's shared ones when there are ----
    HWND GetScrollBarCtrl(int bar) const;
    void SetScrollInfo(int bar, const SCROLLINFO& info, bool redraw = true);
    bool GetScrollInfo(int bar, SCROLLINFO& info) const;
    int GetScrollPos(int bar) const;
    int SetScrollPos(int bar, int pos, bool redraw = true);
    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw = true);
    // A shared bar cannot vanish: it is disabled instead.
    void ShowScrollBar(int bar, bool show);

    bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool HandleCommand(UINT id, CmdCode code, CmdUI* ui) override;
    virtual void OnPaint();
    void OnNextPane(UINT id);
    void OnUpdateNextPane(CmdUI& ui);
    void OnSplitCmd();
    void OnUpdateSplitCmd(CmdUI& ui);

private:
    friend class Document;
    void OnDestroyView();
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);

    Document* m_pDocument = nullptr;
};

} // namespace fw
