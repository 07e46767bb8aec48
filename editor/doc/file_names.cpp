#include "editor/doc/file_names.h"

#include "editor/doc/doc_messages.h"

#include <algorithm>
#include <cctype>

namespace file_names {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The position of the first '.' of the file name part, or npos.
std::size_t FirstDotOfName(std::string_view path)
{
    std::size_t nameStart = path.size() - FileNamePart(path).size();
    return path.find('.', nameStart);
}

} // namespace

std::string_view FileNamePart(std::string_view path)
{
    std::size_t i = path.size();
    while (i > 0 && !IsSeparator(path[i - 1]))
        --i;
    return path.substr(i);
}

std::string TempCopyName(std::string_view path)
{
    std::size_t dot = FirstDotOfName(path);
    std::string_view base = path.substr(0, dot);
    std::string_view extension = dot == std::string_view::npos ? "" : path.substr(dot + 1);
    std::string name(base);
    if (extension.size() < 3) {
        name += ".~";
        name += extension;
    } else {
        name += '.';
        name += extension.substr(0, 2);
        name += '~';
    }
    return name;
}

std::string BackupName(std::string_view path)
{
    std::string name(path.substr(0, FirstDotOfName(path)));
    name += ".BAK";
    return name;
}

bool IsBackupFile(std::string_view path)
{
    for (std::size_t i = path.find('.'); i != std::string_view::npos; i = path.find('.', i + 1))
        if (SameName(path.substr(i, 4), ".BAK"))
            return true;
    return false;
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

std::string SaveScratchName(std::string_view path)
{
    std::string name(path);
    name += ".$$$";
    return name;
}

std::string TitleFor(std::string_view path)
{
    return path.empty() ? std::string(doc_text::kUntitled) : std::string(path);
}

std::string TabNameFor(std::string_view path)
{
    return path.empty() ? std::string(doc_text::kUntitled) : std::string(FileNamePart(path));
}

std::string MailCopyPath(std::string_view tempDirectory, std::string_view path)
{
    std::string target(tempDirectory);
    if (!target.empty() && !IsSeparator(target.back()))
        target += '\\';
    target += TabNameFor(path);
    return target;
}

} // namespace file_names
