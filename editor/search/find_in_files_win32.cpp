#include "editor/search/find_in_files_win32.h"

#include <windows.h>

#include "editor/search/find_in_files_names.h"
#include "framework/handles.h"

bool Win32FindFileSystem::ListDirectory(const std::string& directory,
                                        std::vector<DirectoryEntry>& entries)
{
    entries.clear();
    WIN32_FIND_DATAA data{};
    fw::FindHandle find(FindFirstFileA(JoinPath(directory, "*").c_str(), &data));
    if (!find)
        return false;
    do {
        const DWORD attributes = data.dwFileAttributes;
        entries.push_back({data.cFileName, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (attributes & FILE_ATTRIBUTE_SYSTEM) != 0});
    } while (FindNextFileA(find.get(), &data));
    return true;
}

bool Win32FindFileSystem::ReadFile(const std::string& path, std::string& bytes)
{
    fw::File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    // A file too big for memory is skipped like one that cannot be opened.
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                        &got, nullptr) ||
            got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return true;
}

bool Win32FindFileSystem::IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32FindFileSystem::FullPath(const std::string& path)
{
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, &name);
    if (length == 0 || length >= sizeof full)
        return path;
    return std::string(full, length);
}

bool TouchFile(const std::string& path)
{
    fw::File file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return false;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return SetFileTime(file.get(), nullptr, &now, &now) != FALSE;
}
