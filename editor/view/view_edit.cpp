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

void CMarlView::FollowOwnBookmarks(const ChangeNotice& notice)
{
    for (TextPos& mark : m_pos.bookmarks) {
        if (mark == kNoPos)
            continue;
        if (notice.delta < 0 && mark >= notice.position &&
            static_cast<std::int64_t>(mark) <
                static_cast<std::int64_t>(notice.position) - notice.delta) {
            mark = kNoPos;
            continue;
        }
        FollowChange(mark, notice, false);
    }
}

void CMarlView::OnChar(unsigned char ch)
{
    if (!GetDocument() || IsReadOnly())
        return;
    TypeChar(ch);
}

void CMarlView::DeleteSelection()
{
    MarlDocCore& text = Text();
    const TextPos start = m_pos.selStart;
    const TextPos length = m_pos.selEnd - m_pos.selStart;
    const TextPos caret = m_pos.caret;
    // The caret line falls by the line feeds between the start and the caret.
    const int linesBeforeCaret =
        caret > start ? text.CountLines(start, std::min(caret, m_pos.selEnd)) : 0;
    const int removed = text.DeleteBlock(start, length, static_cast<int>(m_pos.caretLine),
                                         caret == start || caret == m_pos.selEnd ? caret : kNoPos);
    m_comments.TextChanged(start, -static_cast<std::int64_t>(length));
    ChangeNotice notice{start, -static_cast<std::int32_t>(length), -removed};
    FollowOwnBookmarks(notice);
    m_pos.caret = start;
    m_pos.caretLine -= linesBeforeCaret;
    if (m_pos.caret < m_pos.top) {
        const TextPos top = text.LineStart(m_pos.caret);
        SetTopLine(top, text.CountLines(0, top));
    }
    m_pos.selStart = m_pos.selEnd = kNoPos;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    InvalidateRect(m_hWnd, nullptr, FALSE);
    NotifyOthers(start, -static_cast<long>(length), -removed);
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
    const int linesBefore = text.GetLineCount();
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
    const int lineDelta = text.GetLineCount() - linesBefore;
    m_comments.TextChanged(at, inserted);

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
    ChangeNotice notice{at, inserted, lineDelta};
    FollowOwnBookmarks(notice);
    NotifyOthers(at, inserted, lineDelta);
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
    if (IsReadOnly())
        return;
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
    m_comments.TextChanged(at, -1);
    const int lineDelta = deleted == '\n' ? -1 : 0;
    FollowOwnBookmarks(ChangeNotice{at, -1, lineDelta});
    RepaintAfterDelete(deleted);
    m_nCaretColumn = text.ColumnOfPos(at);
    UpdateCaret();
    NotifyOthers(at, -1, lineDelta);
}

void CMarlView::OnDeleteBack()
{
    if (IsReadOnly() || m_pos.caret == 0)
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
    m_comments.TextChanged(at, -1);
    const int lineDelta = deleted == '\n' ? -1 : 0;
    FollowOwnBookmarks(ChangeNotice{at, -1, lineDelta});
    m_nCaretColumn = text.ColumnOfPos(at);
    UpdateCaret();
    RepaintAfterDelete(deleted);
    NotifyOthers(at, -1, lineDelta);
}

void CMarlView::OnDeleteLine()
{
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    BringCaretIntoView();
    const TextPos start = text.LineStart(m_pos.caret);
    const bool lastLine = text.LineEnd(start) == text.GetLength();
    // The last line takes the line feed before it along.
    const TextPos removedAt = lastLine && start > 0 ? start - 1 : start;
    m_pos.caret = start;
    const int linesBefore = text.GetLineCount();
    const TextPos removed = text.DeleteLine(start, static_cast<int>(m_pos.caretLine));
    const int lineDelta = text.GetLineCount() - linesBefore;
    m_comments.TextChanged(removedAt, -static_cast<std::int64_t>(removed));
    FollowOwnBookmarks(ChangeNotice{removedAt, -static_cast<std::int32_t>(removed), lineDelta});
    if (m_pos.caret >= text.GetLength() && m_pos.caretLine > 1 && lastLine) {
        m_pos.caret = text.LineStart(text.GetLength());
        m_pos.caretLine = std::max<long>(1, m_pos.caretLine - 1);
    } else if (m_pos.caret > text.GetLength()) {
        m_pos.caret = text.GetLength();
    }
    if (m_pos.caret < m_pos.top) {
        const TextPos top = text.LineStart(m_pos.caret);
        SetTopLine(top, m_pos.caretLine - 1);
    }
    m_nCaretColumn = 1;
    m_pos.selStart = m_pos.selEnd = kNoPos;
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
    NotifyOthers(removedAt, -static_cast<long>(removed), lineDelta);
}

void CMarlView::OnToggleOverwrite()
{
    m_bOverwrite = !m_bOverwrite;
}

void CMarlView::ForgetCommentStateOfAllViews()
{
    // A replayed indentation touches many lines at once: walk again.
    for (fw::View* view : GetDocument()->GetViews())
        if (auto* marl = dynamic_cast<CMarlView*>(view))
            marl->m_comments.Reset();
}

void CMarlView::OnUndo()
{
    // Undo changes the text too: a read-only document keeps it.
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    int line = static_cast<int>(m_pos.caretLine);
    const int linesBefore = text.GetLineCount();
    const TextPos pos = text.Undo(line);
    if (pos == kNoPos)
        return;
    AfterReplay(pos, line);
    NotifyOthers(pos, text.GetChangeDelta(), text.GetLineCount() - linesBefore);
    ForgetCommentStateOfAllViews();
}

void CMarlView::OnRedo()
{
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    int line = static_cast<int>(m_pos.caretLine);
    const int linesBefore = text.GetLineCount();
    const TextPos pos = text.Redo(line);
    if (pos == kNoPos)
        return;
    AfterReplay(pos, line);
    NotifyOthers(pos, text.GetChangeDelta(), text.GetLineCount() - linesBefore);
    ForgetCommentStateOfAllViews();
}

void CMarlView::AfterReplay(TextPos pos, int line)
{
    MarlDocCore& text = Text();
    const TextPos length = text.GetLength();
    // A redo after other edits may name a place past the end.
    pos = std::min(pos, length);
    const ChangeNotice notice{pos, static_cast<std::int32_t>(text.GetChangeDelta()), 0};
    FollowOwnBookmarks(notice);
    if (pos < m_pos.top || m_pos.top > length) {
        const TextPos top = text.LineStart(std::min(m_pos.top, pos));
        SetTopLine(top, text.CountLines(0, top));
    } else {
        m_nTopLine = text.CountLines(0, m_pos.top);
    }
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
