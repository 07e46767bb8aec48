// The view's side of Outline (Ctrl+W) and help on the word at the caret
// (F1): the word and the view go to the program's lookups.
#include "editor/view/view_lookup.h"

#include "editor/doc/marl_doc.h"
#include "editor/view/marl_view.h"
#include "framework/application.h"

namespace {

// Longer selections are not taken for a word to look up.
constexpr TextPos kLongestHelpWord = 200;

ViewLookupOwner* Owner()
{
    return dynamic_cast<ViewLookupOwner*>(fw::Application::Current());
}

} // namespace

void CMarlView::OnOutline()
{
    if (ViewLookupOwner* owner = Owner())
        owner->ShowOutline(*this);
}

void CMarlView::CloseOutline()
{
    // The window's code lives in the library: it goes first.
    if (m_hOutlineWnd && IsWindow(m_hOutlineWnd)) {
        SendMessageA(m_hOutlineWnd, WM_CLOSE, 0, 0);
        if (IsWindow(m_hOutlineWnd))
            DestroyWindow(m_hOutlineWnd);
    }
    m_hOutlineWnd = nullptr;
    m_hOutliner.reset();
}

void CMarlView::OnHelpOnWord()
{
    MarlDocCore& text = Text();
    TextPos start = m_pos.selStart;
    TextPos end = m_pos.selEnd;
    if (HasSelection()) {
        if (end - start > kLongestHelpWord)
            return;
    } else {
        CMarlDoc::TextLock lock(*GetDocument());
        text.WordBounds(m_pos.caret, start, end);
        if (start == kNoPos)
            return;
        ++end; // the last letter, inclusive
    }
    std::string word;
    text.GetText(start, end, word);
    if (ViewLookupOwner* owner = Owner())
        owner->ShowHelpForWord(word, GetDocument()->GetPathName());
}
