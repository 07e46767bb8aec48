#include "editor/search/find_in_files_names.h"

#include <algorithm>

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

bool Wildcard(std::string_view mask, std::string_view name)
{
    // Greedy walk with one backtrack point: linear enough for file names.
    std::size_t m = 0, n = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (m < mask.size() &&
                   (mask[m] == '?' || LowerAscii(mask[m]) == LowerAscii(name[n]))) {
            ++m;
            ++n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

std::vector<std::string> SplitMasks(std::string_view spec)
{
    return Split(spec, ' ');
}

std::vector<std::string> SplitDirectories(std::string_view field)
{
    return Split(field, ';');
}

bool MaskMatches(std::string_view mask, std::string_view name)
{
    if (Wildcard(mask, name))
        return true;
    // "x.*" takes "x" too, as the platform's own matching does.
    return mask.size() >= 2 && mask.ends_with(".*") &&
           name.find('.') == std::string_view::npos &&
           Wildcard(mask.substr(0, mask.size() - 2), name);
}

bool NameLessIgnoringCase(std::string_view a, std::string_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

std::vector<std::string> FilesToSearch(FindFileSystem& fs, const std::string& directory,
                                       const std::vector<std::string>& masks)
{
    std::vector<std::string> names;
    std::vector<DirectoryEntry> entries;
    if (masks.empty() || !fs.ListDirectory(directory, entries))
        return names;
    for (const DirectoryEntry& entry : entries) {
        if (entry.directory || entry.hidden || entry.system)
            continue;
        // A file two masks take is searched once, not listed twice.
        if (std::any_of(masks.begin(), masks.end(),
                        [&](const std::string& mask) { return MaskMatches(mask, entry.name); }))
            names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NameLessIgnoringCase(a, b); });
    return names;
}

std::string JoinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    char last = directory.back();
    if (last == '\\' || last == '/' || last == ':')
        return directory + name;
    return directory + '\\' + name;
}
