#include "editor/doc/win32_doc_services.h"

#include <string>

#include "editor/base/options.h"
#include "framework/application.h"
#include "framework/document.h"

namespace {

// FILETIME counts 100 ns steps since 1601; the status keeps seconds since 1970.
std::int64_t UnixSeconds(const FILETIME& time)
{
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    constexpr std::uint64_t kEpochDifference = 11644473600ULL;
    return static_cast<std::int64_t>(ticks / 10000000ULL) -
           static_cast<std::int64_t>(kEpochDifference);
}

} // namespace

bool Win32FileSystem::GetStatus(const std::string& path, FileStatus& status)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    status.creationTime = UnixSeconds(data.ftCreationTime);
    status.modificationTime = UnixSeconds(data.ftLastWriteTime);
    status.accessTime = UnixSeconds(data.ftLastAccessTime);
    status.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) |
                                            data.nFileSizeLow);
    status.attribute = static_cast<std::uint8_t>(data.dwFileAttributes & 0xFF);
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    status.fullPath = (n > 0 && n < sizeof full) ? std::string(full, n) : path;
    return true;
}

namespace {
const COptions& Options()
{
    static const COptions defaults;
    return g_pOptions ? *g_pOptions : defaults;
}
} // namespace

bool OptionsDocSettings::AutoIndent() const
{
    return Options().m_bAutoIndent != 0;
}
bool OptionsDocSettings::UseBlanks() const
{
    return Options().m_bUseBlanks != 0;
}
bool OptionsDocSettings::Backup() const
{
    return Options().m_bBackup != 0;
}
int OptionsDocSettings::TabLength() const
{
    const int length = Options().m_nTabLength;
    return length < kMinTabLength ? kMinTabLength : length > kMaxTabLength ? kMaxTabLength : length;
}

std::vector<std::string> AppOpenDocuments::OpenPaths()
{
    std::vector<std::string> paths;
    if (fw::Application* app = fw::Application::Current())
        for (fw::Document* doc : app->GetDocuments())
            paths.push_back(doc->GetPathName());
    return paths;
}
