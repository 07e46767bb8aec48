// Screen geometry of a view with a fixed average character width: columns
// and x coordinates, the hit test, the mouse row, and the scroll bars.
#pragma once
#include "editor/doc/text_pos.h"

#include <cstdint>
#include <string_view>

struct ViewMetrics {
    int charWidth = 8; // average character width, also the margin
    int lineHeight = 16;
    int tabLength = 4;        // columns between tab stops
    int horizontalOffset = 0; // 0 or negative

    int TextLeft() const { return charWidth + horizontalOffset; }
};

// x of the left edge of display column `column` (one-based).
long long XOfColumn(const ViewMetrics& m, std::size_t column);
// The display column whose cell holds x (1 for x left of the text).
std::size_t ColumnAtX(const ViewMetrics& m, long long x);
// Width of the first `count` bytes of a display line, tabs expanded.
long long TextExtent(const ViewMetrics& m, std::string_view line, std::size_t count);

// The caret position for a click at x on the line `line` (without its line
// feed) that starts at lineStart.
TextPos HitTest(const ViewMetrics& m, std::string_view line, TextPos lineStart, long long x);

// The row under a mouse y: the largest r with r * lineHeight < y (0 for y <= 0).
int MouseRow(const ViewMetrics& m, int y);

// Vertical scroll bar: lines per unit, a power of ten keeping the range
// within 32767 units.
inline constexpr long kMaxScrollRange = 0x7FFF;
long ScrollScale(long lineCount);
inline long ScrollRange(long lineCount, long scale)
{
    return lineCount / scale;
}

// Lines the top moves for a thumb track to bar position n, when the top is
// at p lines (p = the bar position times the scale after the last scroll).
inline long ThumbTrackLines(long n, long scale, long p)
{
    return n * scale - p;
}
// The bar position that shows a top line (zero-based).
inline long ScrollPositionOf(long topLine, long scale)
{
    return topLine / scale;
}

// Whole rows in the client area: the lines a page moves.
int PageLines(const ViewMetrics& m, int clientHeight);
// Rows shown when jumping to the text's end: a page plus one, at least 2.
int TextEndRows(const ViewMetrics& m, int clientHeight);
// Lines the top goes above the caret line to centre it when the caret is
// brought back into view (0 when only two rows fit).
int CentringLines(const ViewMetrics& m, int clientHeight);

// Horizontal scroll bar: 255 steps of one character width.
inline constexpr int kHorizontalSteps = 255;
inline constexpr int kHorizontalPage = 5;

enum class HorizontalScroll { LineLeft, LineRight, PageLeft, PageRight, Track };

struct HorizontalState {
    int offset = 0;   // pixels, 0 or negative
    int position = 0; // scroll-bar position, 0 .. kHorizontalSteps
    friend bool operator==(const HorizontalState&, const HorizontalState&) = default;
};
// The state after a horizontal scroll action (`track` is the thumb position).
HorizontalState ScrollHorizontally(HorizontalState state, HorizontalScroll action, int charWidth,
                                   int track = 0);
