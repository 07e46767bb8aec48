// The caret's place on the screen, keeping it visible, and scrolling.
#include "editor/view/marl_view.h"

#include <algorithm>
#include <string>

#include "editor/doc/marl_doc.h"
#include "editor/view/paint_line.h"
#include "editor/view/view_geometry.h"
#include "editor/view/view_settings.h"

namespace {

ViewMetrics MetricsOf(int charWidth, int lineHeight, int offset)
{
    ViewMetrics m;
    m.charWidth = charWidth;
    m.lineHeight = lineHeight;
    m.tabLength = CurrentOptions().m_nTabLength;
    m.horizontalOffset = offset;
    return m;
}

} // namespace

int CMarlView::ClientRows() const
{
    return PageLines(MetricsOf(m_nCharWidth, m_nLineHeight, 0), m_client.bottom);
}

long CMarlView::CaretXFor(TextPos pos) const
{
    MarlDocCore& text = Text();
    const TextPos start = text.LineStart(pos);
    // The paint buffer's limit: a longer line is not drawn past it either.
    const TextPos end = std::min<TextPos>(pos, start + static_cast<TextPos>(kPaintBufferSize));
    std::string bytes;
    text.GetText(start, end, bytes);
    const ViewMetrics m = MetricsOf(m_nCharWidth, m_nLineHeight, m_nHorzOffset);
    const long long x = m.TextLeft() + TextExtent(m, bytes, bytes.size());
    return static_cast<long>(std::clamp<long long>(x, -0x7FFFFFF, 0x7FFFFFF));
}

int CMarlView::RowOf(TextPos pos) const
{
    if (pos < m_pos.top)
        return -1;
    if (pos == m_pos.caret)
        return static_cast<int>(std::min<long>(m_pos.caretLine - 1 - m_nTopLine, 0x7FFF));
    MarlDocCore& text = Text();
    const int rows = ClientRows() + 1;
    const TextPos limit = text.MoveLines(m_pos.top, rows);
    if (pos > limit)
        return rows + 1;
    return text.CountLines(m_pos.top, pos);
}

void CMarlView::ShowViewCaret(bool show)
{
    m_bCaretHidden = !show;
    if (!m_bHasCaret || show == m_bCaretShown)
        return;
    if (show)
        ShowCaret(m_hWnd);
    else
        HideCaret(m_hWnd);
    m_bCaretShown = show;
}

void CMarlView::UpdateCaret()
{
    if (m_pos.caret < m_pos.top) {
        ShowViewCaret(false);
        return;
    }
    const long row = m_pos.caretLine - 1 - m_nTopLine;
    const long y = std::min<long>(static_cast<long>(m_nLineHeight) * row, 32767);
    if (y >= m_client.bottom) {
        ShowViewCaret(false);
        return;
    }
    const long x = CaretXFor(m_pos.caret);
    if (x < 0 || x > m_client.right) {
        ShowViewCaret(false);
        return;
    }
    m_nCaretX = static_cast<int>(x);
    m_nCaretY = static_cast<int>(y);
    if (m_bHasCaret)
        SetCaretPos(m_nCaretX, m_nCaretY);
    ShowViewCaret(true);
}

void CMarlView::MakeVisible(TextPos pos)
{
    if (pos < m_pos.top) {
        ScrollLines(-1);
    } else {
        const int row = RowOf(pos);
        if (static_cast<long long>(row + 1) * m_nLineHeight > m_client.bottom)
            ScrollLines(1);
    }
    long x = CaretXFor(pos);
    if ((x < 0 && m_nHorzOffset != 0) || x > m_client.right) {
        // Whole pages until the caret is inside, past the bar's 255 steps
        // too: on a very long line the caret must still be seen.  The
        // window is drawn once, at the end.
        HorizontalState state{m_nHorzOffset, m_nHorzPos};
        const int page = kHorizontalPage * m_nCharWidth;
        for (; x > m_client.right; x -= page)
            state = ScrollHorizontally(state, HorizontalScroll::PageRight, m_nCharWidth);
        for (; x < 0 && state.offset != 0; x += page)
            state = ScrollHorizontally(state, HorizontalScroll::PageLeft, m_nCharWidth);
        m_nHorzOffset = state.offset;
        m_nHorzPos = state.position;
        SetScrollPos(SB_HORZ, m_nHorzPos);
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    UpdateCaret();
}

void CMarlView::BringCaretIntoView()
{
    if (!m_bCaretHidden)
        return;
    MarlDocCore& text = Text();
    SetTopLine(text.LineStart(m_pos.caret), m_pos.caretLine - 1);
    const int rows = m_client.bottom / m_nLineHeight + 1;
    if (rows > 2)
        MoveTopBy(-(rows / 2));
    SetScrollPos(SB_VERT, static_cast<int>(ScrollPositionOf(m_nTopLine, m_nScrollScale)));
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
}

void CMarlView::InvalidateRange(TextPos from, TextPos to)
{
    const int rows = ClientRows() + 1;
    int first = std::clamp(RowOf(std::min(from, to)), 0, rows);
    int last = RowOf(std::max(from, to));
    if (last < 0)
        return;
    last = std::min(last, rows);
    RECT area{0, first * m_nLineHeight, m_client.right,
              std::min<long>((last + 1) * m_nLineHeight, m_client.bottom)};
    InvalidateRect(m_hWnd, &area, FALSE);
}

void CMarlView::RepaintRowsFrom(TextPos pos, bool fromCaretX)
{
    const int row = RowOf(pos);
    if (row < 0 || row > ClientRows() + 1)
        return;
    RECT area{fromCaretX ? std::max(0, m_nCaretX) : 0, row * m_nLineHeight, m_client.right,
              (row + 1) * m_nLineHeight};
    InvalidateRect(m_hWnd, &area, FALSE);
}

// ---- Vertical scrolling ---------------------------------------------------------

void CMarlView::MoveTopBy(long lines)
{
    MarlDocCore& text = Text();
    const TextPos old = m_pos.top;
    const TextPos top = text.MoveLines(old, static_cast<int>(lines));
    m_nTopLine += top >= old ? text.CountLines(old, top) : -text.CountLines(top, old);
    m_pos.top = top;
}

void CMarlView::ScrollLines(int lines)
{
    MarlDocCore& text = Text();
    if (lines < 0) {
        if (m_pos.top == 0)
            return;
        MoveTopBy(-1);
        ScrollWindowEx(m_hWnd, 0, m_nLineHeight, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
    } else {
        if (m_nTopLine >= text.GetLineCount())
            return; // the top is already the last line
        MoveTopBy(1);
        ScrollWindowEx(m_hWnd, 0, -m_nLineHeight, nullptr, nullptr, nullptr, nullptr,
                       SW_INVALIDATE);
    }
    AfterVerticalScroll();
}

void CMarlView::AfterVerticalScroll()
{
    SetScrollPos(SB_VERT, static_cast<int>(ScrollPositionOf(m_nTopLine, m_nScrollScale)));
    UpdateCaret();
    UpdateWindow(m_hWnd);
}

void CMarlView::OnVScroll(int code, int thumb)
{
    MarlDocCore& text = Text();
    const long page = ClientRows();
    switch (code) {
    case SB_LINEUP:
        ScrollLines(-1);
        return;
    case SB_LINEDOWN:
        ScrollLines(1);
        return;
    case SB_PAGEUP:
        if (m_pos.top == 0)
            return;
        MoveTopBy(-page);
        break;
    case SB_PAGEDOWN:
        MoveTopBy(page);
        break;
    case SB_THUMBTRACK: {
        const long p = static_cast<long>(GetScrollPos(SB_VERT)) * m_nScrollScale;
        MoveTopBy(ThumbTrackLines(thumb, m_nScrollScale, p));
        break;
    }
    case SB_TOP:
        SetTopLine(0, 0);
        break;
    case SB_BOTTOM:
        SetTopLine(text.LineStart(text.GetLength()), text.GetLineCount());
        break;
    default:
        return;
    }
    InvalidateRect(m_hWnd, nullptr, FALSE);
    AfterVerticalScroll();
}

// ---- Horizontal scrolling -------------------------------------------------------

void CMarlView::ScrollHorizontal(int code, int thumb)
{
    HorizontalScroll action;
    switch (code) {
    case SB_LINELEFT:
        action = HorizontalScroll::LineLeft;
        break;
    case SB_LINERIGHT:
        action = HorizontalScroll::LineRight;
        break;
    case SB_PAGELEFT:
        action = HorizontalScroll::PageLeft;
        break;
    case SB_PAGERIGHT:
        action = HorizontalScroll::PageRight;
        break;
    case SB_THUMBTRACK:
        action = HorizontalScroll::Track;
        break;
    default:
        return;
    }
    const HorizontalState before{m_nHorzOffset, m_nHorzPos};
    const HorizontalState after = ScrollHorizontally(before, action, m_nCharWidth, thumb);
    if (after == before)
        return;
    m_nHorzOffset = after.offset;
    m_nHorzPos = after.position;
    SetScrollPos(SB_HORZ, m_nHorzPos);
    if (action == HorizontalScroll::Track || m_nHorzOffset == 0)
        InvalidateRect(m_hWnd, nullptr, FALSE); // the margin comes back whole
    else
        ScrollWindowEx(m_hWnd, m_nHorzOffset - before.offset, 0, nullptr, nullptr, nullptr, nullptr,
                       SW_INVALIDATE);
}

void CMarlView::OnHScroll(int code, int thumb)
{
    ScrollHorizontal(code, thumb);
    UpdateCaret();
    UpdateWindow(m_hWnd);
}

// ---- Placing the caret from elsewhere ---------------------------------------------

void CMarlView::SetCaret(TextPos pos)
{
    MarlDocCore& text = Text();
    pos = std::min(pos, text.GetLength());
    m_pos.caretLine += text.CountLines(m_pos.caret, pos);
    m_pos.caret = pos;
    m_nCaretColumn = text.ColumnOfPos(pos);
    UpdateCaret();
    BringCaretIntoView();
    MakeVisible(pos);
}

void CMarlView::SetSelection(TextPos start, TextPos end)
{
    if (HasSelection())
        InvalidateRange(m_pos.selStart, m_pos.selEnd);
    m_pos.selStart = start;
    m_pos.selEnd = end;
    if (HasSelection())
        InvalidateRange(start, end);
}
