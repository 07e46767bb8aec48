// The file-open window's list without its window: groups of files by type,
// the lines shown (headers and the files of open groups), the paths built
// from the list directory, the texts of the properties box and the block of
// dropped files.
#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/app/settings_extension_table.h"

inline constexpr std::uint8_t kFileReadOnly = 0x01;
// Open, Delete and a drop handle at most this many selected lines.
inline constexpr int kMaxFileCommandLines = 256;
// A drag starts once the pointer is this far from where the button went down.
inline constexpr int kDragThreshold = 5;

struct FileListEntry {
    std::string name; // without directory
    std::uint8_t attributes = 0;
    bool ReadOnly() const { return (attributes & kFileReadOnly) != 0; }
};

struct FileListGroup {
    std::string description;
    std::string mask; // patterns separated by semicolons
    bool open = false;
    std::vector<FileListEntry> entries;
};

// Lists the files (read-only and archive ones too, no directories) that
// match one pattern joined to a directory.
class FileLister {
public:
    virtual ~FileLister() = default;
    virtual std::vector<FileListEntry> List(const std::string& directory,
                                            const std::string& pattern) = 0;
};

// A line's item value: the group index in the low word, the entry index in
// the high word (0xFFFF for the group's header).
inline constexpr std::uint32_t kHeaderEntry = 0xFFFF;
constexpr std::uint32_t MakeFileItem(std::uint32_t group, std::uint32_t entry)
{
    return (group & 0xFFFF) | (entry << 16);
}
constexpr std::uint32_t ItemGroup(std::uint32_t item) { return item & 0xFFFF; }
constexpr std::uint32_t ItemEntry(std::uint32_t item) { return item >> 16; }
constexpr bool IsHeaderItem(std::uint32_t item) { return ItemEntry(item) == kHeaderEntry; }

std::vector<std::string> SplitMask(std::string_view mask);
// The files of every pattern of `mask`, sorted by name; a file matched by two
// patterns is there twice.
std::vector<FileListEntry> CollectGroupFiles(FileLister& lister, const std::string& directory,
                                             std::string_view mask);
// The directory, a backslash unless it ends with one, and the name.
std::string JoinFilePath(std::string_view directory, std::string_view name);

class FileListModel {
public:
    // One closed group per table entry, in order; the lines are their headers.
    void Fill(FileLister& lister, const std::string& directory,
              const std::vector<ExtensionEntry>& table);

    const std::string& Directory() const { return m_directory; }
    const std::vector<FileListGroup>& Groups() const { return m_groups; }
    const std::vector<std::uint32_t>& Lines() const { return m_lines; }

    // Opens the closed group whose header is line `header` (files read anew,
    // inserted below it) or closes an open one; the lines inserted (> 0) or
    // removed (< 0).  0 for a file line.
    int Toggle(FileLister& lister, std::size_t header);
    // The header line of `group`.
    std::optional<std::size_t> HeaderLine(std::uint32_t group) const;
    // The file of a line, or null for a header.
    const FileListEntry* EntryOf(std::uint32_t item) const;
    // The full path of a file line's file; empty for a header.
    std::string PathOf(std::uint32_t item) const;

private:
    std::string m_directory;
    std::vector<FileListGroup> m_groups;
    std::vector<std::uint32_t> m_lines;
};

// "File Name:": paths longer than 30 characters keep their first 3 and last
// 26 around "...".
std::string ShortenPropertiesPath(std::string_view path);
// "Last Modified:": "%H:%M,%S  %d.%m.%Y".
std::string FormatModifiedTime(const std::tm& time);
std::string FormatFileSize(std::uint64_t size);

// Whether the pointer moved far enough from `down` for a drag.
bool IsDragStarted(int downX, int downY, int x, int y);

// The dropped-files block: a 16-byte header (offset of the list, the drop
// point, whether it is outside the target's client area), the paths each
// ended by a zero and the list by another; 16-bit characters when `wide`.
std::vector<unsigned char> BuildDropFilesBlock(std::int32_t x, std::int32_t y, bool outsideClient,
                                               const std::vector<std::string>& paths, bool wide);

// Which tab the navigation buttons go to (0 first, 1 previous, 2 next, 3
// last) from tab `current` of `count`; none when nothing changes.
std::optional<int> NavigateTabIndex(int current, int count, int which);
// A document's tab text: its path after the last backslash.
std::string TabTextOfPath(std::string_view path);
