// What the paint loop draws, row by row, for the rows of a window: the
// display string of each line, its runs in colour slots with the selection
// split off, and how the rest of the row is filled.
#pragma once
#include "editor/view/change_notice.h"
#include "editor/view/colour_slot.h"
#include "editor/view/comment_walk.h"
#include "editor/view/paint_line.h"
#include "editor/view/view_text.h"

#include <vector>

struct RowLayoutSettings {
    bool colouring = false;
    bool showHidden = false;
    int tabLength = 4;
};

enum class RowFill { Text, Bookmark, Marked };

struct RowContent {
    TextPos lineStart = 0;
    bool drawn = false; // inside the clip rows; the others carry state only
    PaintLine line;
    std::vector<ColourRun> runs;  // cover line.text in order
    RowFill fill = RowFill::Text; // right of the drawn text
};

// Lays out rows [0, rowCount) from view.top; rows outside [firstDrawn,
// lastDrawn] get no runs.  Rows past the text's last line are not produced
// (the caller fills them with TextBk).  `comments` keeps the comment state
// at the top between paints.
void LayoutRows(const ViewText& text, const ViewPositions& view, const RowLayoutSettings& settings,
                int rowCount, int firstDrawn, int lastDrawn, TopCommentTracker& comments,
                std::vector<RowContent>& rows);
