#include "setup/setup_platform_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/handles.h"
#include "setup/install_paths.h"

namespace {

std::string FromBuffer(const char* buffer, UINT length)
{
    // A result of the buffer's size or more means the directory did not fit.
    return length > 0 && length <= kMaxPathLength ? std::string(buffer, length) : std::string();
}

fw::File OpenForAppend(const std::string& path)
{
    return fw::File(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

std::string Win32SetupPlatform::WindowsDirectory()
{
    char buffer[kMaxPathLength + 1] = {};
    return FromBuffer(buffer, GetWindowsDirectoryA(buffer, sizeof buffer));
}

std::string Win32SetupPlatform::SystemDirectory()
{
    char buffer[kMaxPathLength + 1] = {};
    return FromBuffer(buffer, GetSystemDirectoryA(buffer, sizeof buffer));
}

bool Win32SetupPlatform::DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32SetupPlatform::MakeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

void Win32SetupPlatform::SetNormalAttributes(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void Win32SetupPlatform::RemoveFile(const std::string& path)
{
    DeleteFileA(path.c_str());
}

void Win32SetupPlatform::AppendText(const std::string& path, std::string_view text)
{
    fw::File file = OpenForAppend(path);
    if (!file) {
        // A log that cannot be opened for appending is started afresh.
        file = fw::File(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return;
    }
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Win32SetupPlatform::WriteProfileEntry(const std::string& file, const std::string& section,
                                           const std::string& key, const std::string& value)
{
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

void Win32SetupPlatform::ShellOpen(const std::string& file, const std::string& parameters,
                                   const std::string& directory)
{
    ShellExecuteA(nullptr, nullptr, file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                  directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
}
