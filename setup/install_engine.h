// The install command: copies the remaining file entries with version
// checking, keeps the progress values, writes the [INI] entries, has the
// Program Manager group made, starts the [Run] programs and ends setup.
#pragma once
#include <cstdint>
#include <string>

#include "setup/install_model.h"
#include "setup/install_progress.h"
#include "setup/install_services.h"
#include "setup/progman_client.h"
#include "setup/setup_messages.h"

struct InstallServices {
    VersionServices& versions;
    SetupPlatform& platform;
    SetupMessages& messages;
    InstallView& view;
    ProgmanChannel& progman;
};

class InstallEngine {
public:
    InstallEngine(InstallModel& model, const InstallServices& services);

    // The whole install command, run once; ends with the exit command.
    void InstallFiles();

    // Installs one entry at its 1-based position in m_files and returns its
    // size field on every path, so that a skipped or failed file still
    // counts for the progress.
    std::int32_t InstallFile(const std::string& entry, std::uint32_t position);

    InstallProgress& Progress() { return m_progress; }
    const InstallProgress& Progress() const { return m_progress; }
    // True once a file ended setup (Abort, out of space, access violation).
    bool SetupEnded() const { return m_ended; }

private:
    // Fills found with where the file goes; false when the file was skipped
    // or setup ended.
    bool FindDestination(bool shared, const std::string& name, const std::string& windowsDir,
                         const std::string& appDir, FoundFile& found);
    unsigned CopyWithVersionCheck(const std::string& name, const std::string& destDir,
                                  const std::string& currentDir);
    // Shows the messages of the result; false when it ended setup.
    bool ReportResult(unsigned result, const std::string& name);
    void CopyFiles();
    void WriteIniEntries();
    void StartPrograms();
    SetupAnswer Ask(const std::string& text, SetupIcon icon, SetupButtons buttons);
    void EndSetup();

    InstallModel& m_model;
    InstallServices m_services;
    InstallProgress m_progress;
    bool m_ended = false;
};
