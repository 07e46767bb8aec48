#include "setup/wizard_pages.h"

#include "framework/handles.h"
#include "resource.h"
#include "setup/install_paths.h"
#include "setup/page_texts.h"

namespace {

// Where the picture sits on every page, in pixels.
constexpr int kPictureLeft = 20;
constexpr int kPictureTop = 20;

// The radio buttons of the Setup Type page, in the order of SetupKind.
constexpr SetupKind kKinds[] = {SetupKind::Typical, SetupKind::Compact, SetupKind::Custom};

} // namespace

PageResult PageResultOf(INT_PTR dialogResult)
{
    if (dialogResult == IDOK)
        return PageResult::Next;
    return dialogResult == IDC_BACK ? PageResult::Back : PageResult::Cancel;
}

CSetupPage::CSetupPage(UINT templateId, HWND owner, HBITMAP picture)
    : fw::Dialog(templateId, owner), m_picture(picture)
{
}

PageResult CSetupPage::Run()
{
    return PageResultOf(DoModal());
}

BOOL CSetupPage::OnInitDialog()
{
    fw::Dialog::OnInitDialog();
    GotoItem(IDOK);
    return FALSE;
}

INT_PTR CSetupPage::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        PaintPicture();
        return TRUE;
    }
    return fw::Dialog::DialogProc(msg, wParam, lParam);
}

bool CSetupPage::OnCommand(int id, int code, HWND)
{
    if (id == IDC_BACK && code == BN_CLICKED) {
        EndDialog(IDC_BACK);
        return true;
    }
    return false;
}

void CSetupPage::PaintPicture()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    BITMAP info{};
    if (m_picture && GetObjectA(m_picture, sizeof info, &info)) {
        fw::OwnedDC memory = fw::CreateMemoryDC(dc);
        HGDIOBJ old = SelectObject(memory.get(), m_picture);
        BitBlt(dc, kPictureLeft, kPictureTop, info.bmWidth, info.bmHeight, memory.get(), 0, 0,
               SRCCOPY);
        SelectObject(memory.get(), old);
    }
    EndPaint(m_hWnd, &ps);
}

CWelcomePage::CWelcomePage(HWND owner, HBITMAP picture, const InstallModel& model)
    : CSetupPage(IDD_WELCOME, owner, picture), m_model(model)
{
}

BOOL CWelcomePage::OnInitDialog()
{
    SetItemText(IDC_PAGE_TEXT, WelcomeText(m_model.m_strTitle));
    EnableItem(IDC_BACK, false);
    return CSetupPage::OnInitDialog();
}

CDestinationPage::CDestinationPage(HWND owner, HBITMAP picture, InstallModel& model)
    : CSetupPage(IDD_DESTINATION, owner, picture), m_model(model)
{
}

BOOL CDestinationPage::OnInitDialog()
{
    SetItemText(IDC_PAGE_TEXT, DestinationText(m_model.m_strTitle));
    SetItemText(IDC_PAGE_TEXT2, NotInstallingText(m_model.m_strTitle));
    SetItemText(IDC_DESTINATION_DIR, m_model.m_strInstallDir);
    return CSetupPage::OnInitDialog();
}

bool CDestinationPage::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_CHANGE && code == BN_CLICKED) {
        OnChange();
        return true;
    }
    return CSetupPage::OnCommand(id, code, control);
}

void CDestinationPage::OnChange()
{
    CChangeDirDialog change(m_hWnd, m_model.m_strInstallDir);
    if (change.DoModal() != IDOK)
        return;
    m_model.m_strInstallDir = change.Directory();
    SetItemText(IDC_DESTINATION_DIR, m_model.m_strInstallDir);
}

CSetupTypePage::CSetupTypePage(HWND owner, HBITMAP picture, const InstallModel& model)
    : CSetupPage(IDD_SETUPTYPE, owner, picture), m_model(model)
{
}

void CSetupTypePage::DoDataExchange(fw::DataExchange& dx)
{
    int index = 0;
    for (int i = 0; i < 3; ++i)
        if (kKinds[i] == m_kind)
            index = i;
    dx.Radio(IDC_TYPICAL, index);
    if (dx.IsSaving() && index >= 0 && index < 3)
        m_kind = kKinds[index];
    if (!dx.IsSaving())
        SetItemText(IDC_DESTINATION_DIR, m_model.m_strInstallDir);
}

CComponentsPage::CComponentsPage(HWND owner, HBITMAP picture, const InstallModel& model)
    : CSetupPage(IDD_COMPONENTS, owner, picture), m_model(model)
{
}

BOOL CComponentsPage::OnInitDialog()
{
    for (int k = 1; k <= kPageComponents; ++k) {
        const int id = IDC_COMPONENT1 + k - 1;
        SetItemText(id, ComponentCaption(m_model, k));
        ShowItem(id, ComponentBoxShown(m_model, k));
    }
    return CSetupPage::OnInitDialog();
}

void CComponentsPage::DoDataExchange(fw::DataExchange& dx)
{
    for (int k = 1; k <= kPageComponents; ++k) {
        bool checked = m_checked[static_cast<std::size_t>(k - 1)];
        dx.Check(IDC_COMPONENT1 + k - 1, checked);
        m_checked[static_cast<std::size_t>(k - 1)] = checked;
    }
}

CChangeDirDialog::CChangeDirDialog(HWND owner, std::string directory)
    : fw::Dialog(IDD_CHANGE_DIR, owner), m_directory(std::move(directory))
{
}

void CChangeDirDialog::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_NEW_DIR, m_directory, static_cast<int>(kMaxPathLength));
}
