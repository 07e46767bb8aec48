#include "editor/app/find_in_files_dialog.h"

#include "editor/res/resource.h"

namespace {

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    return length < sizeof directory ? std::string(directory, length) : std::string();
}

std::string EnvironmentVariable(const char* name)
{
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0)
        return {};
    std::string value(size, '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), size));
    return value;
}

// The wait cursor for the length of a search.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

} // namespace

// Shows the file being searched; the search runs inside OK with no message
// loop, so the field is painted at once, but not more often than the
// dialog's interval.
class CFindInFilesDialog::SearchingField : public FindProgress {
public:
    explicit SearchingField(CFindInFilesDialog& dialog) : m_dialog(dialog)
    {
        m_dialog.m_nRepaints = 0;
    }
    void Searching(const std::string& path) override
    {
        const DWORD now = GetTickCount();
        if (m_dialog.m_nRepaints > 0 && now - m_lastPaint < m_dialog.m_nRepaintIntervalMs)
            return;
        m_lastPaint = now;
        ++m_dialog.m_nRepaints;
        m_dialog.SetItemText(IDC_FIF_SEARCHING, path);
        UpdateWindow(m_dialog.GetItem(IDC_FIF_SEARCHING));
    }

private:
    CFindInFilesDialog& m_dialog;
    DWORD m_lastPaint = 0;
};

CFindInFilesDialog::CFindInFilesDialog(HWND owner, FindFileSystem& fs, MessageSink& sink)
    : fw::Dialog(IDD_FIND_IN_FILES, owner), m_strDirectory(CurrentDirectory()),
      m_strCurrentDirectory(m_strDirectory), m_fs(fs), m_sink(sink)
{
}

void CFindInFilesDialog::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_FIF_SEARCH_FOR, m_strSearchFor);
    dx.Text(IDC_FIF_FILE_SPEC, m_strFileSpec);
    dx.Check(IDC_FIF_SOURCE, m_bSource);
    dx.Check(IDC_FIF_HEADER, m_bHeader);
    dx.Check(IDC_FIF_ALL, m_bAll);
    dx.Text(IDC_FIF_DIRECTORY, m_strDirectory);
    dx.Check(IDC_FIF_IGNORE_CASE, m_bIgnoreCase);
    dx.Check(IDC_FIF_REGEX, m_bRegularExpression);
}

bool CFindInFilesDialog::OnCommand(int id, int code, HWND control)
{
    if (code != BN_CLICKED)
        return fw::Dialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_FIF_ALL:
        OnAll();
        return true;
    case IDC_FIF_SOURCE:
    case IDC_FIF_HEADER:
        OnSourceOrHeader();
        return true;
    case IDC_FIF_CURRENT:
        SetItemText(IDC_FIF_DIRECTORY, m_strCurrentDirectory);
        return true;
    case IDC_FIF_INCLUDE:
        SetItemText(IDC_FIF_DIRECTORY, EnvironmentVariable("INCLUDE"));
        return true;
    default:
        return fw::Dialog::OnCommand(id, code, control);
    }
}

void CFindInFilesDialog::OnAll()
{
    UpdateData(true);
    m_bSource = m_bHeader = false;
    m_strFileSpec = "*.*";
    UpdateData(false);
}

void CFindInFilesDialog::OnSourceOrHeader()
{
    UpdateData(true);
    m_bAll = false;
    m_strFileSpec = m_bSource ? "*.c *.cpp" : "";
    if (m_bHeader)
        m_strFileSpec += " *.h";
    UpdateData(false);
}

void CFindInFilesDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    const FindRequest request{m_strSearchFor, m_strFileSpec, m_strDirectory, m_bIgnoreCase,
                              m_bRegularExpression};
    if (const char* problem = RequestProblem(request)) {
        m_sink.ShowMessage(problem, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    {
        WaitCursor wait;
        SearchingField field(*this);
        SearchResults.clear();
        FindInFiles(request, m_fs, m_sink, &field, SearchResults);
    }
    if (SearchResults.empty()) {
        m_sink.ShowMessage(kNoMatchesMessage, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // Only a field naming one existing directory becomes current: a list
    // of directories or a missing one leaves the current directory alone.
    if (std::optional<std::string> directory = FinalDirectory(m_strDirectory, m_fs))
        SetCurrentDirectoryA(directory->c_str());
    EndDialog(IDOK);
}
