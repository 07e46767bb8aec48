// Copy, cut and paste in the clipboard form (CR LF, zero-terminated), and
// the keypad's line copy and cut.
#include "editor/view/marl_view.h"

#include "editor/doc/global_text_block.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/view_settings.h"
#include "framework/application.h"
#include "framework/handles.h"

#include <cstring>
#include <string>

namespace {

constexpr char kCannotOpenClipboard[] = "Cannot open clipboard";

void ReportClipboardBusy()
{
    if (fw::Application* app = fw::Application::Current())
        app->DoMessageBox(kCannotOpenClipboard, MB_OK | MB_ICONEXCLAMATION, 0);
    else
        MessageBoxA(nullptr, kCannotOpenClipboard, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The block as movable global memory the clipboard can own.
fw::GlobalMemory ToGlobal(std::unique_ptr<TextBlock> block)
{
    if (auto* global = dynamic_cast<GlobalTextBlock*>(block.get()))
        return fw::GlobalMemory(global->Release());
    fw::GlobalMemory copy = fw::GlobalMemory::Alloc(block->Size());
    if (copy) {
        BlockLock from(*block);
        fw::GlobalLockGuard<char> to(copy);
        if (to && from.Data())
            memcpy(to.get(), from.Data(), block->Size());
    }
    return copy;
}

} // namespace

bool CMarlView::CopySelection()
{
    fw::ClipboardSession clipboard(m_hWnd);
    if (!clipboard.IsOpen()) {
        ReportClipboardBusy();
        return false;
    }
    clipboard.Empty();
    std::unique_ptr<TextBlock> block = Text().CopyBlock(m_pos.selStart, m_pos.selEnd);
    if (!block)
        return false; // reported by the document
    fw::GlobalMemory memory = ToGlobal(std::move(block));
    return clipboard.SetData(CF_TEXT, memory);
}

void CMarlView::OnCopy()
{
    if (HasSelection())
        CopySelection();
}

// Ctrl+B: the clipboard's text with the selection added behind it.
void CMarlView::OnAppendClipboard()
{
    if (!HasSelection())
        return;
    fw::ClipboardSession clipboard(m_hWnd);
    if (!clipboard.IsOpen()) {
        ReportClipboardBusy();
        return;
    }
    std::string joined;
    if (HANDLE old = clipboard.GetData(CF_TEXT)) {
        fw::GlobalLockGuard<const char> text(static_cast<HGLOBAL>(old));
        // Up to the closing zero, never past the block.
        if (text)
            joined.assign(text.get(), strnlen(text.get(), GlobalSize(old)));
    }
    std::unique_ptr<TextBlock> block = Text().CopyBlock(m_pos.selStart, m_pos.selEnd);
    if (!block)
        return; // reported by the document
    {
        BlockLock added(*block);
        if (added.Data())
            joined.append(added.Data(), strnlen(added.Data(), block->Size()));
    }
    fw::GlobalMemory memory = fw::GlobalMemory::Alloc(joined.size() + 1);
    {
        fw::GlobalLockGuard<char> to(memory);
        if (!to)
            return;
        memcpy(to.get(), joined.c_str(), joined.size() + 1);
    }
    clipboard.Empty();
    clipboard.SetData(CF_TEXT, memory);
}

void CMarlView::OnCut()
{
    if (!HasSelection() || !CopySelection())
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    DeleteSelection();
    ResetScrollRange();
    MakeVisible(m_pos.caret);
}

void CMarlView::OnPaste()
{
    fw::ClipboardSession clipboard(m_hWnd);
    if (!clipboard.IsOpen()) {
        ReportClipboardBusy();
        return;
    }
    HANDLE data = clipboard.GetData(CF_TEXT);
    if (!data)
        return;
    CMarlDoc::TextLock lock(*GetDocument());
    if (HasSelection())
        DeleteSelection();
    std::unique_ptr<GlobalTextBlock> block = GlobalTextBlock::Borrow(static_cast<HGLOBAL>(data));
    if (!block)
        return;
    MarlDocCore& text = Text();
    const TextPos at = m_pos.caret;
    const int linesBefore = text.GetLineCount();
    const TextPos inserted = text.InsertBlock(at, *block, static_cast<int>(m_pos.caretLine));
    // The notice left the caret in front of the text: it goes behind it.
    m_pos.caret = at + inserted;
    m_pos.caretLine += text.GetLineCount() - linesBefore;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateCaret();
    BringCaretIntoView();
    MakeVisible(m_pos.caret);
}

void CMarlView::SelectCaretLine()
{
    MarlDocCore& text = Text();
    m_pos.selStart = text.LineStart(m_pos.caret);
    const TextPos end = text.LineEnd(m_pos.caret);
    m_pos.selEnd = end < text.GetLength() ? end + 1 : end;
}

void CMarlView::OnLineCopy()
{
    if (!CurrentOptions().m_bBRIEFkeys) {
        OnChar('+');
        return;
    }
    SelectCaretLine();
    InvalidateRange(m_pos.selStart, m_pos.selEnd);
    OnCopy();
}

void CMarlView::OnLineCut()
{
    if (!CurrentOptions().m_bBRIEFkeys) {
        OnChar('-');
        return;
    }
    SelectCaretLine();
    // The caret at the selection's start, as the deletion expects it.
    m_pos.caret = m_pos.selStart;
    m_nCaretColumn = 1;
    OnCut();
}

void CMarlView::OnUpdateNeedsSelection(fw::CmdUI& ui)
{
    ui.Enable(HasSelection());
}

// The commands that change the text: a read-only document keeps it, and a
// disabled command never runs.
void CMarlView::OnUpdateNeedsWritable(fw::CmdUI& ui)
{
    ui.Enable(!IsReadOnly());
}

void CMarlView::OnUpdateCut(fw::CmdUI& ui)
{
    ui.Enable(HasSelection() && !IsReadOnly());
}

void CMarlView::OnUpdatePaste(fw::CmdUI& ui)
{
    // Asks for the format only: the clipboard is never opened on idle.
    ui.Enable(IsClipboardFormatAvailable(CF_TEXT) && !IsReadOnly());
}
