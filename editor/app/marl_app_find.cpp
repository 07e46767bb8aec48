// Tools > Find in files: the dialog, then the results window.
#include "editor/app/marl_app.h"

#include "editor/app/find_in_files_dialog.h"
#include "editor/app/main_frame.h"
#include "editor/app/search_results_dialog.h"
#include "editor/base/win32_message_sink.h"
#include "editor/doc/marl_doc.h"
#include "editor/search/find_in_files_win32.h"
#include "editor/view/marl_view.h"

namespace {

// The active editor window's selection, up to its first line feed (the
// field holds one line).
std::string SelectedText(CMainFrame* frame)
{
    auto* view = frame ? dynamic_cast<CMarlView*>(frame->GetActiveView()) : nullptr;
    if (!view || !view->HasSelection())
        return {};
    std::string text;
    view->Text().GetText(view->GetSelStart(), view->GetSelEnd(), text);
    text.erase(std::min(text.find('\n'), text.size()));
    return text;
}

} // namespace

void CMarlApp::OnFindInFiles()
{
    Win32FindFileSystem disk;
    Win32MessageSink sink;
    CMainFrame* frame = GetMarlMainFrame();
    const HWND owner = frame ? frame->GetHwnd() : nullptr;
    CFindInFilesDialog dialog(owner, disk, sink);
    dialog.m_strSearchFor = SelectedText(frame);
    if (dialog.DoModal() != IDOK)
        return;
    // One results window: a new search replaces the earlier list, in the
    // place the user gave the earlier window.
    RECT place{};
    const bool hadPlace = m_pSearchResults && IsWindow(m_pSearchResults->GetHwnd()) &&
                          GetWindowRect(m_pSearchResults->GetHwnd(), &place);
    m_pSearchResults = std::make_unique<CSearchResultsDialog>(owner);
    if (!m_pSearchResults->Create())
        return;
    if (hadPlace)
        SetWindowPos(m_pSearchResults->GetHwnd(), nullptr, place.left, place.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    else
        m_pSearchResults->CenterWindow();
}
