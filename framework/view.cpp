#include "framework/view.h"

#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/handles.h"
#include "framework/res/fw_resource.h"
#include "framework/splitter.h"

namespace fw {

namespace {
const char kViewClass[] = "fw.View";
}

View::View() = default;

View::~View()
{
    // Normally gone with the window; a view never created still leaves.
    if (m_pDocument)
        m_pDocument->RemoveView(*this);
}

bool View::Create(HWND parent, UINT id, CreateContext* context, bool withOwnScrollBars)
{
    if (!RegisterClass(kViewClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    if (withOwnScrollBars)
        style |= GetScrollStyle();
    RECT area{};
    GetClientRect(parent, &area);
    if (!CreateEx(0, kViewClass, "", style, 0, 0, area.right, area.bottom, parent,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return false;
    if (context && context->document)
        context->document->AddView(*this);
    return true;
}

FrameWnd* View::GetParentFrame() const
{
    return m_hWnd ? fw::GetParentFrame(GetParent(m_hWnd)) : nullptr;
}

SplitterWnd* View::GetParentSplitter() const
{
    return m_hWnd ? dynamic_cast<SplitterWnd*>(FromHandle(GetParent(m_hWnd))) : nullptr;
}

void View::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void View::OnUpdate(View*, LPARAM, void*)
{
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void View::OnDraw(HDC) {}

void View::OnActivateView(bool activate, View*, View*)
{
    // The view that becomes active takes the keys, but only while its frame
    // is the one the user is working in: a frame opened behind another
    // program or behind another MDI child must not steal the focus.
    if (activate && m_hWnd && IsInActiveFrame())
        SetFocus(m_hWnd);
}

bool View::IsInActiveFrame() const
{
    HWND top = GetAncestor(m_hWnd, GA_ROOT);
    if (!top || GetActiveWindow() != top)
        return false;
    FrameWnd* frame = GetParentFrame();
    HWND frameWnd = frame ? frame->GetHwnd() : nullptr;
    if (!frameWnd || frameWnd == top || !(GetWindowLongA(frameWnd, GWL_EXSTYLE) & WS_EX_MDICHILD))
        return true;
    HWND client = GetParent(frameWnd);
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) == frameWnd;
}

void View::OnPaint()
{
    PaintDC dc(m_hWnd);
    if (dc.get())
        OnDraw(dc.get());
}

// ---- Scroll bars ----------------------------------------------------------

HWND View::GetScrollBarCtrl(int bar) const
{
    SplitterWnd* splitter = GetParentSplitter();
    return splitter ? splitter->GetScrollBarFor(*this, bar) : nullptr;
}

void View::SetScrollInfo(int bar, const SCROLLINFO& info, bool redraw)
{
    SCROLLINFO copy = info;
    copy.cbSize = sizeof copy;
    if (HWND ctrl = GetScrollBarCtrl(bar))
        ::SetScrollInfo(ctrl, SB_CTL, &copy, redraw);
    else
        ::SetScrollInfo(m_hWnd, bar, &copy, redraw);
}

bool View::GetScrollInfo(int bar, SCROLLINFO& info) const
{
    info.cbSize = sizeof info;
    if (!info.fMask)
        info.fMask = SIF_ALL;
    if (HWND ctrl = GetScrollBarCtrl(bar))
        return ::GetScrollInfo(ctrl, SB_CTL, &info) != FALSE;
    return ::GetScrollInfo(m_hWnd, bar, &info) != FALSE;
}

int View::GetScrollPos(int bar) const
{
    if (HWND ctrl = GetScrollBarCtrl(bar))
        return ::GetScrollPos(ctrl, SB_CTL);
    return ::GetScrollPos(m_hWnd, bar);
}

int View::SetScrollPos(int bar, int pos, bool redraw)
{
    if (HWND ctrl = GetScrollBarCtrl(bar))
        return ::SetScrollPos(ctrl, SB_CTL, pos, redraw);
    return ::SetScrollPos(m_hWnd, bar, pos, redraw);
}

void View::SetScrollRange(int bar, int minPos, int maxPos, bool redraw)
{
    if (HWND ctrl = GetScrollBarCtrl(bar))
        ::SetScrollRange(ctrl, SB_CTL, minPos, maxPos, redraw);
    else
        ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void View::ShowScrollBar(int bar, bool show)
{
    if (HWND ctrl = GetScrollBarCtrl(bar))
        ::EnableScrollBar(ctrl, SB_CTL, show ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
    else
        ::ShowScrollBar(m_hWnd, bar, show);
}

// ---- Routing --------------------------------------------------------------

bool View::OnCmdMsg(UINT id, CmdCode code, CmdUI* ui)
{
    if (HandleCommand(id, code, ui))
        return true;
    return m_pDocument && m_pDocument->OnCmdMsg(id, code, ui);
}

bool View::HandleCommand(UINT id, CmdCode code, CmdUI* ui)
{
    static const CommandMap<View> map{
        {ID_NEXT_PANE, ID_PREV_PANE, &View::OnNextPane},
        {ID_NEXT_PANE, ID_PREV_PANE, &View::OnUpdateNextPane},
        {ID_WINDOW_SPLIT, &View::OnSplitCmd},
        {ID_WINDOW_SPLIT, &View::OnUpdateSplitCmd},
    };
    return map.Dispatch(*this, id, code, ui) || CommandTarget::HandleCommand(id, code, ui);
}

void View::OnNextPane(UINT id)
{
    if (SplitterWnd* splitter = GetParentSplitter())
        splitter->ActivateNext(*this, id == ID_PREV_PANE);
}

void View::OnUpdateNextPane(CmdUI& ui)
{
    SplitterWnd* splitter = GetParentSplitter();
    ui.Enable(splitter && splitter->GetRowCount() > 1);
}

void View::OnSplitCmd()
{
    if (SplitterWnd* splitter = GetParentSplitter())
        splitter->ToggleSplit();
}

void View::OnUpdateSplitCmd(CmdUI& ui)
{
    SplitterWnd* splitter = GetParentSplitter();
    ui.Enable(splitter && splitter->GetMaxRows() > 1);
}

// ---- Messages -------------------------------------------------------------

LRESULT View::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SETFOCUS:
        if (FrameWnd* frame = GetParentFrame())
            frame->SetActiveView(this);
        break;
    case WM_MOUSEACTIVATE:
        return OnMouseActivate(wParam, lParam);
    case WM_DESTROY:
        OnDestroyView();
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT View::OnMouseActivate(WPARAM wParam, LPARAM lParam)
{
    // The default asks the parents first: a click activates the MDI child.
    LRESULT result = DefaultProc(WM_MOUSEACTIVATE, wParam, lParam);
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    if (FrameWnd* frame = GetParentFrame())
        frame->SetActiveView(this);
    if (GetFocus() != m_hWnd)
        SetFocus(m_hWnd);
    return result;
}

void View::OnDestroyView()
{
    if (FrameWnd* frame = GetParentFrame())
        frame->OnViewDestroyed(this);
    if (m_pDocument)
        m_pDocument->RemoveView(*this);
}

} // namespace fw
