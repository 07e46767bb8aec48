#include "framework/splitter.h"

#include <algorithm>

#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/handles.h"
#include "framework/res/fw_resource.h"
#include "framework/view.h"

namespace fw {

namespace {

const char kSplitterClass[] = "fw.Splitter";

UINT PaneId(int row)
{
    return FW_IDW_PANE_FIRST + static_cast<UINT>(row) * 16;
}

void Place(HWND hWnd, int left, int top, int right, int bottom)
{
    if (hWnd)
        SetWindowPos(hWnd, nullptr, left, top, std::max(right - left, 0), std::max(bottom - top, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

SplitterWnd::SplitterWnd() = default;

SplitterWnd::~SplitterWnd() = default;

bool SplitterWnd::CreateDynamic(FrameWnd& parent, int maxRows, SIZE minPane, CreateContext* context)
{
    if (!context || !context->docTemplate)
        return false;
    m_frame = &parent;
    m_docTemplate = context->docTemplate;
    m_maxRows = std::clamp(maxRows, 1, 2);
    m_minPane = minPane;
    if (!RegisterClass(kSplitterClass, CS_DBLCLKS, nullptr,
                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    RECT area{};
    GetClientRect(parent.GetHwnd(), &area);
    if (!CreateEx(0, kSplitterClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, area.right,
                  area.bottom, parent.GetHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FW_IDW_PANE_FIRST))))
        return false;
    m_horzBar = CreateScrollBar(false, FW_IDW_HSCROLL_FIRST);
    m_vertBars[0] = CreateScrollBar(true, FW_IDW_VSCROLL_FIRST);
    std::unique_ptr<View> first = m_docTemplate->CreateView();
    if (!first || !first->Create(m_hWnd, PaneId(0), context, false))
        return false;
    m_panes[0] = std::move(first);
    m_rows = 1;
    RecalcLayout();
    return true;
}

HWND SplitterWnd::CreateScrollBar(bool vertical, UINT id)
{
    return CreateWindowExA(0, "SCROLLBAR", nullptr,
                           WS_CHILD | WS_VISIBLE | (vertical ? SBS_VERT : SBS_HORZ), 0, 0, 0, 0,
                           m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

View* SplitterWnd::GetPane(int row) const
{
    return row >= 0 && row < m_rows ? m_panes[row].get() : nullptr;
}

int SplitterWnd::RowOf(const View& view) const
{
    for (int row = 0; row < m_rows; ++row)
        if (m_panes[row].get() == &view)
            return row;
    return -1;
}

HWND SplitterWnd::GetScrollBarFor(const View& view, int bar) const
{
    int row = RowOf(view);
    if (row < 0)
        return nullptr;
    return bar == SB_HORZ ? m_horzBar : m_vertBars[row];
}

// ---- Layout ---------------------------------------------------------------

int SplitterWnd::PanesRight() const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    return std::max(static_cast<int>(area.right) - GetSystemMetrics(SM_CXVSCROLL), 0);
}

int SplitterWnd::PanesBottom() const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    return std::max(static_cast<int>(area.bottom) - GetSystemMetrics(SM_CYHSCROLL), 0);
}

RECT SplitterWnd::GetBoxRect() const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (m_rows >= m_maxRows)
        return RECT{};
    return RECT{PanesRight(), 0, area.right, std::min(kSplitterSize, PanesBottom())};
}

RECT SplitterWnd::GetBarRect() const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (m_rows < 2)
        return RECT{};
    return RECT{0, m_upperHeight, area.right, m_upperHeight + kSplitterSize};
}

void SplitterWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    RECT area{};
    GetClientRect(m_hWnd, &area);
    const int right = PanesRight();
    const int bottom = PanesBottom();
    if (m_rows == 2) {
        m_upperHeight = std::clamp(m_upperHeight, 0, std::max(bottom - kSplitterSize, 0));
        const int lowerTop = m_upperHeight + kSplitterSize;
        Place(m_panes[0]->GetHwnd(), 0, 0, right, m_upperHeight);
        Place(m_vertBars[0], right, 0, area.right, m_upperHeight);
        Place(m_panes[1]->GetHwnd(), 0, lowerTop, right, bottom);
        Place(m_vertBars[1], right, lowerTop, area.right, bottom);
    } else if (m_rows == 1) {
        // The splitter box sits on top of the vertical scroll bar.
        const int boxBottom = m_maxRows > 1 ? std::min(kSplitterSize, bottom) : 0;
        Place(m_panes[0]->GetHwnd(), 0, 0, right, bottom);
        Place(m_vertBars[0], right, boxBottom, area.right, bottom);
    }
    Place(m_horzBar, 0, bottom, right, area.bottom);
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- Splitting and joining ----------------------------------------------

bool SplitterWnd::SplitRow(int upperHeight)
{
    if (m_rows != 1 || m_maxRows < 2 || !m_panes[0])
        return false;
    const int bottom = PanesBottom();
    if (upperHeight < m_minPane.cy || bottom - (upperHeight + kSplitterSize) < m_minPane.cy ||
        PanesRight() < m_minPane.cx)
        return false;
    Document* doc = m_panes[0]->GetDocument();
    CreateContext context{doc, m_docTemplate, nullptr};
    std::unique_ptr<View> lower = m_docTemplate->CreateView();
    if (!lower || !lower->Create(m_hWnd, PaneId(1), &context, false))
        return false;
    m_vertBars[1] = CreateScrollBar(true, FW_IDW_VSCROLL_FIRST + 1);
    m_panes[1] = std::move(lower);
    m_rows = 2;
    m_upperHeight = upperHeight;
    RecalcLayout();
    m_panes[1]->OnInitialUpdate();
    return true;
}

void SplitterWnd::DeleteRow(int row)
{
    if (m_rows != 2 || row < 0 || row > 1)
        return;
    const int keep = 1 - row;
    View* dying = m_panes[row].get();
    View* staying = m_panes[keep].get();
    // The focus and the frame's active view move first, never into a
    // window about to vanish.
    if (GetFocus() == dying->GetHwnd())
        SetFocus(staying->GetHwnd());
    if (m_frame && m_frame->GetActiveView() == dying)
        m_frame->SetActiveView(staying);

    std::unique_ptr<View> gone = std::move(m_panes[row]);
    HWND goneBar = m_vertBars[row];
    if (row == 0) {
        // The lower pane moves up with its own scroll bar.
        m_panes[0] = std::move(m_panes[1]);
        m_vertBars[0] = m_vertBars[1];
        SetWindowLongPtrA(m_panes[0]->GetHwnd(), GWLP_ID, PaneId(0));
        SetWindowLongPtrA(m_vertBars[0], GWLP_ID, FW_IDW_VSCROLL_FIRST);
    }
    m_vertBars[1] = nullptr;
    m_rows = 1;
    gone.reset(); // the view's window goes, and it leaves its document
    DestroyWindow(goneBar);
    RecalcLayout();
}

void SplitterWnd::ToggleSplit()
{
    if (m_rows == 1)
        SplitRow((PanesBottom() - kSplitterSize) / 2);
    else
        DeleteRow(1);
}

void SplitterWnd::ActivateNext(View& from, bool)
{
    // With two panes the next and the previous one are the same.
    int row = RowOf(from);
    if (m_rows < 2 || row < 0)
        return;
    View* next = m_panes[1 - row].get();
    if (m_frame)
        m_frame->SetActiveView(next);
    SetFocus(next->GetHwnd());
}

// ---- Mouse ----------------------------------------------------------------

SplitterWnd::HitArea SplitterWnd::HitTest(POINT at) const
{
    RECT box = GetBoxRect();
    if (PtInRect(&box, at))
        return HitArea::Box;
    RECT bar = GetBarRect();
    if (PtInRect(&bar, at))
        return HitArea::Bar;
    return HitArea::None;
}

void SplitterWnd::StartTracking(HitArea area, POINT at)
{
    if (area == HitArea::None)
        return;
    m_tracking = area;
    m_trackOffset = at.y - (area == HitArea::Box ? GetBoxRect().top : m_upperHeight);
    SetCapture(m_hWnd);
    TrackTo(at.y);
}

void SplitterWnd::TrackTo(int y)
{
    if (m_tracking == HitArea::None)
        return;
    if (m_trackerShown)
        InvertTracker();
    m_trackY = std::clamp(y - m_trackOffset, 0, std::max(PanesBottom() - kSplitterSize, 0));
    InvertTracker();
}

void SplitterWnd::InvertTracker()
{
    // Drawn over the panes too: a DC of the splitter that does not clip
    // its children.
    HDC dc = GetDCEx(m_hWnd, nullptr, DCX_CACHE);
    if (!dc)
        return;
    PatBlt(dc, 0, m_trackY, PanesRight(), kSplitterSize, DSTINVERT);
    ReleaseDC(m_hWnd, dc);
    m_trackerShown = !m_trackerShown;
}

void SplitterWnd::StopTracking(bool accept)
{
    if (m_tracking == HitArea::None)
        return;
    HitArea area = m_tracking;
    m_tracking = HitArea::None;
    if (m_trackerShown)
        InvertTracker();
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    if (accept)
        ApplyTrackedPosition(area, m_trackY);
}

void SplitterWnd::ApplyTrackedPosition(HitArea area, int y)
{
    if (area == HitArea::Box) {
        SplitRow(y); // refused when a pane would be too small
        return;
    }
    // A pane dragged below its minimum goes away.
    if (y < m_minPane.cy)
        DeleteRow(0);
    else if (PanesBottom() - (y + kSplitterSize) < m_minPane.cy)
        DeleteRow(1);
    else {
        m_upperHeight = y;
        RecalcLayout();
    }
}

void SplitterWnd::OnScroll(UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto bar = reinterpret_cast<HWND>(lParam);
    if (msg == WM_VSCROLL) {
        int row = bar == m_vertBars[1] ? 1 : 0;
        if (View* pane = GetPane(row))
            SendMessageA(pane->GetHwnd(), msg, wParam, lParam);
        return;
    }
    // One horizontal bar serves both panes: they scroll together.
    for (int row = 0; row < m_rows; ++row)
        SendMessageA(m_panes[row]->GetHwnd(), msg, wParam, lParam);
}

void SplitterWnd::OnPaint()
{
    PaintDC dc(m_hWnd);
    if (!dc.get())
        return;
    RECT area{};
    GetClientRect(m_hWnd, &area);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    // The corner between the scroll bars.
    RECT corner{PanesRight(), PanesBottom(), area.right, area.bottom};
    FillRect(dc.get(), &corner, face);
    for (RECT r : {GetBoxRect(), GetBarRect()}) {
        if (IsRectEmpty(&r))
            continue;
        FillRect(dc.get(), &r, face);
        DrawEdge(dc.get(), &r, EDGE_RAISED, BF_RECT);
    }
}

LRESULT SplitterWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        OnScroll(msg, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_hWnd && LOWORD(lParam) == HTCLIENT) {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(m_hWnd, &cursor);
            if (m_tracking != HitArea::None || HitTest(cursor) != HitArea::None) {
                SetCursor(LoadCursor(nullptr, IDC_SIZENS));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        StartTracking(HitTest(at), at);
        return 0;
    case WM_MOUSEMOVE:
        TrackTo(at.y);
        return 0;
    case WM_LBUTTONUP:
        StopTracking(true);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (HitTest(at) != HitArea::None)
            ToggleSplit();
        return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        StopTracking(false);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            StopTracking(false);
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

} // namespace fw
