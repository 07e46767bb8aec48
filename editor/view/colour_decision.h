// Whether a document's view is coloured, decided by its path's extension.
#pragma once
#include <string_view>

// True for paths ending (compared without case) in ".c", ".cpp", ".h" or
// ".hpp", taken from the last '.'; an empty path (untitled) is never coloured.
bool IsColouredPath(std::string_view path);

// The whole decision: the ColorMode setting and the path.
inline bool DecideColouring(bool colorMode, std::string_view path)
{
    return colorMode && IsColouredPath(path);
}
