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

bool IsPlainFileName(std::string_view name)
{
    return name.find_first_of("\\/:") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

namespace {

// The platform drops trailing dots and blanks of a path step: "...", ". ."
// and ".. " may all mean the parent.  Any step of dots and blanks with two
// dots or more counts as one.
bool IsParentStep(std::string_view step)
{
    return step.find_first_not_of(". ") == std::string_view::npos &&
           step.find('.') != step.rfind('.');
}

bool IsCurrentStep(std::string_view step)
{
    return step.find_first_not_of(". ") == std::string_view::npos;
}

} // namespace

bool StaysBelow(std::string_view subdirectory)
{
    if (subdirectory.empty())
        return true;
    // A drive (or a stream of a directory), a root or a "\\server" share.
    if (subdirectory.find(':') != std::string_view::npos || subdirectory.front() == '\\' ||
        subdirectory.front() == '/')
        return false;
    int depth = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = subdirectory.find_first_of("\\/", start);
        const std::string_view step = subdirectory.substr(start, end - start);
        if (IsParentStep(step)) {
            if (--depth < 0)
                return false;
        } else if (!IsCurrentStep(step)) {
            ++depth;
        }
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
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
