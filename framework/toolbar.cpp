#include "framework/toolbar.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "framework/command_target.h"
#include "framework/frame_wnd.h"
#include "framework/strings.h"

namespace fw {

namespace {

const char kToolBarHostClass[] = "fw.ToolBar";
// In a vertical bar a wide separator (room for a control) makes no sense.
constexpr int kVerticalSeparator = 6;

// A tool button as update handlers see it.
class ToolCmdUI : public CmdUI {
public:
    ToolCmdUI(HWND toolbar, UINT id) : CmdUI(id), m_toolbar(toolbar) {}

    void Enable(bool on) override
    {
        CmdUI::Enable(on);
        if (IsEnabled() != on)
            SendMessageA(m_toolbar, TB_ENABLEBUTTON, m_nID, MAKELPARAM(on ? TRUE : FALSE, 0));
    }
    void SetCheck(int check) override
    {
        bool indeterminate = check == 2;
        if ((SendMessageA(m_toolbar, TB_ISBUTTONINDETERMINATE, m_nID, 0) != 0) != indeterminate)
            SendMessageA(m_toolbar, TB_INDETERMINATE, m_nID, MAKELPARAM(indeterminate, 0));
        bool checked = check == 1;
        if ((SendMessageA(m_toolbar, TB_ISBUTTONCHECKED, m_nID, 0) != 0) != checked)
            SendMessageA(m_toolbar, TB_CHECKBUTTON, m_nID, MAKELPARAM(checked, 0));
    }

private:
    bool IsEnabled() const { return SendMessageA(m_toolbar, TB_ISBUTTONENABLED, m_nID, 0) != 0; }
    HWND m_toolbar;
};

template <typename Char> void CopyTip(Char* target, size_t size, const std::string& tip)
{
    size_t n = std::min(tip.size(), size - 1);
    for (size_t i = 0; i < n; ++i)
        target[i] = static_cast<Char>(static_cast<unsigned char>(tip[i]));
    target[n] = 0;
}

} // namespace

ToolBar::ToolBar()
{
    EnableDocking(kDockAny);
}

ToolBar::~ToolBar() = default;

bool ToolBar::Create(FrameWnd& frame, UINT id, DockEdge edge)
{
    if (!RegisterClass(kToolBarHostClass, 0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    if (!CreateEx(0, kToolBarHostClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                  frame.GetHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return false;
    DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                  CCS_NORESIZE | CCS_NOPARENTALIGN | (IsHorizontal(edge) ? 0 : CCS_VERT);
    m_toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!m_toolbar)
        return false;
    SendMessageA(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ControlBar::AttachToFrame(frame, edge);
    frame.RecalcLayout();
    return true;
}

bool ToolBar::LoadToolBar(UINT bitmapId, std::span<const UINT> items, SIZE imageSize)
{
    if (!m_toolbar)
        return false;
    m_items.clear();
    int image = 0;
    for (UINT id : items)
        m_items.push_back(Item{id, id == ID_SEPARATOR ? -1 : image++, 0});
    SendMessageA(m_toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
    TBADDBITMAP bitmap{GetModuleHandleA(nullptr), bitmapId};
    if (image > 0 &&
        SendMessageA(m_toolbar, TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) == -1)
        return false;
    AddButtons();
    return true;
}

void ToolBar::AddButtons()
{
    while (SendMessageA(m_toolbar, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageA(m_toolbar, TB_DELETEBUTTON, 0, 0);
    const bool vertical = IsVertical();
    std::vector<TBBUTTON> buttons;
    for (const Item& item : m_items) {
        TBBUTTON b{};
        b.idCommand = static_cast<int>(item.id);
        b.fsState = TBSTATE_ENABLED | (vertical ? TBSTATE_WRAP : 0);
        if (item.image < 0) {
            b.fsStyle = TBSTYLE_SEP;
            b.iBitmap = vertical ? kVerticalSeparator : item.separatorWidth;
        } else {
            b.fsStyle = TBSTYLE_BUTTON;
            b.iBitmap = item.image;
        }
        buttons.push_back(b);
    }
    if (!buttons.empty())
        SendMessageA(m_toolbar, TB_ADDBUTTONSA, buttons.size(),
                     reinterpret_cast<LPARAM>(buttons.data()));
    LayoutControl();
}

UINT ToolBar::GetItemId(int index) const
{
    return index >= 0 && index < GetItemCount() ? m_items[static_cast<size_t>(index)].id : 0;
}

int ToolBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetItemCount(); ++i)
        if (m_items[static_cast<size_t>(i)].id == id)
            return i;
    return -1;
}

RECT ToolBar::GetItemRect(int index) const
{
    RECT r{};
    SendMessageA(m_toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&r));
    return r;
}

void ToolBar::SetSeparatorWidth(int index, int width)
{
    if (index < 0 || index >= GetItemCount() || m_items[static_cast<size_t>(index)].image >= 0)
        return;
    m_items[static_cast<size_t>(index)].separatorWidth = width;
    AddButtons();
}

bool ToolBar::IsButtonEnabled(UINT id) const
{
    return SendMessageA(m_toolbar, TB_ISBUTTONENABLED, id, 0) != 0;
}

bool ToolBar::IsButtonChecked(UINT id) const
{
    return SendMessageA(m_toolbar, TB_ISBUTTONCHECKED, id, 0) != 0;
}

// ---- Layout ---------------------------------------------------------------

int ToolBar::CalcThickness(DockEdge edge, int)
{
    DWORD size = static_cast<DWORD>(SendMessageA(m_toolbar, TB_GETBUTTONSIZE, 0, 0));
    int across = IsHorizontal(edge) ? HIWORD(size) : LOWORD(size);
    return across + 2 * kMargin + 2; // the etched line between bars
}

RECT ToolBar::GripperRect() const
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (IsVertical())
        return RECT{0, 0, area.right, kGripper};
    return RECT{0, 0, kGripper, area.bottom};
}

void ToolBar::LayoutControl()
{
    if (!m_toolbar)
        return;
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (IsVertical())
        SetWindowPos(m_toolbar, nullptr, kMargin, kGripper, area.right - 2 * kMargin,
                     area.bottom - kGripper, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        SetWindowPos(m_toolbar, nullptr, kGripper, kMargin + 2, area.right - kGripper,
                     area.bottom - 2 * kMargin - 2, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolBar::OnDockEdgeChanged(DockEdge edge)
{
    LONG_PTR style = GetWindowLongPtrA(m_toolbar, GWL_STYLE);
    style = IsHorizontal(edge) ? (style & ~static_cast<LONG_PTR>(CCS_VERT)) : (style | CCS_VERT);
    SetWindowLongPtrA(m_toolbar, GWL_STYLE, style);
    AddButtons();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void ToolBar::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT area{};
    GetClientRect(m_hWnd, &area);
    if (!IsVertical()) {
        RECT line = area;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
    // Two raised lines: the handle the bar is dragged by.
    RECT grip = GripperRect();
    for (int i = 0; i < 2; ++i) {
        RECT r = grip;
        if (IsVertical()) {
            r.left += kMargin;
            r.right -= kMargin;
            r.top = 2 + 3 * i;
            r.bottom = r.top + 3;
        } else {
            r.top += kMargin + 3;
            r.bottom -= kMargin;
            r.left = 2 + 3 * i;
            r.right = r.left + 3;
        }
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    EndPaint(m_hWnd, &ps);
}

// ---- Idle update ----------------------------------------------------------

void ToolBar::OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler)
{
    for (int i = 0; i < GetItemCount(); ++i) {
        const Item& item = m_items[static_cast<size_t>(i)];
        if (item.image < 0)
            continue;
        ToolCmdUI ui(m_toolbar, item.id);
        ui.m_nIndex = static_cast<UINT>(i);
        ui.m_nIndexMax = static_cast<UINT>(GetItemCount());
        ui.DoUpdate(target, disableIfNoHandler);
    }
}

// ---- Prompts and tips -----------------------------------------------------

LRESULT ToolBar::OnNotify(NMHDR& header)
{
    FrameWnd* frame = GetDockingFrame();
    switch (header.code) {
    case TTN_GETDISPINFOA: {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        CopyTip(info.szText, sizeof info.szText,
                TextPart(LoadResString(static_cast<UINT>(header.idFrom)), 1));
        info.lpszText = info.szText;
        info.hinst = nullptr;
        return 0;
    }
    case TTN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        CopyTip(info.szText, sizeof info.szText / sizeof info.szText[0],
                TextPart(LoadResString(static_cast<UINT>(header.idFrom)), 1));
        info.lpszText = info.szText;
        info.hinst = nullptr;
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        auto& hot = reinterpret_cast<NMTBHOTITEM&>(header);
        if (frame) {
            if ((hot.dwFlags & HICF_LEAVING) || hot.idNew == 0)
                frame->ShowIdleText();
            else
                frame->ShowPrompt(static_cast<UINT>(hot.idNew));
        }
        return 0;
    }
    default:
        // Other notifications are the frame's, as if it owned the control.
        if (frame)
            return SendMessageA(frame->GetHwnd(), WM_NOTIFY, header.idFrom,
                                reinterpret_cast<LPARAM>(&header));
        return 0;
    }
}

// ---- Dragging to another edge ---------------------------------------------

DockEdge ToolBar::EdgeNearest(POINT screenPoint) const
{
    FrameWnd* frame = GetDockingFrame();
    if (!frame)
        return GetDockEdge();
    RECT area{};
    GetClientRect(frame->GetHwnd(), &area);
    POINT p = screenPoint;
    ScreenToClient(frame->GetHwnd(), &p);
    const DWORD allowed = GetAllowedEdges() & frame->GetDockingEdges();
    struct Candidate {
        DockEdge edge;
        LONG distance;
    };
    const Candidate candidates[] = {
        {DockEdge::Top, p.y - area.top},
        {DockEdge::Bottom, area.bottom - p.y},
        {DockEdge::Left, p.x - area.left},
        {DockEdge::Right, area.right - p.x},
    };
    DockEdge nearest = GetDockEdge();
    LONG nearestDistance = LONG_MAX;
    for (const Candidate& c : candidates) {
        if (c.distance < nearestDistance) {
            nearest = c.edge;
            nearestDistance = c.distance;
        }
    }
    // Dropped at an edge it may not take, the bar stays where it was.
    return (allowed & DockMask(nearest)) ? nearest : GetDockEdge();
}

RECT ToolBar::DropRect(DockEdge edge) const
{
    // Where the bar would go, in the frame's client coordinates.
    FrameWnd* frame = GetDockingFrame();
    RECT area{};
    GetClientRect(frame->GetHwnd(), &area);
    int thickness = const_cast<ToolBar*>(this)->CalcThickness(edge, 0);
    RECT r = area;
    switch (edge) {
    case DockEdge::Top:
        r.bottom = r.top + thickness;
        break;
    case DockEdge::Bottom:
        r.top = r.bottom - thickness;
        break;
    case DockEdge::Left:
        r.right = r.left + thickness;
        break;
    case DockEdge::Right:
        r.left = r.right - thickness;
        break;
    }
    return r;
}

void ToolBar::InvertDropRect()
{
    FrameWnd* frame = GetDockingFrame();
    HDC dc = GetDCEx(frame->GetHwnd(), nullptr, DCX_CACHE);
    if (!dc)
        return;
    RECT r = DropRect(m_dropEdge);
    DrawFocusRect(dc, &r);
    InflateRect(&r, -1, -1);
    DrawFocusRect(dc, &r);
    ReleaseDC(frame->GetHwnd(), dc);
    m_dropShown = !m_dropShown;
}

void ToolBar::StartDrag()
{
    if (!GetDockingFrame())
        return;
    m_dragging = true;
    m_dropEdge = GetDockEdge();
    SetCapture(m_hWnd);
    InvertDropRect();
}

void ToolBar::DragTo(POINT screenPoint)
{
    if (!m_dragging)
        return;
    DockEdge edge = EdgeNearest(screenPoint);
    if (edge == m_dropEdge)
        return;
    if (m_dropShown)
        InvertDropRect();
    m_dropEdge = edge;
    InvertDropRect();
}

void ToolBar::EndDrag(bool accept)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    if (m_dropShown)
        InvertDropRect();
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    if (accept && m_dropEdge != GetDockEdge())
        if (FrameWnd* frame = GetDockingFrame())
            frame->DockControlBar(*this, m_dropEdge);
}

LRESULT ToolBar::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case WM_SIZE:
        LayoutControl();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_COMMAND:
        // Clicks of the buttons and of controls placed on the bar.
        if (FrameWnd* frame = GetDockingFrame())
            return SendMessageA(frame->GetHwnd(), msg, wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_hWnd && LOWORD(lParam) == HTCLIENT) {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(m_hWnd, &cursor);
            RECT grip = GripperRect();
            if (m_dragging || PtInRect(&grip, cursor)) {
                SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN: {
        RECT grip = GripperRect();
        if (PtInRect(&grip, at))
            StartDrag();
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_dragging) {
            ClientToScreen(m_hWnd, &at);
            DragTo(at);
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_dragging) {
            ClientToScreen(m_hWnd, &at);
            DragTo(at);
            EndDrag(true);
        }
        return 0;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        EndDrag(false);
        break;
    case WM_DESTROY:
        m_toolbar = nullptr;
        ControlBar::DetachFromFrame();
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

} // namespace fw
