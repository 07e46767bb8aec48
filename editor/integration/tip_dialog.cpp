#include "editor/integration/tip_dialog.h"

#include <fstream>

#include "editor/integration/tips_reader.h"
#include "editor/res/resource.h"
#include "framework/application.h"

namespace {
constexpr char kSection[] = "Tips";
constexpr char kLastPos[] = "LastPos";
constexpr char kShow[] = "Show";
} // namespace

std::string ProgramTipsFile()
{
    const fw::Application* app = fw::Application::Current();
    return app ? TipsFilePath(app->GetHelpFile()) : std::string();
}

CTipDlg::CTipDlg(HWND owner, std::string tipsFile)
    : fw::Dialog(IDD_TIP, owner),
      m_tipsFile(tipsFile.empty() ? ProgramTipsFile() : std::move(tipsFile))
{
    ReadNextTip();
}

void CTipDlg::ReadNextTip()
{
    fw::Application* app = fw::Application::Current();
    if (!app)
        return;
    std::ifstream file(m_tipsFile, std::ios::binary);
    if (!file)
        return;
    const TipLine line = ReadTipAt(file, app->GetProfileInt(kSection, kLastPos, 0));
    m_strTip = line.text;
    app->WriteProfileInt(kSection, kLastPos, static_cast<int>(line.next));
}

BOOL CTipDlg::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    // An empty line at the position: open on the one after it.
    if (m_strTip.empty())
        OnCancel();
    // Enter closes, and the tip is not shown selected.
    GotoItem(IDOK);
    return FALSE;
}

void CTipDlg::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_TIP_TEXT, m_strTip);
    dx.Check(IDC_TIP_SHOW, m_bShow);
}

void CTipDlg::OnCancel()
{
    ReadNextTip();
    SetItemText(IDC_TIP_TEXT, m_strTip);
}

void CTipDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    // Turning the display back on is left to the profile: only "off" is written.
    if (!m_bShow) {
        if (fw::Application* app = fw::Application::Current())
            app->WriteProfileInt(kSection, kShow, 0);
    }
    EndDialog(IDOK);
}
