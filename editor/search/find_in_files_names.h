// The lists a find-in-files request is made of: masks, directories, and the
// file names of one directory in search order.
#pragma once
#include "editor/search/find_in_files_fs.h"

#include <string>
#include <string_view>
#include <vector>

// The masks of a file spec, split at blanks; empty pieces give nothing.
std::vector<std::string> SplitMasks(std::string_view spec);

// The directories of the directory field, split at ";"; empty pieces give
// nothing.
std::vector<std::string> SplitDirectories(std::string_view field);

// Wildcard match without regard to case: "*" any run, "?" one character; a
// mask ending in ".*" also takes names without a dot, as "*.*" takes all.
bool MaskMatches(std::string_view mask, std::string_view name);

// Orders names as a sorted list box does: ignoring case, then by bytes.
bool NameLessIgnoringCase(std::string_view a, std::string_view b);

// The ordinary, read-only and archive files of the directory matching any
// mask, each once, sorted ignoring case.
std::vector<std::string> FilesToSearch(FindFileSystem& fs, const std::string& directory,
                                       const std::vector<std::string>& masks);

// The path of a listed file: the directory, a backslash, the name.
std::string JoinPath(const std::string& directory, const std::string& name);
