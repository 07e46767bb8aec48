#include "editor/view/line_selection.h"

#include <algorithm>

LineSelection SelectionInLine(TextPos lineStart, TextPos lineLength, bool hasLineFeed,
                              TextPos selStart, TextPos selEnd)
{
    LineSelection result;
    if (selStart == kNoPos || selEnd == kNoPos || selStart >= selEnd)
        return result;
    const std::uint64_t start = lineStart;
    const std::uint64_t end = start + lineLength; // the line feed's position
    if (selEnd <= start || selStart > end)
        return result;
    if (selStart == end && !hasLineFeed)
        return result;
    // Selected bytes of the line proper.
    std::uint64_t from = std::max<std::uint64_t>(selStart, start);
    std::uint64_t to = std::min<std::uint64_t>(selEnd, end); // exclusive
    result.continues = hasLineFeed && selEnd > end;
    if (to > from) {
        result.first = static_cast<std::int64_t>(from - start);
        result.last = static_cast<std::int64_t>(to - start) - 1;
    } else if (result.continues) {
        // Only the line feed is selected: an empty selected part at the end.
        result.first = static_cast<std::int64_t>(lineLength);
        result.last = result.first - 1;
    }
    return result;
}

std::vector<ColourRun> MarkSelection(const std::vector<ColourRun>& runs, std::int64_t first,
                                     std::int64_t last)
{
    if (first < 0 || last < first)
        return runs;
    std::vector<ColourRun> out;
    out.reserve(runs.size() + 2);
    auto push = [&](std::int64_t b, std::int64_t e, ColourSlot slot) {
        if (e > b)
            out.push_back({static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(e - b), slot});
    };
    for (const ColourRun& run : runs) {
        std::int64_t b = run.begin;
        std::int64_t e = b + run.length;
        std::int64_t markB = std::clamp(first, b, e);
        std::int64_t markE = std::clamp(last + 1, b, e);
        push(b, markB, run.slot);
        push(markB, markE, ColourSlot::Marked);
        push(markE, e, run.slot);
    }
    return out;
}
