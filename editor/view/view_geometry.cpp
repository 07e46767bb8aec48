#include "editor/view/view_geometry.h"

#include "editor/view/paint_line.h"

#include <algorithm>

long long XOfColumn(const ViewMetrics& m, std::size_t column)
{
    return m.TextLeft() + static_cast<long long>(column == 0 ? 0 : column - 1) * m.charWidth;
}

std::size_t ColumnAtX(const ViewMetrics& m, long long x)
{
    long long inside = x - m.TextLeft();
    if (inside < 0 || m.charWidth <= 0)
        return 1;
    return static_cast<std::size_t>(inside / m.charWidth) + 1;
}

long long TextExtent(const ViewMetrics& m, std::string_view line, std::size_t count)
{
    return static_cast<long long>(ColumnAfter(line, count, m.tabLength) - 1) * m.charWidth;
}

TextPos HitTest(const ViewMetrics& m, std::string_view line, TextPos lineStart, long long x)
{
    // The line end gets a cell of its own: measure the line plus one byte.
    const std::size_t cells = line.size() + 1;
    auto extent = [&](std::size_t n) {
        return n <= line.size() ? TextExtent(m, line, n)
                                : TextExtent(m, line, line.size()) + m.charWidth;
    };
    const long long base = 2LL * m.charWidth + m.horizontalOffset;
    if (x > base + extent(cells))
        return lineStart + static_cast<TextPos>(line.size());
    if (x <= base)
        return lineStart;
    // Halve the remaining piece [from, from + size) until one byte is left.
    std::size_t from = 0;
    std::size_t size = cells;
    for (std::size_t half = size / 2; half != 0; half = size / 2) {
        long long split = base + extent(from + half);
        if (split > x) {
            size = half;
        } else {
            from += half;
            size -= half;
        }
    }
    std::size_t result = size == 1 ? from + 1 : from;
    return lineStart + static_cast<TextPos>(std::min(result, line.size()));
}

int MouseRow(const ViewMetrics& m, int y)
{
    if (y <= 0 || m.lineHeight <= 0)
        return 0;
    return (y - 1) / m.lineHeight;
}

int PageLines(const ViewMetrics& m, int clientHeight)
{
    return m.lineHeight > 0 ? std::max(clientHeight, 0) / m.lineHeight : 0;
}

int TextEndRows(const ViewMetrics& m, int clientHeight)
{
    return std::max(PageLines(m, clientHeight) + 1, 2);
}

int CentringLines(const ViewMetrics& m, int clientHeight)
{
    int rows = PageLines(m, clientHeight) + 1;
    return rows > 2 ? rows / 2 : 0;
}

long ScrollScale(long lineCount)
{
    long scale = 1;
    while (lineCount / scale > kMaxScrollRange)
        scale *= 10;
    return scale;
}

HorizontalState ScrollHorizontally(HorizontalState state, HorizontalScroll action, int charWidth,
                                   int track)
{
    switch (action) {
    case HorizontalScroll::LineLeft:
        state.offset = std::min(0, state.offset + charWidth);
        break;
    case HorizontalScroll::LineRight:
        state.offset -= charWidth;
        break;
    case HorizontalScroll::PageLeft:
        state.offset = std::min(0, state.offset + kHorizontalPage * charWidth);
        break;
    case HorizontalScroll::PageRight:
        state.offset -= kHorizontalPage * charWidth;
        break;
    case HorizontalScroll::Track:
        state.offset = -std::clamp(track, 0, kHorizontalSteps) * charWidth;
        break;
    }
    // The bar shows the offset as far as its range goes; the offset may go
    // further when the caret is made visible on a very long line, and the
    // bar must not drift from it on the way back.
    state.position = charWidth > 0 ? std::clamp(-state.offset / charWidth, 0, kHorizontalSteps) : 0;
    return state;
}
