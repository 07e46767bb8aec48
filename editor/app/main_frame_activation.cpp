// The main frame's timer and its answers to the application gaining and
// losing activation: automatic temporary copies, the working directory, Save
// on focus and files changed by other programs.
#include "editor/app/main_frame.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "editor/app/disk_change.h"
#include "editor/app/doc_file_access.h"
#include "editor/base/options.h"
#include "editor/res/resource.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/strings.h"

namespace {

// Seconds since 1970 (UTC) of the file's last write, as documents record it.
std::optional<std::int64_t> FileModificationTime(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    ULARGE_INTEGER ticks{};
    ticks.LowPart = data.ftLastWriteTime.dwLowDateTime;
    ticks.HighPart = data.ftLastWriteTime.dwHighDateTime;
    constexpr std::uint64_t kTicksPerSecond = 10000000ULL;
    constexpr std::uint64_t kEpochDifference = 11644473600ULL; // 1601 to 1970
    return static_cast<std::int64_t>(ticks.QuadPart / kTicksPerSecond) -
           static_cast<std::int64_t>(kEpochDifference);
}

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    return length > 0 && length < sizeof directory ? std::string(directory) : std::string();
}

void RestoreDirectory(std::string directory)
{
    if (directory.size() >= 2 && directory[1] == ':')
        directory[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(directory[0])));
    SetCurrentDirectoryA(directory.c_str());
}

} // namespace

void CMainFrame::OnTimerTick()
{
    const COptions* options = m_services.options ? m_services.options : g_pOptions;
    if (!options)
        return;
    if (!m_autoSave.Tick(options->m_nIntervall, options->m_bAutoSave != 0))
        return;
    fw::Application* app = fw::Application::Current();
    if (!app || !m_services.docAccess)
        return;
    for (fw::Document* doc : app->GetDocuments())
        if (doc->IsModified())
            m_services.docAccess->WriteTempCopy(*doc);
}

void CMainFrame::OnActivateApp(bool active, DWORD otherThread)
{
    fw::MDIFrameWnd::OnActivateApp(active, otherThread);
    // A message box or a save may itself change activation: ignore re-entry.
    if (m_bActivationGuard || m_bClosing)
        return;
    m_bActivationGuard = true;
    if (!active) {
        m_savedDirectory = CurrentDirectory();
        const COptions* options = m_services.options ? m_services.options : g_pOptions;
        if (options && options->m_bSaveOnFocus)
            SaveAllModifiedUnderOwnNames();
    } else {
        if (!m_savedDirectory.empty())
            RestoreDirectory(m_savedDirectory);
        PostMessageA(m_hWnd, WM_CHECK_FILES_CHANGED, 0, 0);
    }
    m_bActivationGuard = false;
}

void CMainFrame::CheckFilesChangedOnDisk()
{
    fw::Application* app = fw::Application::Current();
    // One question at a time: a second check posted while the first asks
    // would ask about the same file again.
    if (!app || !m_services.docAccess || m_bCheckingFiles)
        return;
    m_bCheckingFiles = true;
    const std::string question = fw::LoadResString(IDS_FILE_MODIFIED);
    for (fw::Document* doc : app->GetDocuments()) {
        const std::vector<fw::Document*> open = app->GetDocuments();
        if (std::find(open.begin(), open.end(), doc) == open.end())
            continue; // closed while an earlier question was up
        const std::string path = doc->GetPathName();
        if (path.empty())
            continue;
        const std::optional<std::int64_t> onDisk = FileModificationTime(path);
        const std::optional<std::int64_t> recorded = m_services.docAccess->RecordedFileTime(*doc);
        if (!onDisk || !recorded || !ChangedOnDisk(*recorded, *onDisk) ||
            m_services.docAccess->IsSaving(*doc))
            continue;
        const int answer = app->DoMessageBox(ReloadQuestion(path, question),
                                             MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL, 0);
        if (answer == IDYES && doc->OnOpenDocument(path))
            doc->UpdateAllViews(nullptr, 2);
    }
    m_bCheckingFiles = false;
}
