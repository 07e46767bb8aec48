// The conversions of an editor window: case, numbers, character sets, tabs,
// reformat, capitalise, exchange and shift.  Each is one document edit (one
// undo step); afterwards every view of the document recounts its lines.
#include "editor/view/marl_view.h"

#include <algorithm>
#include <string>

#include "editor/doc/doc_conversions.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/reformat_dialog.h"
#include "resource.h"

bool CMarlView::HandleConvertCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CMarlView> map{
        {ID_CONVERT_UPPER, ID_CONVERT_OCTAL, &CMarlView::OnConvert},
        {ID_CONVERT_UPPER, ID_CONVERT_LOWER, &CMarlView::OnUpdateNeedsWritable},
        {ID_CONVERT_DECIMAL, ID_CONVERT_OCTAL, &CMarlView::OnUpdateNeedsWritableSelection},
        {ID_BLANKS_TO_TABS, ID_TABS_TO_BLANKS, &CMarlView::OnConvert},
        {ID_BLANKS_TO_TABS, ID_TABS_TO_BLANKS, &CMarlView::OnUpdateNeedsWritableSelection},
        {ID_ANSI_TO_OEM, ID_OEM_TO_ANSI, &CMarlView::OnConvert},
        {ID_ANSI_TO_OEM, ID_OEM_TO_ANSI, &CMarlView::OnUpdateNeedsWritableSelection},
        {ID_REFORMAT, &CMarlView::OnReformat},
        {ID_REFORMAT, &CMarlView::OnUpdateNeedsWritableSelection},
        {ID_SHIFT_LEFT, ID_SHIFT_RIGHT, &CMarlView::OnUpdateNeedsWritableSelection},
        {ID_CAPITALIZE_WORD, &CMarlView::OnCapitalize},
        {ID_TRANSPOSE_CHARS, &CMarlView::OnTranspose},
        {ID_SHIFT_LEFT, ID_SHIFT_RIGHT, &CMarlView::OnShift},
    };
    return map.Dispatch(*this, id, code, ui);
}

void CMarlView::OnUpdateNeedsWritableSelection(fw::CmdUI& ui)
{
    ui.Enable(HasSelection() && !IsReadOnly());
}

void CMarlView::OnConvert(UINT id)
{
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    const bool selected = HasSelection();
    const TextPos from = selected ? std::min(m_pos.selStart, m_pos.selEnd) : m_pos.caret;
    const TextPos to = selected ? std::max(m_pos.selStart, m_pos.selEnd) : m_pos.caret + 1;
    const int line = static_cast<int>(m_pos.caretLine);
    if (id == ID_CONVERT_UPPER || id == ID_CONVERT_LOWER) {
        DropBookmarksIn(from, to);
        if (text.ConvertCase(from, to, id == ID_CONVERT_UPPER, line))
            AfterConversion(from, to, 0, m_pos.caret, m_pos.selStart, m_pos.selEnd);
        return;
    }
    if (!selected)
        return;
    std::string bytes;
    text.GetText(from, to, bytes);
    switch (id) {
    case ID_CONVERT_DECIMAL:
    case ID_CONVERT_HEX:
    case ID_CONVERT_OCTAL: {
        const int radix = id == ID_CONVERT_DECIMAL ? 10 : id == ID_CONVERT_HEX ? 16 : 8;
        const std::string number = doc_convert::ConvertNumber(bytes, radix);
        if (number.empty())
            return;
        const TextPos end = from + static_cast<TextPos>(number.size());
        DropBookmarksIn(from, to);
        const int delta = text.ReplaceText(from, to, number, line);
        AfterConversion(from, to, delta, end, from, end);
        return;
    }
    case ID_ANSI_TO_OEM:
    case ID_OEM_TO_ANSI:
        if (id == ID_ANSI_TO_OEM)
            CharToOemBuffA(bytes.data(), bytes.data(), static_cast<DWORD>(bytes.size()));
        else
            OemToCharBuffA(bytes.data(), bytes.data(), static_cast<DWORD>(bytes.size()));
        DropBookmarksIn(from, to);
        if (text.OverwriteRange(from, bytes, line))
            AfterConversion(from, to, 0, m_pos.caret, m_pos.selStart, m_pos.selEnd);
        return;
    default: {
        DropBookmarksIn(text.LineStart(from), to);
        const int delta = id == ID_TABS_TO_BLANKS ? text.TabsToBlanks(from, to, line)
                                                  : text.BlanksToTabs(from, to, line);
        const TextPos end = static_cast<TextPos>(static_cast<long>(to) + delta);
        AfterConversion(text.LineStart(from), to, delta, from, from, end);
        return;
    }
    }
}

void CMarlView::OnReformat()
{
    if (IsReadOnly() || !HasSelection())
        return;
    CReformatDialog dialog(m_hWnd);
    if (dialog.DoModal() != IDOK)
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    const TextPos from = std::min(m_pos.selStart, m_pos.selEnd);
    const TextPos to = std::max(m_pos.selStart, m_pos.selEnd);
    const TextPos before = Text().GetLength();
    DropBookmarksIn(from, to);
    if (!Text().ReformatRange(from, to, dialog.m_nLineLength, dialog.m_bKeepBreaks,
                              static_cast<int>(m_pos.caretLine)))
        return;
    const long delta = static_cast<long>(Text().GetLength()) - static_cast<long>(before);
    AfterConversion(from, to, delta, from, kNoPos, kNoPos);
}

void CMarlView::OnCapitalize()
{
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    const bool selected = HasSelection();
    TextPos start = kNoPos;
    TextPos end = kNoPos;
    if (selected) {
        start = std::min(m_pos.selStart, m_pos.selEnd);
        end = std::max(m_pos.selStart, m_pos.selEnd) - 1;
    }
    const TextPos selStart = m_pos.selStart;
    const TextPos selEnd = m_pos.selEnd;
    Text().CapitalizeWord(m_pos.caret, start, end);
    if (start == kNoPos || end == kNoPos || end <= start)
        return;
    DropBookmarksIn(start, end);
    if (selected)
        AfterConversion(start, end, 0, m_pos.caret, selStart, selEnd);
    else
        AfterConversion(start, end, 0, m_pos.caret, start, end);
}

void CMarlView::OnTranspose()
{
    if (IsReadOnly())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    if (text.GetLength() < 2 || m_pos.caret > text.GetLength() - 2)
        return;
    DropBookmarksIn(m_pos.caret, m_pos.caret + 2);
    text.TransposeChars(m_pos.caret);
    AfterConversion(m_pos.caret, m_pos.caret + 2, 0, m_pos.caret, m_pos.selStart, m_pos.selEnd);
}

void CMarlView::OnShift(UINT id)
{
    if (IsReadOnly() || !HasSelection())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    const TextPos from = std::min(m_pos.selStart, m_pos.selEnd);
    const TextPos to = std::max(m_pos.selStart, m_pos.selEnd);
    const int line = static_cast<int>(m_pos.caretLine);
    // The caret at the selection's end moves with it; the other end, the
    // anchor, goes to the start of its line.
    const bool caretAtEnd = m_pos.caret == to;
    DropBookmarksIn(text.LineStart(from), to);
    const long delta = id == ID_SHIFT_RIGHT
                           ? static_cast<long>(text.IndentBlock(from, to, line))
                           : -static_cast<long>(text.UnindentBlock(from, to, line));
    if (delta == 0)
        return;
    const TextPos start = text.LineStart(from);
    const TextPos end = static_cast<TextPos>(static_cast<long>(to) + delta);
    const TextPos caret = caretAtEnd ? end : start;
    AfterConversion(start, to, delta, caret, start, end);
}

// Bookmarks inside [from, to) are dropped: called before an edit that
// changes the length (the document's notices would move them to its start)
// or after one that writes in place.
void CMarlView::DropBookmarksIn(TextPos from, TextPos to)
{
    for (TextPos& mark : m_pos.bookmarks)
        if (mark != kNoPos && mark >= from && mark < to)
            mark = kNoPos;
}

// [from, to) was converted (the document's notices moved what lies behind
// it): every view recounts, and this one gets its caret and selection.
void CMarlView::AfterConversion(TextPos from, TextPos to, long delta, TextPos caret,
                                TextPos selStart, TextPos selEnd)
{
    (void)from;
    (void)to;
    (void)delta;
    CMarlDoc* doc = GetDocument();
    doc->SyncModified();
    // One bulk notice: every view recounts its lines and repaints.
    doc->UpdateAllViews(nullptr, kHintRecount, nullptr);
    m_pos.caret = std::min(caret, Text().GetLength());
    RecountCaret();
    SetSelection(selStart, selEnd);
    UpdateCaret();
    BringCaretIntoView();
}
