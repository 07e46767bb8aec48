#include "setup/install_engine.h"

#include <cstddef>
#include <optional>

#include "setup/install_paths.h"
#include "setup/script_entries.h"
#include "setup/script_fields.h"
#include "setup/script_variables.h"
#include "setup/setup_log.h"
#include "setup/setup_title.h"

namespace {

constexpr int kNameField = 1;
constexpr int kDestinationField = 2;
constexpr int kSizeField = 4;
constexpr int kLogField = 7;

// The bits of a version mismatch: the service stopped before copying.
constexpr unsigned kMismatchBits = kInstallTempFile | kInstallMismatch | kInstallSourceOld |
                                   kInstallDiffLang | kInstallDiffCodePage | kInstallDiffType;

// A newer copy already in place is kept: downgrading it could break other
// programs that share it.  The product has its file all the same.
bool KeptNewerCopy(unsigned result)
{
    return (result & kInstallSourceOld) && (result & ~kMismatchBits) == 0;
}

std::string InUseWhileFinding(const std::string& name)
{
    return "The file \"" + name +
           "\" is currently in use by another application.\n"
           "Please close all applications that use this file and press retry\n"
           "or press cancel to abort the installation.";
}

std::string InUseWhileInstalling(const std::string& name)
{
    return "The file '" + name +
           "' is currently in use\nClose any application using this file and try again.";
}

std::string OutsideDestination(const std::string& target)
{
    return "Cannot install " + target + " outside the destination directory";
}

struct InformingBit {
    unsigned bit;
    const char* text; // followed by the file name
};
constexpr InformingBit kInformingBits[] = {
    {kInstallCannotCreateTemp, "Cannot create tempfile for "},
    {kInstallCannotRename, "Cannot install "},
    {kInstallOutOfMemory, "Out of memory while installing "},
    {kInstallCannotReadDest, "Cannot open "},
};

std::string InDirectory(const std::string& dir, const std::string& name)
{
    return FitPath(dir + "\\" + name);
}

} // namespace

InstallEngine::InstallEngine(InstallModel& model, const InstallServices& services)
    : m_model(model), m_services(services)
{
}

void InstallEngine::InstallFiles()
{
    CopyFiles();
    if (m_ended)
        return;
    WriteIniEntries();
    CreateProgmanGroupAndItems(m_model, m_services.platform, m_services.progman,
                               m_services.messages);
    m_services.view.BringToTop();
    StartPrograms();
    m_services.view.BringToTop();
    Ask("Setup successfull", SetupIcon::None, SetupButtons::Ok);
    m_services.view.PostExit();
}

void InstallEngine::CopyFiles()
{
    m_progress.m_nTotal = 0;
    for (const std::string& entry : m_model.m_files)
        m_progress.m_nTotal += GetFieldInt(entry, kSizeField);
    m_progress.m_nDone = 0;
    m_progress.m_nPercent = 0;
    m_progress.m_nProgressState = kProgressStarted;
    m_services.view.RepaintAll();

    const std::size_t count = m_model.m_files.size();
    for (std::size_t i = 0; i < count; ++i) {
        // A copy: the entry must outlive anything the file's install does.
        const std::string entry = m_model.m_files[i];
        m_progress.m_strCurrentFile = GetField(entry, kNameField);
        m_services.view.RepaintCaptionStrip();
        m_progress.m_nDone += InstallFile(entry, static_cast<std::uint32_t>(i + 1));
        if (m_ended)
            return;
        m_progress.m_nPercent =
            ProgressPercent(m_progress.m_nDone, m_progress.m_nTotal, i + 1, count);
        m_services.view.RepaintBar();
    }
    m_progress.m_nProgressState = kProgressIdle;
    m_services.view.RepaintAll();
}

std::int32_t InstallEngine::InstallFile(const std::string& entry, std::uint32_t position)
{
    const std::int32_t size = GetFieldInt(entry, kSizeField);
    const std::string name = FitPath(GetField(entry, kNameField));
    const std::string destination = GetField(entry, kDestinationField);
    const bool shared = IsSharedDestination(destination);
    // The script comes with the medium: it may not write anywhere else.
    if (!IsPlainFileName(name) || (!shared && !StaysBelow(destination))) {
        Ask(OutsideDestination(shared || destination.empty() ? name : destination + "\\" + name),
            SetupIcon::None, SetupButtons::Ok);
        return size;
    }
    const std::string windowsDir = FitPath(m_services.platform.WindowsDirectory());
    std::string appDir = m_model.m_strInstallDir;
    if (!shared && !destination.empty())
        appDir += "\\" + destination;
    appDir = FitPath(appDir);

    FoundFile found;
    if (!FindDestination(shared, name, windowsDir, appDir, found))
        return size;
    const std::string destDir = FitPath(UpperCaseAscii(found.destDir));
    CreateDirectoryPath(destDir, m_services.platform);

    // Logged before the copy: a file that then fails is logged all the same.
    if (GetFieldInt(entry, kLogField) != 0)
        m_services.platform.AppendText(SetupLogPath(destDir), SetupLogLine(destDir, name));

    const unsigned result = CopyWithVersionCheck(name, destDir, FitPath(found.currentDir));
    if (!ReportResult(result, name))
        return size;
    if (result == 0 || KeptNewerCopy(result))
        m_model.m_installed.push_back(position);
    return size;
}

bool InstallEngine::FindDestination(bool shared, const std::string& name,
                                    const std::string& windowsDir, const std::string& appDir,
                                    FoundFile& found)
{
    found = m_services.versions.FindFile(shared, name, windowsDir, appDir);
    while (found.result == kFindFileInUse) {
        switch (
            Ask(InUseWhileFinding(name), SetupIcon::Exclamation, SetupButtons::AbortRetryIgnore)) {
        case SetupAnswer::Abort:
            EndSetup();
            return false;
        case SetupAnswer::Retry:
            found = m_services.versions.FindFile(shared, name, windowsDir, appDir);
            break;
        default:
            return false;
        }
    }
    return true;
}

unsigned InstallEngine::CopyWithVersionCheck(const std::string& name, const std::string& destDir,
                                             const std::string& currentDir)
{
    const std::string sourceDir = FitPath(m_model.m_strSourceDir);
    std::string tempFile;
    // Once forced, every later attempt is forced too: an unforced retry
    // would only report the mismatch again.
    unsigned flags = 0;
    auto attempt = [&] {
        return m_services.versions.InstallFile(flags, name, sourceDir, destDir, currentDir,
                                               tempFile);
    };

    unsigned result = attempt();
    // Another language, code page or type is installed over; an older
    // source file is not.
    if ((result & kInstallMismatch) && !(result & kInstallSourceOld)) {
        flags = kInstallForce;
        result = attempt();
    }
    if (result & kInstallWriteProtected) {
        m_services.platform.SetNormalAttributes(InDirectory(destDir, name));
        result = attempt();
    }
    if (result & kInstallFileInUse) {
        while (Ask(InUseWhileInstalling(name), SetupIcon::Exclamation,
                   SetupButtons::AbortRetryIgnore) == SetupAnswer::Retry) {
            result = attempt();
            if (!(result & kInstallFileInUse))
                break;
        }
    }
    // The service leaves its temporary copy behind when it gives up.
    if ((result & kInstallTempFile) && !tempFile.empty())
        m_services.platform.RemoveFile(InDirectory(destDir, tempFile));
    return result;
}

bool InstallEngine::ReportResult(unsigned result, const std::string& name)
{
    if (result & kInstallOutOfSpace) {
        Ask("Insufficient disk space to complete installation.\nInstallation will be aborted.",
            SetupIcon::Stop, SetupButtons::Ok);
        EndSetup();
        return false;
    }
    if (result & kInstallAccessViolation) {
        Ask("An access violation occurred while creating '" + name +
                "'. Please correct this problem and restart SETUP",
            SetupIcon::Stop, SetupButtons::Ok);
        EndSetup();
        return false;
    }
    for (const InformingBit& informing : kInformingBits)
        if (result & informing.bit)
            Ask(informing.text + name, SetupIcon::None, SetupButtons::Ok);
    return true;
}

void InstallEngine::WriteIniEntries()
{
    for (const std::string& entry : m_model.m_iniEntries) {
        const IniWrite write = IniWriteFor(entry);
        m_services.platform.WriteProfileEntry(write.file, write.section, write.key, write.value);
    }
}

void InstallEngine::StartPrograms()
{
    for (const std::string& entry : m_model.m_runs) {
        const VariableDirs dirs{m_services.platform.WindowsDirectory(),
                                m_services.platform.SystemDirectory(), m_model.m_strInstallDir};
        if (const std::optional<RunStart> start = DecideRun(entry, m_model.m_installed, dirs))
            m_services.platform.ShellOpen(start->file, start->parameters, start->directory);
    }
}

SetupAnswer InstallEngine::Ask(const std::string& text, SetupIcon icon, SetupButtons buttons)
{
    return m_services.messages.Show({text, kSetupTitle, icon, buttons, false});
}

void InstallEngine::EndSetup()
{
    m_ended = true;
    m_services.view.SendExit();
}
