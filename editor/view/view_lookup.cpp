// The view's side of Outline (Ctrl+W) and help on the word at the caret
// (F1).  Until the outliner and help-file code are part of the editor, the
// commands say so in the status bar rather than doing nothing silently.
#include "editor/view/marl_view.h"

#include "editor/doc/marl_doc.h"
#include "framework/application.h"
#include "framework/frame_wnd.h"

namespace {

// Longer selections are not taken for a word to look up.
constexpr TextPos kLongestHelpWord = 200;

void ShowStatus(const std::string& text)
{
    fw::Application* app = fw::Application::Current();
    auto* frame =
        app ? dynamic_cast<fw::FrameWnd*>(fw::Window::FromHandle(app->GetMainWnd())) : nullptr;
    if (frame)
        frame->SetMessageText(text);
}

} // namespace

void CMarlView::OnOutline()
{
    ShowStatus("The outline is not available yet");
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
    ShowStatus("Help on '" + word + "' is not available yet");
}
