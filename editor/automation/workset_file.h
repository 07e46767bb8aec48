// The workset file: one full path per line, CR LF line ends, no header, no
// quoting.  Read entries are upper-cased; the file is rewritten whole, in
// list order.  Also the small rules of the workset dialogs that do not need
// the platform: the saved name, the entry of a chosen file, the pattern
// list and the height of the pick list.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The entries of a workset file's bytes: each line without its CR LF (or LF),
// upper-cased.  A line of any length is one entry: cutting a long one would
// name another file, and reading it in pieces would make two entries.  A line ends at a NUL byte as
// the C string it was read into did; empty lines are no entries; input stops at Ctrl+Z as text mode
// does.
std::vector<std::string> ParseWorksetText(std::string_view bytes);

// The file's bytes for `entries`: one "%s\r\n" per entry, in order.
std::string FormatWorksetText(const std::vector<std::string>& entries);

// Code page 1252 upper case, as workset paths are stored.
std::string WorksetUpper(std::string_view text);

// The name a workset is saved under: upper-cased, ".SET" appended when it
// does not hold ".SET" anywhere.
std::string WorksetSaveName(std::string_view name);

// A chosen file's entry: directory, a backslash unless it ends with one, the
// file name, upper-cased.
std::string WorksetEntryPath(std::string_view directory, std::string_view fileName);

// Adds `entry` unless an entry with exactly that text is there; the index of
// the entry either way.
std::size_t AddWorksetEntry(std::vector<std::string>& entries, const std::string& entry);

// The wildcards of a type pattern such as "*.c;*.cpp" (blanks around each
// trimmed, empty ones left out).
std::vector<std::string> SplitWorksetPatterns(std::string_view pattern);

// The pick list's area: one item height per line, but eight item heights
// when that would exceed 200 pixels.
int WorksetListHeight(std::size_t lines, int itemHeight);
