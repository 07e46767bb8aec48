#include "editor/view/row_layout.h"

#include "editor/view/colour_scanner.h"
#include "editor/view/line_selection.h"

#include <algorithm>

namespace {

bool IsBookmarked(const ViewPositions& view, TextPos lineStart)
{
    return std::find(view.bookmarks.begin(), view.bookmarks.end(), lineStart) !=
           view.bookmarks.end();
}

// The selection's indices in the display string.
void MapToDisplay(std::string_view raw, const RowLayoutSettings& settings, const PaintLine& line,
                  LineSelection& selection)
{
    if (!selection.Any())
        return;
    auto map = [&](std::int64_t index) {
        std::int64_t shown = static_cast<std::int64_t>(DisplayIndex(
            raw, static_cast<std::size_t>(index), settings.tabLength, settings.showHidden));
        return std::min<std::int64_t>(shown, static_cast<std::int64_t>(line.text.size()));
    };
    std::int64_t first = map(selection.first);
    std::int64_t end = map(selection.last + 1); // exclusive
    selection.first = first;
    selection.last = end - 1;
}

} // namespace

void LayoutRows(const ViewText& text, const ViewPositions& view, const RowLayoutSettings& settings,
                int rowCount, int firstDrawn, int lastDrawn, TopCommentTracker& comments,
                std::vector<RowContent>& rows)
{
    rows.clear();
    bool inComment = settings.colouring && comments.StateAt(text, view.top);
    std::string raw;
    std::vector<ColourRun> scanned;
    TextPos pos = view.top;
    for (int r = 0; r < rowCount && pos != kNoPos && pos <= text.Length(); ++r) {
        RowContent& row = rows.emplace_back();
        row.lineStart = pos;
        TextPos next = text.GetLine(pos, raw);
        row.drawn = r >= firstDrawn && r <= lastDrawn;
        if (!row.drawn) {
            if (settings.colouring)
                inComment = CarryCommentState(raw, inComment);
            pos = next;
            continue;
        }
        ExpandForPaint(raw, settings.tabLength, settings.showHidden, row.line);
        LineSelection selection = SelectionInLine(pos, static_cast<TextPos>(raw.size()),
                                                  next != kNoPos, view.selStart, view.selEnd);
        MapToDisplay(raw, settings, row.line, selection);

        const bool bookmarked = IsBookmarked(view, pos);
        const auto length = static_cast<std::uint32_t>(row.line.text.size());
        if (bookmarked) {
            scanned.assign(1, {0, length, ColourSlot::Bookmark});
        } else if (settings.colouring) {
            bool state = inComment;
            ScanColouredLine(row.line.text, state, scanned);
        } else {
            scanned.assign(1, {0, length, ColourSlot::Text});
        }
        if (length == 0)
            scanned.clear();
        row.runs = MarkSelection(scanned, selection.first, selection.last);
        // A cut line's state comes from all of its bytes, not the shown ones.
        if (settings.colouring)
            inComment = CarryCommentState(raw, inComment);
        row.fill = selection.continues ? RowFill::Marked
                   : bookmarked        ? RowFill::Bookmark
                                       : RowFill::Text;
        pos = next;
    }
}
