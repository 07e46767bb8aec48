#include "editor/app/file_list.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int CompareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void PutLe32(std::vector<unsigned char>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

} // namespace

std::vector<std::string> SplitMask(std::string_view mask)
{
    std::vector<std::string> patterns;
    while (!mask.empty()) {
        const std::size_t end = mask.find(';');
        const std::string_view part = mask.substr(0, end);
        if (!part.empty())
            patterns.emplace_back(part);
        if (end == std::string_view::npos)
            break;
        mask.remove_prefix(end + 1);
    }
    return patterns;
}

std::vector<FileListEntry> CollectGroupFiles(FileLister& lister, const std::string& directory,
                                             std::string_view mask)
{
    std::vector<FileListEntry> files;
    for (const std::string& pattern : SplitMask(mask)) {
        std::vector<FileListEntry> found = lister.List(directory, pattern);
        files.insert(files.end(), found.begin(), found.end());
    }
    std::stable_sort(files.begin(), files.end(), [](const FileListEntry& a, const FileListEntry& b) {
        return CompareNoCase(a.name, b.name) < 0;
    });
    return files;
}

std::string JoinFilePath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += name;
    return path;
}

void FileListModel::Fill(FileLister& lister, const std::string& directory,
                         const std::vector<ExtensionEntry>& table)
{
    m_directory = directory;
    m_groups.clear();
    m_lines.clear();
    for (const ExtensionEntry& type : table) {
        FileListGroup group{type.description, type.mask, false,
                            CollectGroupFiles(lister, directory, type.mask)};
        m_lines.push_back(MakeFileItem(static_cast<std::uint32_t>(m_groups.size()), kHeaderEntry));
        m_groups.push_back(std::move(group));
    }
}

int FileListModel::Toggle(FileLister& lister, std::size_t header)
{
    if (header >= m_lines.size() || !IsHeaderItem(m_lines[header]))
        return 0;
    const std::uint32_t index = ItemGroup(m_lines[header]);
    FileListGroup& group = m_groups[index];
    const auto below = m_lines.begin() + static_cast<std::ptrdiff_t>(header) + 1;
    if (group.open) {
        const int count = static_cast<int>(group.entries.size());
        m_lines.erase(below, below + count);
        group.open = false;
        return -count;
    }
    group.entries = CollectGroupFiles(lister, m_directory, group.mask);
    std::vector<std::uint32_t> lines;
    for (std::size_t i = 0; i < group.entries.size() && i < kHeaderEntry; ++i)
        lines.push_back(MakeFileItem(index, static_cast<std::uint32_t>(i)));
    m_lines.insert(below, lines.begin(), lines.end());
    group.open = true;
    return static_cast<int>(lines.size());
}

std::optional<std::size_t> FileListModel::HeaderLine(std::uint32_t group) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i] == MakeFileItem(group, kHeaderEntry))
            return i;
    return std::nullopt;
}

const FileListEntry* FileListModel::EntryOf(std::uint32_t item) const
{
    if (IsHeaderItem(item) || ItemGroup(item) >= m_groups.size())
        return nullptr;
    const FileListGroup& group = m_groups[ItemGroup(item)];
    return ItemEntry(item) < group.entries.size() ? &group.entries[ItemEntry(item)] : nullptr;
}

std::string FileListModel::PathOf(std::uint32_t item) const
{
    const FileListEntry* entry = EntryOf(item);
    return entry ? JoinFilePath(m_directory, entry->name) : std::string();
}

std::string ShortenPropertiesPath(std::string_view path)
{
    if (path.size() <= 30)
        return std::string(path);
    return std::string(path.substr(0, 3)) + "..." + std::string(path.substr(path.size() - 26));
}

std::string FormatModifiedTime(const std::tm& time)
{
    char text[64] = {};
    std::strftime(text, sizeof text, "%H:%M,%S  %d.%m.%Y", &time);
    return text;
}

std::string FormatFileSize(std::uint64_t size)
{
    return std::to_string(size) + " bytes";
}

bool IsDragStarted(int downX, int downY, int x, int y)
{
    return std::abs(x - downX) >= kDragThreshold || std::abs(y - downY) >= kDragThreshold;
}

std::vector<unsigned char> BuildDropFilesBlock(std::int32_t x, std::int32_t y, bool outsideClient,
                                               const std::vector<std::string>& paths, bool wide)
{
    constexpr std::size_t kHeader = 16;
    std::vector<unsigned char> block(kHeader + (wide ? 2 : 1), 0);
    PutLe32(block, 0, kHeader);
    PutLe32(block, 4, static_cast<std::uint32_t>(x));
    PutLe32(block, 8, static_cast<std::uint32_t>(y));
    PutLe32(block, 12, outsideClient ? 1 : 0);
    const std::size_t unit = wide ? 2 : 1;
    for (const std::string& path : paths) {
        // Each path goes where the list's end stood; a new end follows.
        block.resize(block.size() - unit);
        for (char c : path) {
            block.push_back(static_cast<unsigned char>(c));
            if (wide)
                block.push_back(0);
        }
        block.insert(block.end(), 2 * unit, 0);
    }
    return block;
}

std::optional<int> NavigateTabIndex(int current, int count, int which)
{
    if (current < 0 || current >= count)
        return std::nullopt;
    int target = current;
    switch (which) {
    case 0:
        target = 0;
        break;
    case 1:
        target = current > 0 ? current - 1 : current;
        break;
    case 2:
        target = current + 1 < count ? current + 1 : current;
        break;
    case 3:
        target = count - 1;
        break;
    default:
        break;
    }
    if (target == current)
        return std::nullopt;
    return target;
}

std::string TabTextOfPath(std::string_view path)
{
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}
