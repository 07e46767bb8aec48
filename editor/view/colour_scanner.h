// The colouring scanner: splits one display line into coloured runs and
// carries the block-comment state from line to line.
#pragma once
#include "editor/view/colour_slot.h"

#include <string_view>
#include <vector>

// Scanner word characters: ASCII letters, '#' and '_' (digits end a word).
bool IsScannerWordChar(unsigned char c);

// Replaces `runs` with the runs of `line` in order, covering every byte
// (adjacent runs may share a slot).  `inComment` says whether the line
// starts inside a block comment and returns whether the next one does.
void ScanColouredLine(std::string_view line, bool& inComment, std::vector<ColourRun>& runs);

// The comment state after `line`, exactly as drawing it would leave it, for
// rows that are not drawn.
bool CarryCommentState(std::string_view line, bool inComment);
