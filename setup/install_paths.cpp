#include "setup/install_paths.h"

std::string FitPath(std::string_view path)
{
    return std::string(path.substr(0, kMaxPathLength));
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

namespace {

bool HasDriveRoot(std::string_view path)
{
    const bool letter = path.size() >= 3 &&
                        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return letter && path[1] == ':' && path[2] == '\\';
}

} // namespace

bool CreateDirectoryPath(const std::string& path, SetupPlatform& platform)
{
    if (path.empty())
        return true;
    if (!HasDriveRoot(path))
        return false;
    if (platform.DirectoryExists(path))
        return true;
    // Every prefix that ends before a backslash or at the end, from the
    // first directory below the root down to the whole path.
    for (std::size_t end = path.find('\\', 3);; end = path.find('\\', end + 1)) {
        const std::string prefix = path.substr(0, end);
        if (prefix.back() != '\\' && !platform.DirectoryExists(prefix) &&
            !platform.MakeDirectory(prefix))
            return false;
        if (end == std::string::npos)
            return true;
    }
}
