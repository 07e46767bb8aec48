#include "editor/view/view_search.h"

#include "editor/doc/doc_search.h"
#include "editor/doc/marl_doc.h"
#include "editor/doc/win32_doc_services.h"
#include "editor/search/pattern_search.h"
#include "editor/view/find_regex_dialog.h"
#include "editor/view/marl_view.h"
#include "editor/view/search_history.h"
#include "framework/application.h"
#include "resource.h"

#include <algorithm>

namespace {

void ShowNotFound(const char* lead, const std::string& s)
{
    std::string text = lead + s + "'";
    UINT type = MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL;
    if (fw::Application* app = fw::Application::Current())
        app->DoMessageBox(text, type, 0);
    else
        MessageBoxA(nullptr, text.c_str(), nullptr, type);
}

int OptionsOf(const CFindRegexDialog& dialog)
{
    return (dialog.SearchDown() ? kSearchDown : kSearchUp) |
           (dialog.WholeWord() ? kSearchWholeWord : 0) |
           (dialog.MatchCase() ? kSearchMatchCase : 0) |
           (dialog.m_bRegularExpression ? kSearchRegex : 0);
}

class WaitCursor {
public:
    WaitCursor() : m_old(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_old); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_old;
};

} // namespace

void ViewSearch::OnViewDestroyed()
{
    if (CFindRegexDialog::Owner() == &m_view)
        CFindRegexDialog::Close();
}

bool ViewSearch::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<ViewSearch> map{
        {ID_EDIT_FIND, &ViewSearch::OnSearch},
        {ID_EDIT_REPLACE, &ViewSearch::OnReplace},
        {ID_FIND_NEXT, &ViewSearch::OnFindNextCommand},
        {ID_FIND_NEXT, &ViewSearch::OnUpdateFindNext},
    };
    return map.Dispatch(*this, id, code, ui);
}

void ViewSearch::OnSearch()
{
    OpenDialog(false);
}

void ViewSearch::OnReplace()
{
    OpenDialog(true);
}

void ViewSearch::OpenDialog(bool replace)
{
    m_lastFound = kNoPos;
    std::string selected;
    if (m_view.HasSelection())
        m_view.Text().GetText(m_view.GetSelStart(), m_view.GetSelEnd(), selected);
    CFindRegexDialog::Open(m_view, replace, selected);
}

void ViewSearch::OnUpdateFindNext(fw::CmdUI& ui)
{
    SearchHistory* history = SearchHistory::Get();
    ui.Enable(history && history->Count() != 0);
}

void ViewSearch::OnFindNextCommand()
{
    SearchHistory* history = SearchHistory::Get();
    std::string s;
    int options = 0;
    if (history && history->Count() != 0 && history->Current(s, options))
        FindNext(s, options);
}

LRESULT ViewSearch::OnFindReplaceMessage(LPARAM lParam)
{
    auto* dialog = dynamic_cast<CFindRegexDialog*>(fw::FindReplaceDialog::FromNotify(lParam));
    if (!dialog || dialog != CFindRegexDialog::Current())
        return 0;
    if (dialog->IsTerminating()) {
        CFindRegexDialog::Close(false);
        return 0;
    }
    if (dialog->FindNext()) {
        const std::string s = dialog->FindWhat();
        const int options = OptionsOf(*dialog);
        if (m_lastFound == kNoPos)
            if (SearchHistory* history = SearchHistory::Get())
                history->Record(s, options);
        // The Find dialog has done its work once something is found.
        if (FindNext(s, options) && !CFindRegexDialog::IsReplaceMode())
            PostMessageA(dialog->GetHwnd(), WM_CLOSE, 0, 0);
    } else if (dialog->ReplaceCurrent()) {
        ReplaceSelection(*dialog);
    } else if (dialog->ReplaceAll()) {
        ReplaceEverything(*dialog);
    }
    return 0;
}

bool ViewSearch::FindNext(const std::string& s, int options)
{
    const bool down = (options & kSearchDown) != 0;
    const bool matchCase = (options & kSearchMatchCase) != 0;
    const bool regex = (options & kSearchRegex) != 0;
    CMarlDoc::TextLock lock(*m_view.GetDocument());
    MarlDocCore& text = m_view.Text();
    TextPos p = m_view.GetCaret();
    bool exhausted = false; // a repeated search up from the very start
    if (m_lastFound != kNoPos) {
        if (!down)
            exhausted = p-- == 0;
        else if (regex)
            p += m_view.HasSelection() ? m_view.GetSelEnd() - m_view.GetSelStart() : 0;
        else
            ++p;
    }
    TextPos q = kNoPos;
    if (!exhausted && regex) {
        Win32MessageSink sink;
        q = SearchPattern(text, p, s, !matchCase, down, sink);
        if (PatternError)
            return false;
        // An upward search must not report the match it stands on again.
        while (q == m_lastFound && q != kNoPos && p != 0)
            q = SearchPattern(text, --p, s, !matchCase, down, sink);
    } else if (!exhausted) {
        q = SearchText(text, p, s, matchCase, (options & kSearchWholeWord) != 0, down);
    }
    if (q == kNoPos)
        ShowNotFound(m_lastFound == kNoPos ? kCannotFind : kNoMoreOccurrences, s);
    m_lastFound = q;
    if (q == kNoPos)
        return false;
    const TextPos length = regex ? text.m_nLastMatchLength : static_cast<TextPos>(s.size());
    m_view.SetCaret(q);
    m_view.SetSelection(q, std::min(q + length, text.GetLength()));
    return true;
}

void ViewSearch::ReplaceSelection(CFindRegexDialog& dialog)
{
    CMarlDoc* doc = m_view.GetDocument();
    if (!m_view.HasSelection() || doc->Core().m_bReadOnly)
        return;
    const TextPos start = m_view.GetSelStart();
    const std::string replace = dialog.ReplaceWith();
    if (!doc->Core().ReplaceSpan(start, m_view.GetSelEnd(), replace,
                                 static_cast<int>(m_view.GetCaretLine())))
        return;
    AfterBulkChange(start + static_cast<TextPos>(replace.size()));
    // On to the next occurrence, as the dialog's own button would.
    SendMessageA(dialog.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.GetHwnd(), IDOK)));
}

void ViewSearch::ReplaceEverything(CFindRegexDialog& dialog)
{
    CMarlDoc* doc = m_view.GetDocument();
    if (doc->Core().m_bReadOnly)
        return;
    SearchFlags flags{dialog.MatchCase(), dialog.WholeWord(), dialog.SearchDown(),
                      dialog.m_bRegularExpression};
    TextPos last = kNoPos;
    {
        WaitCursor wait;
        Win32MessageSink sink;
        last = ReplaceAll(doc->Core(), dialog.FindWhat(), dialog.ReplaceWith(), flags, sink,
                          static_cast<int>(m_view.GetCaretLine()));
    }
    m_lastFound = last;
    if (last != kNoPos)
        AfterBulkChange(last);
}

void ViewSearch::AfterBulkChange(TextPos pos)
{
    CMarlDoc* doc = m_view.GetDocument();
    doc->SyncModified();
    doc->UpdateAllViews(nullptr, kHintRecount);
    m_view.SetCaret(pos);
}
