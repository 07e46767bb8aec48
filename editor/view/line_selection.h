// The part of one line that a selection covers, and the coloured runs of
// that line with the selected bytes split off into the Marked slot.
#pragma once
#include "editor/doc/text_pos.h"
#include "editor/view/colour_slot.h"

#include <cstdint>
#include <vector>

struct LineSelection {
    std::int64_t first = -1; // index of the first selected byte, -1: none
    std::int64_t last = -1;  // index of the last selected byte (inclusive)
    bool continues = false;  // the line feed is selected: fill past the end

    bool Any() const { return first >= 0; }
    friend bool operator==(const LineSelection&, const LineSelection&) = default;
};

// The selected part of the line [lineStart, lineStart + lineLength) (its line
// feed, if any, at lineStart + lineLength) for the selection [selStart,
// selEnd); hasLineFeed is false for the last line of the text.
LineSelection SelectionInLine(TextPos lineStart, TextPos lineLength, bool hasLineFeed,
                              TextPos selStart, TextPos selEnd);

// Splits `runs` so that the bytes first..last show in the Marked slot.
std::vector<ColourRun> MarkSelection(const std::vector<ColourRun>& runs, std::int64_t first,
                                     std::int64_t last);
