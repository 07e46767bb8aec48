#include "editor/integration/association_pages.h"

#include "editor/integration/help_lookup.h"
#include "framework/application.h"
#include "framework/common_dialogs.h"
#include "framework/controls.h"
#include "resource.h"

namespace {

void SelectText(const fw::ListBoxControl& list, const std::string& text)
{
    const int index = list.FindStringExact(text);
    list.SetCurSel(index == LB_ERR ? 0 : index);
}

std::string SelectedText(const fw::ListBoxControl& list)
{
    const int index = list.GetCurSel();
    return index == LB_ERR ? std::string() : list.GetItemText(index);
}

void FillExtensions(const fw::ListBoxControl& list, const std::vector<std::string>& keys)
{
    list.ResetContent();
    for (const std::string& key : keys)
        list.AddString(key);
    list.SetCurSel(0);
}

} // namespace

void CAddExtensionDlg::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_ADD_EXTENSION, m_strExtension);
    dx.Text(IDC_ADD_FILE, m_strFile);
}

CAddHelpfileDlg::CAddHelpfileDlg(HWND owner) : CAddExtensionDlg(IDD_ADD_HELPFILE, owner) {}

bool CAddHelpfileDlg::OnCommand(int id, int, HWND)
{
    if (id != IDC_ADD_BROWSE)
        return false;
    const std::string path = BrowseHelpFile(m_hWnd);
    if (!path.empty())
        SetItemText(IDC_ADD_FILE, path);
    return true;
}

CAddOutlinerDlg::CAddOutlinerDlg(HWND owner) : CAddExtensionDlg(IDD_ADD_OUTLINER, owner) {}

std::string BrowseHelpFile(HWND owner)
{
    fw::FileDialogOptions options;
    options.owner = owner;
    options.title = "Select Helpfile";
    options.filter = std::string("Helpfiles\0*.hlp\0\0", 18);
    options.extraFlags = OFN_NOCHANGEDIR;
    fw::FileDialogResult result = fw::ShowOpenDialog(options);
    return result ? result.paths.front() : std::string();
}

// ---- Helpfiles ---------------------------------------------------------------

CHelpfiles::CHelpfiles(ProfileSection& help) : fw::PropertyPage(IDD_HELPFILES), m_section(help) {}

BOOL CHelpfiles::OnInitDialog()
{
    FillExtensions(fw::ListBoxControl(GetItem(IDC_HELP_EXTENSIONS)), m_entries.Load(m_section));
    ShowFiles();
    return TRUE;
}

std::string CHelpfiles::SelectedExtension() const
{
    return SelectedText(fw::ListBoxControl(GetItem(IDC_HELP_EXTENSIONS)));
}

void CHelpfiles::ShowFiles()
{
    fw::ListBoxControl files(GetItem(IDC_HELP_FILES));
    files.ResetContent();
    if (auto value = m_entries.Value(SelectedExtension()))
        for (const std::string& file : SplitHelpFiles(*value))
            files.AddString(file);
}

bool CHelpfiles::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDC_HELP_EXTENSIONS:
        if (code == LBN_SELCHANGE)
            ShowFiles();
        return true;
    case IDC_HELP_NEW_EXTENSION:
        OnNewExtension();
        return true;
    case IDC_HELP_ADD_FILE:
        OnAddFile();
        return true;
    case IDC_HELP_DELETE_FILE:
        OnDeleteFile();
        return true;
    default:
        return false;
    }
}

bool CHelpfiles::AskNewExtension(std::string& extension, std::string& file)
{
    CAddHelpfileDlg dialog(GetSheet());
    if (dialog.DoModal() != IDOK)
        return false;
    extension = dialog.m_strExtension;
    file = dialog.m_strFile;
    return true;
}

void CHelpfiles::OnNewExtension()
{
    std::string extension;
    std::string file;
    if (!AskNewExtension(extension, file))
        return;
    extension = UpperExtension(extension);
    fw::ListBoxControl extensions(GetItem(IDC_HELP_EXTENSIONS));
    extensions.AddString(extension);
    SelectText(extensions, extension);
    m_entries.Add(extension, file);
    ShowFiles();
}

void CHelpfiles::OnAddFile()
{
    const std::string extension = SelectedExtension();
    if (extension.empty()) {
        if (fw::Application* app = fw::Application::Current())
            app->DoMessageBox(kSelectExtensionText, MB_ICONEXCLAMATION, 0);
        return;
    }
    const std::string path = ChooseHelpFile();
    if (path.empty())
        return;
    m_entries.Set(extension, WithHelpFile(m_entries.Value(extension).value_or(""), path));
    fw::ListBoxControl(GetItem(IDC_HELP_FILES)).AddString(path);
}

void CHelpfiles::OnDeleteFile()
{
    fw::ListBoxControl files(GetItem(IDC_HELP_FILES));
    const int index = files.GetCurSel();
    const std::string extension = SelectedExtension();
    if (index == LB_ERR || extension.empty())
        return; // nothing selected: nothing to delete
    const std::string file = files.GetItemText(index);
    files.DeleteString(index);
    m_entries.Set(extension, WithoutHelpFile(m_entries.Value(extension).value_or(""), file));
}

void CHelpfiles::OnApply()
{
    m_entries.Save(m_section);
}

// ---- Outliner ------------------------------------------------------------------

COutline::COutline(ProfileSection& outliners)
    : fw::PropertyPage(IDD_OUTLINER), m_section(outliners)
{
}

BOOL COutline::OnInitDialog()
{
    FillExtensions(fw::ListBoxControl(GetItem(IDC_OUTLINE_EXTENSIONS)), m_entries.Load(m_section));
    ShowLibrary();
    return TRUE;
}

std::string COutline::SelectedExtension() const
{
    return SelectedText(fw::ListBoxControl(GetItem(IDC_OUTLINE_EXTENSIONS)));
}

void COutline::ShowLibrary()
{
    m_bFilling = true;
    SetItemText(IDC_OUTLINE_DLL, m_entries.Value(SelectedExtension()).value_or(""));
    m_bFilling = false;
}

bool COutline::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDC_OUTLINE_EXTENSIONS:
        if (code == LBN_SELCHANGE)
            ShowLibrary();
        return true;
    case IDC_OUTLINE_DLL:
        // Typing replaces the selected extension's entry at once.
        if (code == EN_CHANGE && !m_bFilling) {
            const std::string extension = SelectedExtension();
            if (!extension.empty())
                m_entries.Set(extension, GetItemText(IDC_OUTLINE_DLL));
        }
        return true;
    case IDC_OUTLINE_ADD:
        OnAdd();
        return true;
    case IDC_OUTLINE_DELETE:
        OnDelete();
        return true;
    default:
        return false;
    }
}

bool COutline::AskNewExtension(std::string& extension, std::string& library)
{
    CAddOutlinerDlg dialog(GetSheet());
    if (dialog.DoModal() != IDOK)
        return false;
    extension = dialog.m_strExtension;
    library = dialog.m_strFile;
    return true;
}

void COutline::OnAdd()
{
    std::string extension;
    std::string library;
    if (!AskNewExtension(extension, library))
        return;
    extension = UpperExtension(extension);
    fw::ListBoxControl extensions(GetItem(IDC_OUTLINE_EXTENSIONS));
    extensions.AddString(extension);
    SelectText(extensions, extension);
    m_entries.Add(extension, library);
    ShowLibrary();
}

void COutline::OnDelete()
{
    fw::ListBoxControl extensions(GetItem(IDC_OUTLINE_EXTENSIONS));
    const int index = extensions.GetCurSel();
    if (index == LB_ERR)
        return;
    m_entries.Remove(extensions.GetItemText(index));
    extensions.DeleteString(index);
    extensions.SetCurSel(index > 0 ? index - 1 : 0);
    ShowLibrary();
}

void COutline::OnApply()
{
    m_entries.Save(m_section);
}
