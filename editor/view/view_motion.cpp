// Caret motions and their selection-extending twins.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/marl_doc.h"
#include "editor/view/view_geometry.h"
#include "resource.h"

namespace {

// Positions compared as signed numbers: "none" (-1) lies before everything.
bool Before(TextPos a, TextPos b)
{
    const std::int64_t left = a == kNoPos ? std::int64_t{-1} : std::int64_t{a};
    const std::int64_t right = b == kNoPos ? std::int64_t{-1} : std::int64_t{b};
    return left < right;
}

UINT PlainMotionOf(UINT extendId)
{
    switch (extendId) {
    case ID_EXTEND_CHAR_RIGHT:
        return ID_CHAR_RIGHT;
    case ID_EXTEND_CHAR_LEFT:
        return ID_CHAR_LEFT;
    case ID_EXTEND_LINE_UP:
        return ID_LINE_UP;
    case ID_EXTEND_LINE_DOWN:
        return ID_LINE_DOWN;
    case ID_EXTEND_PAGE_DOWN:
        return ID_PAGE_DOWN;
    case ID_EXTEND_PAGE_UP:
        return ID_PAGE_UP;
    case ID_EXTEND_LINE_START:
        return ID_LINE_START;
    case ID_EXTEND_LINE_END:
        return ID_LINE_END;
    case ID_EXTEND_WORD_LEFT:
        return ID_WORD_LEFT;
    case ID_EXTEND_WORD_RIGHT:
        return ID_WORD_RIGHT;
    case ID_EXTEND_TEXT_START:
        return ID_TEXT_START;
    default:
        return ID_TEXT_END;
    }
}

bool IsForward(UINT motion)
{
    return motion == ID_CHAR_RIGHT || motion == ID_LINE_DOWN || motion == ID_LINE_END ||
           motion == ID_PAGE_DOWN || motion == ID_WORD_RIGHT || motion == ID_TEXT_END;
}

bool RepaintsWholeView(UINT motion)
{
    return motion == ID_PAGE_DOWN || motion == ID_PAGE_UP || motion == ID_TEXT_END ||
           motion == ID_TEXT_START;
}

} // namespace

void CMarlView::OnMotion(UINT id)
{
    Move(id);
}

void CMarlView::Move(UINT motion)
{
    MarlDocCore& text = Text();
    switch (motion) {
    case ID_CHAR_RIGHT:
        BringCaretIntoView();
        MoveRight();
        break;
    case ID_CHAR_LEFT:
        BringCaretIntoView();
        MoveLeft();
        break;
    case ID_LINE_UP:
        BringCaretIntoView();
        MoveVertically(-1);
        break;
    case ID_LINE_DOWN:
        BringCaretIntoView();
        MoveVertically(1);
        break;
    case ID_PAGE_DOWN:
        MovePage(true);
        break;
    case ID_PAGE_UP:
        MovePage(false);
        break;
    case ID_LINE_START:
        BringCaretIntoView();
        m_pos.caret = text.LineStart(m_pos.caret);
        m_nCaretColumn = 1;
        break;
    case ID_LINE_END:
        BringCaretIntoView();
        m_pos.caret = text.LineEnd(m_pos.caret);
        m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
        break;
    case ID_WORD_LEFT: {
        const TextPos to = text.WordLeft(m_pos.caret);
        m_pos.caretLine -= text.CountLines(to, m_pos.caret);
        m_pos.caret = to;
        m_nCaretColumn = text.ColumnOfPos(to);
        break;
    }
    case ID_WORD_RIGHT: {
        const TextPos to = text.WordRight(m_pos.caret);
        m_pos.caretLine += text.CountLines(m_pos.caret, to);
        m_pos.caret = to;
        m_nCaretColumn = text.ColumnOfPos(to);
        break;
    }
    case ID_TEXT_START:
        MoveTextStart();
        break;
    case ID_TEXT_END:
        MoveTextEnd();
        break;
    default:
        return;
    }
    FinishMotion();
}

void CMarlView::FinishMotion()
{
    MakeVisible(m_pos.caret);
    if (!m_bExtending && (m_pos.selStart != kNoPos || m_pos.selEnd != kNoPos)) {
        const bool had = HasSelection();
        m_pos.selStart = m_pos.selEnd = kNoPos;
        if (had)
            InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void CMarlView::MoveRight()
{
    MarlDocCore& text = Text();
    if (m_pos.caret >= text.GetLength())
        return;
    if (text.GetChar(m_pos.caret) == '\n')
        ++m_pos.caretLine;
    ++m_pos.caret;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
}

void CMarlView::MoveLeft()
{
    MarlDocCore& text = Text();
    if (m_pos.caret == 0)
        return;
    --m_pos.caret;
    if (text.GetChar(m_pos.caret) == '\n')
        --m_pos.caretLine;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
}

void CMarlView::MoveVertically(int lines)
{
    MarlDocCore& text = Text();
    if (lines < 0 && m_pos.caretLine <= 1)
        return;
    if (lines > 0 && m_pos.caretLine >= text.GetLineCount() + 1)
        return;
    TextPos pos = text.MoveLines(m_pos.caret, lines);
    m_nCaretColumn = text.PosOfColumn(pos, m_nCaretColumn);
    m_pos.caret = pos;
    m_pos.caretLine += lines;
}

void CMarlView::MovePage(bool down)
{
    MarlDocCore& text = Text();
    const int n = ClientRows();
    const long last = text.GetLineCount() + 1;
    if (down && m_pos.caretLine >= last)
        return;
    OnVScroll(down ? SB_PAGEDOWN : SB_PAGEUP, 0);
    TextPos pos = text.MoveLines(m_pos.caret, down ? n : -n);
    m_nCaretColumn = text.PosOfColumn(pos, m_nCaretColumn);
    m_pos.caret = pos;
    m_pos.caretLine =
        down ? std::min<long>(m_pos.caretLine + n, last) : std::max<long>(m_pos.caretLine - n, 1);
    // MoveLines stops at the last line: the line number follows the text.
    if (down && m_pos.caretLine == last)
        m_pos.caretLine = text.GetLineCount() + 1 - text.CountLines(m_pos.caret, text.GetLength());
}

void CMarlView::MoveTextStart()
{
    SetTopLine(0, 0);
    m_pos.caret = 0;
    m_pos.caretLine = 1;
    m_nCaretColumn = 1;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    SetScrollPos(SB_VERT, 0);
}

void CMarlView::MoveTextEnd()
{
    MarlDocCore& text = Text();
    const TextPos length = text.GetLength();
    ViewMetrics m;
    m.charWidth = m_nCharWidth;
    m.lineHeight = m_nLineHeight;
    const int rows = TextEndRows(m, m_client.bottom);
    const TextPos top = text.MoveLines(length, 1 - rows);
    SetTopLine(top, text.GetLineCount() - text.CountLines(top, length));
    m_pos.caret = length;
    m_pos.caretLine = text.GetLineCount() + 1;
    m_nCaretColumn = text.ColumnOfPos(length);
    InvalidateRect(m_hWnd, nullptr, FALSE);
    SetScrollPos(SB_VERT, static_cast<int>(ScrollPositionOf(m_nTopLine, m_nScrollScale)));
}

void CMarlView::OnExtend(UINT id)
{
    const UINT motion = PlainMotionOf(id);
    const TextPos old = m_pos.caret;
    const bool forward = IsForward(motion);
    if (!HasSelection()) {
        if (forward) {
            m_pos.selStart = old;
            m_pos.selEnd = kNoPos;
        } else {
            m_pos.selEnd = old;
            m_pos.selStart = kNoPos;
        }
    }
    m_bExtending = true;
    Move(motion);
    m_bExtending = false;
    const TextPos caret = m_pos.caret;
    if (forward) {
        if (caret != old || motion == ID_LINE_END) {
            // At the end already (Shift+End once more): the end stays, the
            // selection is not collapsed onto the caret.
            if (!Before(caret, m_pos.selEnd))
                m_pos.selEnd = caret;
            else
                m_pos.selStart = caret;
        }
    } else if (m_pos.selStart != kNoPos && Before(m_pos.selStart, caret)) {
        m_pos.selEnd = caret;
    } else {
        m_pos.selStart = caret;
    }
    if (RepaintsWholeView(motion))
        InvalidateRect(m_hWnd, nullptr, FALSE);
    else
        InvalidateRange(old, caret);
}
