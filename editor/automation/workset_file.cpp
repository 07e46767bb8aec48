#include "editor/automation/workset_file.h"

#include "editor/doc/char_class.h"

std::string WorksetUpper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(char_class::ToUpper(static_cast<unsigned char>(c)));
    return upper;
}

std::vector<std::string> ParseWorksetText(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::vector<std::string> entries;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        line = line.substr(0, line.find('\0'));
        // Text mode turns CR LF into LF; further CRs at the end (a file
        // written twice in text mode) are part of no path either.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            entries.push_back(WorksetUpper(line));
    }
    return entries;
}

std::string FormatWorksetText(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries) {
        // An entry is a C string in the list box: it ends at a NUL.
        text.append(entry.c_str());
        text.append("\r\n");
    }
    return text;
}

std::string WorksetSaveName(std::string_view name)
{
    std::string upper = WorksetUpper(name);
    if (upper.find(".SET") == std::string::npos)
        upper += ".SET";
    return upper;
}

std::string WorksetEntryPath(std::string_view directory, std::string_view fileName)
{
    std::string path(directory);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += fileName;
    return WorksetUpper(path);
}

std::size_t AddWorksetEntry(std::vector<std::string>& entries, const std::string& entry)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == entry)
            return i;
    }
    entries.push_back(entry);
    return entries.size() - 1;
}

std::vector<std::string> SplitWorksetPatterns(std::string_view pattern)
{
    std::vector<std::string> wildcards;
    while (true) {
        const std::size_t end = pattern.find(';');
        std::string_view part = pattern.substr(0, end);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        if (!part.empty())
            wildcards.emplace_back(part);
        if (end == std::string_view::npos)
            break;
        pattern.remove_prefix(end + 1);
    }
    return wildcards;
}

int WorksetListHeight(std::size_t lines, int itemHeight)
{
    constexpr int kMaxHeight = 200;
    constexpr int kItemsWhenLong = 8;
    const long long height = static_cast<long long>(lines) * itemHeight;
    return height > kMaxHeight ? kItemsWhenLong * itemHeight : static_cast<int>(height);
}
