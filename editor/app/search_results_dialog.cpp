#include "editor/app/search_results_dialog.h"

#include <algorithm>

#include "editor/doc/marl_doc.h"
#include "editor/res/resource.h"
#include "editor/search/find_in_files_win32.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/handles.h"
#include "framework/view.h"

CSearchResultsDialog::CSearchResultsDialog(HWND owner) : fw::Dialog(IDD_SEARCH_RESULTS, owner) {}

BOOL CSearchResultsDialog::OnInitDialog()
{
    // Taken over, so that the next search starts from an empty list.
    m_results = std::move(SearchResults);
    SearchResults.clear();
    HWND list = GetItem(IDC_RESULTS_LIST);
    LONG widest = 0;
    {
        // Long lines scroll sideways rather than being cut at the border.
        fw::ClientDC dc(list);
        fw::SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
        for (const SearchResult& result : m_results) {
            const std::string text = ResultListText(result);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SIZE size{};
            GetTextExtentPoint32A(dc.get(), text.c_str(),
                                  static_cast<int>(std::min<std::size_t>(text.size(), 4096)), &size);
            widest = std::max(widest, size.cx);
        }
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return TRUE;
}

const SearchResult* CSearchResultsDialog::Selected() const
{
    const LRESULT index = SendMessageA(GetItem(IDC_RESULTS_LIST), LB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= m_results.size())
        return nullptr;
    return &m_results[static_cast<std::size_t>(index)];
}

bool CSearchResultsDialog::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_RESULTS_LIST && code == LBN_DBLCLK) {
        Goto();
        return true;
    }
    if (id == IDC_RESULTS_TOUCH && code == BN_CLICKED) {
        Touch();
        return true;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

void CSearchResultsDialog::Goto()
{
    const SearchResult* result = Selected();
    if (!result)
        return;
    // Copied: opening a document may run messages that reach this window.
    const std::string path = result->fullPath.empty() ? result->path : result->fullPath;
    const long line = result->line;
    fw::Document* doc = fw::Application::Current()->OpenDocumentFile(path);
    if (!doc || doc->GetViews().empty())
        return;
    if (auto* marl = dynamic_cast<CMarlDoc*>(doc))
        marl->m_nStoredLine = line;
    // The layer's views take commands through the routing, not WM_COMMAND.
    doc->GetViews().front()->OnCmdMsg(ID_GOTO_STORED_LINE, fw::CmdCode::Execute, nullptr);
}

void CSearchResultsDialog::Touch()
{
    if (const SearchResult* result = Selected())
        TouchFile(result->fullPath.empty() ? result->path : result->fullPath);
}
