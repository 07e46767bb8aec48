// Mouse: caret placement, selection by dragging (scrolling when the mouse
// leaves the window), margin line selection and double clicks.
#include "editor/view/marl_view.h"

#include <algorithm>
#include <string>

#include "editor/doc/marl_doc.h"
#include "editor/view/paint_line.h"
#include "editor/view/view_geometry.h"
#include "editor/view/view_settings.h"
#include "resource.h"

namespace {

constexpr UINT kAutoScrollMs = 50;

bool IsBrace(unsigned char c)
{
    return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}';
}

} // namespace

TextPos CMarlView::PositionAt(int x, int y) const
{
    ViewMetrics m;
    m.charWidth = m_nCharWidth;
    m.lineHeight = m_nLineHeight;
    m.tabLength = CurrentOptions().m_nTabLength;
    m.horizontalOffset = m_nHorzOffset;
    MarlDocCore& text = Text();
    const TextPos start = text.MoveLines(m_pos.top, MouseRow(m, y));
    const TextPos end =
        std::min<TextPos>(text.LineEnd(start), start + static_cast<TextPos>(kPaintBufferSize));
    std::string line;
    text.GetText(start, end, line);
    return HitTest(m, line, start, x);
}

void CMarlView::OnLButtonDown(UINT flags, int x, int y)
{
    if (!m_bPainted || !GetDocument())
        return;
    if (GetFocus() != m_hWnd)
        SetFocus(m_hWnd);
    MarlDocCore& text = Text();
    const TextPos old = m_pos.caret;
    const TextPos pos = PositionAt(x, y);
    const bool shift = (flags & MK_SHIFT) != 0;
    bool lineSelected = false;
    if (shift) {
        if (m_pos.selStart == kNoPos)
            m_pos.selStart = old;
        const TextPos from = m_pos.selStart;
        m_pos.selStart = std::min(from, pos);
        m_pos.selEnd = std::max(from, pos);
    } else if (!m_bDraggingOut && !m_bExtending && m_nHorzOffset == 0 && x < m_nCharWidth) {
        m_pos.selStart = text.LineStart(pos);
        const TextPos end = text.LineEnd(pos);
        m_pos.selEnd = end < text.GetLength() ? end + 1 : end;
        lineSelected = true;
    }
    m_pos.caretLine += pos >= old ? text.CountLines(old, pos) : -text.CountLines(pos, old);
    m_pos.caret = pos;
    m_nCaretColumn = text.ColumnOfPos(pos);
    UpdateCaret();
    BringCaretIntoView();
    InvalidateRect(m_hWnd, nullptr, FALSE);

    const bool inside = HasSelection() && pos > m_pos.selStart && pos < m_pos.selEnd;
    if (inside && !shift && !lineSelected && !m_bDraggingOut) {
        StartDrag();
        return;
    }
    if (!shift && !lineSelected && pos != m_pos.selEnd)
        m_pos.selStart = m_pos.selEnd = kNoPos;
    m_mouseAnchor = m_pos.caret;
    m_bMouseDown = true;
}

void CMarlView::OnMouseMove(UINT flags, int x, int y)
{
    if (!(flags & MK_LBUTTON) || !m_bPainted || !m_bMouseDown)
        return;
    if (m_bSkipMove) {
        m_bSkipMove = false;
        return;
    }
    if (!m_bCaptured) {
        SetCapture(m_hWnd);
        m_bCaptured = true;
        if (!m_bDraggingOut)
            m_pos.selStart = m_pos.selEnd = m_mouseAnchor;
    }
    const bool outside = x < 0 || x > m_client.right || y < 0 || y > m_client.bottom;
    if (outside) {
        if (AutoScrollStep(POINT{x, y}))
            SetTimer(m_hWnd, kAutoScrollTimer, kAutoScrollMs, nullptr);
        return;
    }
    MarlDocCore& text = Text();
    const TextPos old = m_pos.caret;
    const TextPos pos = PositionAt(x, y);
    m_pos.caretLine += pos >= old ? text.CountLines(old, pos) : -text.CountLines(pos, old);
    m_pos.caret = pos;
    m_nCaretColumn = text.ColumnOfPos(pos);
    ExtendMouseSelection(old, false);
    InvalidateRange(old, pos);
    UpdateCaret();
}

void CMarlView::ExtendMouseSelection(TextPos old, bool outside)
{
    const TextPos pos = m_pos.caret;
    TextPos& start = m_pos.selStart;
    TextPos& end = m_pos.selEnd;
    if (outside) {
        if (pos < end && pos <= start)
            start = pos;
        else
            end = pos;
    } else if (pos < old) {
        if (pos >= start && pos < end)
            end = pos;
        else
            start = pos;
    } else if (pos > old) {
        if (pos > start && pos >= end)
            end = pos;
        else
            start = pos;
    }
}

// One step of scrolling towards the mouse outside the window; false when
// the mouse is back inside or the button is up.
bool CMarlView::AutoScrollStep(POINT pt)
{
    if (pt.x >= 0 && pt.x <= m_client.right && pt.y >= 0 && pt.y <= m_client.bottom)
        return false;
    MarlDocCore& text = Text();
    const TextPos old = m_pos.caret;
    int x = pt.x;
    int y = pt.y;
    if (pt.x < 0 || pt.x > m_client.right) {
        ScrollHorizontal(pt.x < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
        x = pt.x < 0 ? 0 : m_client.right;
        y = std::clamp<int>(pt.y, 0, std::max<int>(0, m_client.bottom - 1));
    } else {
        if (pt.y > m_client.bottom)
            ScrollLines(1);
        else if (m_pos.top != 0)
            ScrollLines(-1);
        y = pt.y < 0 ? 0 : std::max(0, (ClientRows() - 1) * m_nLineHeight + 1);
    }
    const TextPos pos = PositionAt(x, y);
    m_pos.caretLine += pos >= old ? text.CountLines(old, pos) : -text.CountLines(pos, old);
    m_pos.caret = pos;
    m_nCaretColumn = text.ColumnOfPos(pos);
    ExtendMouseSelection(old, true);
    InvalidateRange(old, pos);
    UpdateCaret();
    return true;
}

void CMarlView::OnAutoScrollTimer()
{
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(m_hWnd, &pt);
    if (!m_bCaptured || !(GetAsyncKeyState(VK_LBUTTON) & 0x8000) || !AutoScrollStep(pt))
        KillTimer(m_hWnd, kAutoScrollTimer);
}

void CMarlView::OnLButtonUp()
{
    KillTimer(m_hWnd, kAutoScrollTimer);
    m_bMouseDown = false;
    if (m_bCaptured) {
        m_bCaptured = false;
        ReleaseCapture();
    }
}

void CMarlView::OnLButtonDblClk(UINT flags, int x, int)
{
    if (!m_bPainted || !GetDocument() || (m_nHorzOffset == 0 && x < m_nCharWidth))
        return;
    MarlDocCore& text = Text();
    if (m_pos.caret < text.GetLength() && IsBrace(text.GetChar(m_pos.caret))) {
        ExecuteCommand(ID_MATCH_BRACE);
        return;
    }
    if (flags & MK_SHIFT) {
        m_pos.selStart = m_pos.selEnd = kNoPos;
        InvalidateRect(m_hWnd, nullptr, FALSE);
        ExecuteCommand(ID_OPEN_FILE_AT_CARET);
        return;
    }
    TextPos start = kNoPos;
    TextPos end = kNoPos;
    text.WordBounds(m_pos.caret, start, end);
    if (start == kNoPos)
        return;
    const TextPos old = m_pos.caret;
    m_pos.selStart = start;
    m_pos.selEnd = end + 1;
    m_pos.caret = end + 1;
    m_pos.caretLine += text.CountLines(old, m_pos.caret);
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    m_bMouseDown = false;
    InvalidateRange(start, m_pos.caret);
    UpdateCaret();
}
