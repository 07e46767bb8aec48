// Typing, deleting, undo and redo in a view.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/marl_doc.h"
#include "editor/view/view_settings.h"
#include "resource.h"

namespace {

bool IsCommentBoundary(unsigned char a, unsigned char b)
{
    return (a == '/' && b == '*') || (a == '*' && b == '/');
}

} // namespace

bool CMarlView::IsReadOnly() const
{
    return Text().m_bReadOnly;
}

void CMarlView::OnChar(unsigned char ch)
{
    if (!GetDocument() || IsReadOnly())
        return;
    TypeChar(ch);
}

// The document's notice takes the caret (at either end), the top and the
// bookmarks along; the caret then stands at the start.
void CMarlView::DeleteSelection()
{
    MarlDocCore& text = Text();
    const TextPos start = m_pos.selStart;
    const TextPos caret = m_pos.caret;
    text.DeleteBlock(start, m_pos.selEnd - start, static_cast<int>(m_pos.caretLine),
                     caret == start || caret == m_pos.selEnd ? caret : kNoPos);
    if (m_pos.caret < m_pos.top)
        SetTop(text.LineStart(m_pos.caret));
    m_pos.selStart = m_pos.selEnd = kNoPos;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMarlView::TypeChar(unsigned char ch)
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    if (ch == '\t' && HasSelection()) {
        ExecuteCommand(ID_SHIFT_RIGHT);
        return;
    }
    if (ch == 27)
        return;
    if (HasSelection() && (m_pos.caret == m_pos.selStart || m_pos.caret == m_pos.selEnd))
        DeleteSelection();
    BringCaretIntoView();
    if (m_bOemFont) {
        char converted[2] = {static_cast<char>(ch), 0};
        CharToOemBuffA(converted, converted, 1);
        ch = static_cast<unsigned char>(converted[0]);
    }
    if (ch == '\r')
        ch = '\n';

    const TextPos at = m_pos.caret;
    int inserted = 0; // bytes added to the text
    int advance = 0;  // bytes the caret moves
    const COptions& options = CurrentOptions();
    if (ch == '\t' && options.m_bUseBlanks) {
        const int t = std::max(1, static_cast<int>(options.m_nTabLength));
        const int rest = (m_nCaretColumn - 1) % t;
        const int blanks = rest == 0 ? t : t - rest;
        for (int i = 0; i < blanks; ++i)
            inserted += text.InsertChar(at + static_cast<TextPos>(i), ' ',
                                        static_cast<int>(m_pos.caretLine));
        advance = inserted;
    } else if (m_bOverwrite && at < text.GetLength() && text.GetChar(at) != '\n') {
        text.OverwriteChar(at, static_cast<char>(ch), static_cast<int>(m_pos.caretLine));
        advance = 1;
    } else {
        inserted =
            m_bOverwrite
                ? text.OverwriteChar(at, static_cast<char>(ch), static_cast<int>(m_pos.caretLine))
                : text.InsertChar(at, static_cast<char>(ch), static_cast<int>(m_pos.caretLine));
        advance = inserted;
    }
    // Repaint: the rows below move after a line feed.
    if (ch == '\n') {
        RECT below{0, std::max(0, RowOf(at)) * m_nLineHeight, m_client.right, m_client.bottom};
        InvalidateRect(m_hWnd, &below, FALSE);
    } else if (m_bColouring && IsCommentBoundary(m_lastTyped, ch)) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
    } else {
        RepaintRowsFrom(at, !m_bColouring);
    }
    m_lastTyped = ch;

    if (advance > 0 && text.GetChar(at) == '\n') {
        ++m_pos.caretLine;
        ResetScrollRange();
    }
    m_pos.caret = at + static_cast<TextPos>(advance);
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    MakeVisible(m_pos.caret);
    m_pos.selStart = m_pos.selEnd = kNoPos;
}

void CMarlView::RepaintAfterDelete(unsigned char deleted)
{
    if (deleted == '\n') {
        RECT below{0, std::max(0, RowOf(m_pos.caret)) * m_nLineHeight, m_client.right,
                   m_client.bottom};
        InvalidateRect(m_hWnd, &below, FALSE);
        ResetScrollRange();
    } else if (m_bColouring && (deleted == '/' || deleted == '*')) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
    } else {
        RepaintRowsFrom(m_pos.caret, true);
    }
}

void CMarlView::OnDeleteChar()
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    if (HasSelection()) {
        DeleteSelection();
        ResetScrollRange();
        UpdateCaret();
        return;
    }
    const TextPos at = m_pos.caret;
    if (at >= text.GetLength())
        return;
    BringCaretIntoView();
    const unsigned char deleted = text.DeleteChar(at, static_cast<int>(m_pos.caretLine));
    RepaintAfterDelete(deleted);
    m_nCaretColumn = text.ColumnOfPos(at);
    UpdateCaret();
}

void CMarlView::OnDeleteBack()
{
    if (m_pos.caret == 0)
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    if (m_pos.selStart != kNoPos || m_pos.selEnd != kNoPos) {
        m_pos.selStart = m_pos.selEnd = kNoPos;
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    BringCaretIntoView();
    --m_pos.caret;
    if (text.GetChar(m_pos.caret) == '\n')
        --m_pos.caretLine;
    MakeVisible(m_pos.caret);
    const TextPos at = m_pos.caret;
    const unsigned char deleted = text.DeleteChar(at, static_cast<int>(m_pos.caretLine));
    m_nCaretColumn = text.ColumnOfPos(at);
    UpdateCaret();
    RepaintAfterDelete(deleted);
}

void CMarlView::OnDeleteLine()
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    BringCaretIntoView();
    const TextPos start = text.LineStart(m_pos.caret);
    const bool lastLine = text.LineEnd(start) == text.GetLength();
    // The last line takes the line feed before it along, and the caret goes
    // to the start of the line above.  The caret waits where the removal
    // starts, so that the notice leaves it there.
    const bool joinsAbove = lastLine && start > 0;
    const long line = m_pos.caretLine;
    m_pos.caret = joinsAbove ? start - 1 : start;
    m_pos.caretLine = joinsAbove ? line - 1 : line;
    text.DeleteLine(start, static_cast<int>(line));
    if (joinsAbove)
        m_pos.caret = text.LineStart(text.GetLength());
    m_pos.caret = std::min(m_pos.caret, text.GetLength());
    if (m_pos.caret < m_pos.top)
        SetTopLine(text.LineStart(m_pos.caret), m_pos.caretLine - 1);
    m_nCaretColumn = 1;
    m_pos.selStart = m_pos.selEnd = kNoPos;
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
}

void CMarlView::OnToggleOverwrite()
{
    m_bOverwrite = !m_bOverwrite;
}

// Undo and Redo: the notices of the replayed record move every view's
// positions; this view's caret then goes to the start of the change.
void CMarlView::OnUndo()
{
    Replay(&MarlDocCore::Undo);
}

void CMarlView::OnRedo()
{
    Replay(&MarlDocCore::Redo);
}

void CMarlView::Replay(TextPos (MarlDocCore::*replay)(int& line))
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    int line = static_cast<int>(m_pos.caretLine);
    const TextPos pos = (text.*replay)(line);
    if (pos == kNoPos)
        return;
    if (pos < m_pos.top)
        SetTop(text.LineStart(pos));
    m_pos.caret = pos;
    m_pos.caretLine = line != -1 ? line : text.CountLines(0, pos) + 1;
    m_nCaretColumn = text.ColumnOfPos(pos);
    m_pos.selStart = m_pos.selEnd = kNoPos;
    UpdateCaret();
    BringCaretIntoView();
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
}
