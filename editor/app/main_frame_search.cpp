// The main frame's side of the search history: the editor windows record
// into the toolbar's list and repeat from it; choosing an entry puts it on
// top and hands the keyboard back to the text.
#include "editor/app/main_frame.h"
#include "editor/view/search_history.h"
#include "framework/view.h"
#include "editor/res/resource.h"

void CMainFrame::StartSearchHistory()
{
    m_history = std::make_unique<SearchHistory>(m_searchBox, m_nHistoryCount);
    SearchHistory::Set(m_history.get());
}

void CMainFrame::StopSearchHistory()
{
    if (SearchHistory::Get() == m_history.get())
        SearchHistory::Set(nullptr);
    m_history.reset();
}

void CMainFrame::OnUpdateSearchHistory(fw::CmdUI& ui)
{
    ui.Enable(m_nHistoryCount != 0);
}

bool CMainFrame::OnControlNotify(UINT id, UINT code, HWND control)
{
    if (id != IDC_SEARCH_HISTORY || code != CBN_SELCHANGE || !m_history)
        return fw::MDIFrameWnd::OnControlNotify(id, code, control);
    m_history->MoveSelectedToTop();
    if (fw::FrameWnd* frame = GetActiveFrame())
        if (fw::View* view = frame->GetActiveView())
            SetFocus(view->GetHwnd());
    return true;
}
