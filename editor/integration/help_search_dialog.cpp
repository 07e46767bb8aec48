#include "editor/integration/help_search_dialog.h"

#include "framework/application.h"
#include "framework/controls.h"
#include "resource.h"

CHelpSearchDlg::CHelpSearchDlg(std::string word, std::vector<std::string> titles, HWND owner)
    : fw::Dialog(IDD_HELP_SEARCH, owner), m_word(std::move(word)), m_titles(std::move(titles))
{
}

BOOL CHelpSearchDlg::OnInitDialog()
{
    SetItemText(IDC_HELP_KEYWORD, m_word);
    fw::ListBoxControl list(GetItem(IDC_HELP_TITLES));
    for (const std::string& title : m_titles)
        list.AddString(title);
    list.SetCurSel(0);
    CenterWindow();
    // The titles take the keys: Up and Down choose, Enter opens.
    GotoItem(IDC_HELP_TITLES);
    return FALSE;
}

void CHelpSearchDlg::OnOK()
{
    m_nSelected = fw::ListBoxControl(GetItem(IDC_HELP_TITLES)).GetCurSel();
    EndDialog(IDOK);
}

bool CHelpSearchDlg::OnCommand(int id, int code, HWND)
{
    if (id == IDC_HELP_TITLES && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return false;
}

std::optional<std::size_t> DialogHelpChooser::Choose(const std::string& word,
                                                     const std::vector<std::string>& titles)
{
    fw::Application* app = fw::Application::Current();
    CHelpSearchDlg dialog(word, titles, app ? app->GetMainWnd() : nullptr);
    if (dialog.DoModal() != IDOK || dialog.m_nSelected < 0)
        return std::nullopt;
    return static_cast<std::size_t>(dialog.m_nSelected);
}
