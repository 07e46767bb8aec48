#include "setup/version_services_win32.h"

#include <windows.h>
#include <winver.h>

#include <vector>

#include "setup/install_paths.h"

namespace {

// The services take writable buffers even for their inputs.
std::vector<char> Buffer(const std::string& text)
{
    std::vector<char> buffer(kMaxPathLength + 1, '\0');
    text.copy(buffer.data(), kMaxPathLength);
    return buffer;
}

} // namespace

FoundFile Win32VersionServices::FindFile(bool shared, const std::string& name,
                                         const std::string& windowsDir, const std::string& appDir)
{
    std::vector<char> fileName = Buffer(name);
    std::vector<char> winDir = Buffer(windowsDir);
    std::vector<char> app = Buffer(appDir);
    char current[kMaxPathLength + 1] = {};
    char dest[kMaxPathLength + 1] = {};
    UINT currentLength = sizeof current;
    UINT destLength = sizeof dest;
    FoundFile found;
    found.result = VerFindFileA(shared ? VFFF_ISSHAREDFILE : 0, fileName.data(), winDir.data(),
                                app.data(), current, &currentLength, dest, &destLength);
    current[kMaxPathLength] = '\0';
    dest[kMaxPathLength] = '\0';
    found.currentDir = current;
    found.destDir = dest;
    return found;
}

unsigned Win32VersionServices::InstallFile(unsigned flags, const std::string& name,
                                           const std::string& sourceDir, const std::string& destDir,
                                           const std::string& currentDir, std::string& tempFile)
{
    std::vector<char> source = Buffer(name);
    std::vector<char> target = Buffer(name);
    std::vector<char> src = Buffer(sourceDir);
    std::vector<char> dst = Buffer(destDir);
    std::vector<char> cur = Buffer(currentDir);
    std::vector<char> temp = Buffer(tempFile);
    UINT tempLength = static_cast<UINT>(temp.size());
    const DWORD result = VerInstallFileA(flags, source.data(), target.data(), src.data(),
                                         dst.data(), cur.data(), temp.data(), &tempLength);
    temp.back() = '\0';
    // Kept as the service wrote it (Wine puts a backslash before the name):
    // a forced call must get back exactly what the first one left.
    tempFile = temp.data();
    return result;
}
