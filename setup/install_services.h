// What the install engine needs of the platform.  The program implements
// these with the version-installation services, the file system, the
// profile writer and the shell; the tests fake them.
#pragma once
#include <string>
#include <string_view>

// Result of the version-finding service: the file is in use.
inline constexpr unsigned kFindFileInUse = 0x2;

// Flag of the version-installing service: install even on a mismatch.
inline constexpr unsigned kInstallForce = 0x1;

// Result bits of the version-installing service (the platform's values).
inline constexpr unsigned kInstallTempFile = 0x1;
inline constexpr unsigned kInstallMismatch = 0x2;
inline constexpr unsigned kInstallSourceOld = 0x4;
inline constexpr unsigned kInstallDiffLang = 0x8;
inline constexpr unsigned kInstallDiffCodePage = 0x10;
inline constexpr unsigned kInstallDiffType = 0x20;
inline constexpr unsigned kInstallWriteProtected = 0x40;
inline constexpr unsigned kInstallFileInUse = 0x80;
inline constexpr unsigned kInstallOutOfSpace = 0x100;
inline constexpr unsigned kInstallAccessViolation = 0x200;
inline constexpr unsigned kInstallCannotCreateTemp = 0x800;
inline constexpr unsigned kInstallCannotRename = 0x2000;
inline constexpr unsigned kInstallOutOfMemory = 0x8000;
inline constexpr unsigned kInstallCannotReadDest = 0x20000;

struct FoundFile {
    unsigned result = 0;
    std::string currentDir; // where a copy is installed now, if any
    std::string destDir;    // where the file should go
};

class VersionServices {
public:
    virtual ~VersionServices() = default;
    virtual FoundFile FindFile(bool shared, const std::string& name, const std::string& windowsDir,
                               const std::string& appDir) = 0;
    // tempFile is in and out: a temporary copy left in destDir by one call is
    // what a forced call installs.
    virtual unsigned InstallFile(unsigned flags, const std::string& name,
                                 const std::string& sourceDir, const std::string& destDir,
                                 const std::string& currentDir, std::string& tempFile) = 0;
};

class SetupPlatform {
public:
    virtual ~SetupPlatform() = default;
    virtual std::string WindowsDirectory() = 0;
    virtual std::string SystemDirectory() = 0;
    virtual bool DirectoryExists(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual void SetNormalAttributes(const std::string& path) = 0;
    virtual void RemoveFile(const std::string& path) = 0;
    // Appends to the file, creating it when it does not exist; failures are
    // not reported.
    virtual void AppendText(const std::string& path, std::string_view text) = 0;
    virtual void WriteProfileEntry(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) = 0;
    // Opens a program or document through the shell, shown normally; does not wait.
    virtual void ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& directory) = 0;
};

// The setup window as the install command sees it.
class InstallView {
public:
    virtual ~InstallView() = default;
    // Each repaint happens at once, without erasing.
    virtual void RepaintAll() = 0;
    virtual void RepaintCaptionStrip() = 0;
    virtual void RepaintBar() = 0;
    virtual void BringToTop() = 0;
    // Ends setup at once (exit command sent) or after the current command
    // (exit command posted).
    virtual void SendExit() = 0;
    virtual void PostExit() = 0;
};
