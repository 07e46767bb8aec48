#include "editor/automation/edit_workset_dialog.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "editor/automation/launch_commands.h"
#include "editor/automation/workset_dialogs.h"
#include "editor/automation/workset_dir_lists.h"
#include "editor/automation/workset_file.h"
#include "editor/res/resource.h"

namespace {

std::string ListText(HWND list, int index)
{
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string WindowText(HWND window)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        items.push_back(ListText(list, i));
    return items;
}

} // namespace

bool ReadWorksetFile(const std::string& path, std::vector<std::string>& entries)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    entries = ParseWorksetText(bytes);
    return true;
}

bool WriteWorksetFile(const std::string& path, const std::vector<std::string>& entries)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    file << FormatWorksetText(entries);
    file.close();
    return !file.fail();
}

CEditWorksetDialog::CEditWorksetDialog(HWND owner, std::string workset,
                                       std::vector<fw::FileFilter> types)
    : fw::Dialog(IDD_EDIT_WORKSET, owner), m_strWorkset(std::move(workset)),
      m_types(std::move(types))
{
}

BOOL CEditWorksetDialog::OnInitDialog()
{
    m_strStartDirectory = CurrentDirectory();
    m_strDirectory = m_strStartDirectory;
    FillDriveList(GetItem(IDC_WS_DRIVES));
    ShowDirectory();
    SetWindowTextA(m_hWnd, m_strWorkset.empty() ? kUntitledWorkset : m_strWorkset.c_str());
    std::vector<std::string> entries;
    if (!m_strWorkset.empty())
        ReadWorksetFile(m_strWorkset, entries);
    for (const std::string& entry : entries)
        SendDlgItemMessageA(m_hWnd, IDC_WS_ENTRIES, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry.c_str()));
    HWND types = GetItem(IDC_WS_TYPES);
    for (const fw::FileFilter& type : m_types)
        SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(type.description.c_str()));
    SendMessageA(types, CB_SETCURSEL, 0, 0);
    ChooseType();
    return TRUE;
}

void CEditWorksetDialog::SetPattern(const std::string& pattern)
{
    m_bSettingPattern = true;
    SetItemText(IDC_WS_NAME, pattern);
    m_bSettingPattern = false;
    m_bPatternChanged = false;
}

void CEditWorksetDialog::ShowDirectory()
{
    SetItemText(IDC_WS_DIR_TEXT, m_strDirectory);
    FillDirectoryTree(GetItem(IDC_WS_DIRS), m_strDirectory);
}

void CEditWorksetDialog::FillFiles()
{
    HWND files = GetItem(IDC_WS_FILES);
    SendMessageA(files, WM_SETREDRAW, FALSE, 0);
    SendMessageA(files, LB_RESETCONTENT, 0, 0);
    std::string base = m_strDirectory;
    if (base.empty() || base.back() != '\\')
        base += '\\';
    for (const std::string& wildcard : SplitWorksetPatterns(GetItemText(IDC_WS_NAME))) {
        for (const std::string& name : FindNames(base + wildcard, false)) {
            if (SendMessageA(files, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(name.c_str())) == LB_ERR)
                SendMessageA(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
    }
    SendMessageA(files, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(files, nullptr, TRUE);
}

void CEditWorksetDialog::ChooseType()
{
    const LRESULT index = SendDlgItemMessageA(m_hWnd, IDC_WS_TYPES, CB_GETCURSEL, 0, 0);
    if (index >= 0 && static_cast<size_t>(index) < m_types.size())
        SetPattern(m_types[static_cast<size_t>(index)].mask);
    FillFiles();
}

void CEditWorksetDialog::OpenDirectory()
{
    HWND tree = GetItem(IDC_WS_DIRS);
    const int index = static_cast<int>(SendMessageA(tree, LB_GETCURSEL, 0, 0));
    const std::string target = DirectoryOfItem(tree, m_strDirectory, index);
    if (target.empty() || !SetCurrentDirectoryA(target.c_str()))
        return;
    m_strDirectory = CurrentDirectory();
    ShowDirectory();
    FillFiles();
}

void CEditWorksetDialog::ChooseDrive()
{
    HWND drives = GetItem(IDC_WS_DRIVES);
    const char letter =
        DriveOfItem(drives, static_cast<int>(SendMessageA(drives, CB_GETCURSEL, 0, 0)));
    const std::string drive{letter, ':'};
    if (!letter || !SetCurrentDirectoryA(drive.c_str())) {
        // Unreadable: back to the drive we are on.
        FillDriveList(drives);
        return;
    }
    m_strDirectory = CurrentDirectory();
    ShowDirectory();
    FillFiles();
}

void CEditWorksetDialog::AddFile(int index)
{
    if (index < 0)
        return;
    HWND entries = GetItem(IDC_WS_ENTRIES);
    const std::string entry =
        WorksetEntryPath(m_strDirectory, ListText(GetItem(IDC_WS_FILES), index));
    LRESULT at = SendMessageA(entries, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(entry.c_str()));
    // The search ignores case; the rule is exactly the same text.
    if (at == LB_ERR || ListText(entries, static_cast<int>(at)) != entry)
        at = SendMessageA(entries, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(entries, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

void CEditWorksetDialog::AddAllFiles()
{
    const LRESULT count = SendDlgItemMessageA(m_hWnd, IDC_WS_FILES, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
        AddFile(i);
}

void CEditWorksetDialog::DeleteEntry()
{
    HWND entries = GetItem(IDC_WS_ENTRIES);
    const LRESULT selected = SendMessageA(entries, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR)
        SendMessageA(entries, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
}

bool CEditWorksetDialog::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_WS_NAME:
        if (code == EN_CHANGE && !m_bSettingPattern)
            m_bPatternChanged = true;
        return code == EN_CHANGE;
    case IDC_WS_TYPES:
        if (code == CBN_SELCHANGE)
            ChooseType();
        return true;
    case IDC_WS_DRIVES:
        if (code == CBN_SELCHANGE)
            ChooseDrive();
        return true;
    case IDC_WS_DIRS:
        if (code == LBN_DBLCLK)
            OpenDirectory();
        return true;
    case IDC_WS_FILES:
        if (code == LBN_DBLCLK)
            AddFile(static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
        return true;
    case IDC_WS_ADD:
        AddFile(static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_WS_FILES, LB_GETCURSEL, 0, 0)));
        return true;
    case IDC_WS_ADD_ALL:
        AddAllFiles();
        return true;
    case IDC_WS_DELETE:
        DeleteEntry();
        return true;
    default:
        return false;
    }
}

void CEditWorksetDialog::OnOK()
{
    if (m_bPatternChanged) {
        // Enter after typing a pattern lists its files; the next one saves.
        FillFiles();
        SendDlgItemMessageA(m_hWnd, IDC_WS_NAME, EM_SETSEL, 0, -1);
        m_bPatternChanged = false;
        return;
    }
    Save();
    Close(IDOK);
}

void CEditWorksetDialog::OnCancel()
{
    Close(IDCANCEL);
}

void CEditWorksetDialog::Save()
{
    std::string name = WindowText(m_hWnd);
    if (!name.empty() && name.front() == '[') {
        std::optional<std::string> chosen = ChooseWorksetSaveName(m_hWnd);
        if (!chosen)
            return;
        name = *chosen;
    }
    name = WorksetSaveName(name);
    m_strWorkset = name;
    m_bSaved = true;
    if (!WriteWorksetFile(name, ListItems(GetItem(IDC_WS_ENTRIES))))
        ShowWorksetError(m_hWnd, "Cannot open file", 0);
}

void CEditWorksetDialog::Close(INT_PTR result)
{
    if (!m_strStartDirectory.empty())
        SetCurrentDirectoryA(m_strStartDirectory.c_str());
    EndDialog(result);
}

INT_PTR CEditWorksetDialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID == IDC_WS_DIRS || item.CtlID == IDC_WS_DRIVES) {
            DrawDirListItem(item, item.CtlID == IDC_WS_DRIVES);
            return TRUE;
        }
    }
    return fw::Dialog::DialogProc(msg, wParam, lParam);
}
