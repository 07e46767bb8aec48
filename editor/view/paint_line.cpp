#include "editor/view/paint_line.h"

#include <algorithm>

namespace {

std::size_t NextTabStop(std::size_t column, int tabLength)
{
    std::size_t t = static_cast<std::size_t>(std::max(tabLength, 1));
    return column + t - (column - 1) % t;
}

} // namespace

std::size_t ColumnAfter(std::string_view text, std::size_t count, int tabLength)
{
    std::size_t column = 1;
    count = std::min(count, text.size());
    for (std::size_t i = 0; i < count; ++i)
        column = text[i] == '\t' ? NextTabStop(column, tabLength) : column + 1;
    return column;
}

void ExpandForPaint(std::string_view line, int tabLength, bool showHidden, PaintLine& out)
{
    out.text.clear();
    out.cut = false;
    // The last byte of the buffer is kept for the cut mark.
    constexpr std::size_t kRoom = kPaintBufferSize - 1;
    if (!showHidden) {
        if (line.size() <= kPaintBufferSize) {
            out.text.assign(line);
            return;
        }
        out.text.assign(line.substr(0, kRoom));
        out.text.push_back(kCutMark);
        out.cut = true;
        return;
    }
    out.text.reserve(std::min(line.size() * 2 + 1, kPaintBufferSize));
    std::size_t column = 1;
    for (char c : line) {
        std::size_t next = c == '\t' ? NextTabStop(column, tabLength) : column + 1;
        std::size_t need = (c == '\t' && next - column > 1) ? 2 : 1;
        if (out.text.size() + need > kRoom) {
            out.text.push_back(kCutMark);
            out.cut = true;
            return;
        }
        if (c == ' ') {
            out.text.push_back(kShownBlank);
        } else if (c == '\t') {
            out.text.push_back(kShownTab);
            if (need == 2)
                out.text.push_back('\t');
        } else {
            out.text.push_back(c);
        }
        column = next;
    }
    out.text.push_back(kShownLineEnd); // fits: the loop kept the last byte free
}

std::size_t DisplayIndex(std::string_view line, std::size_t index, int tabLength, bool showHidden)
{
    index = std::min(index, line.size());
    if (!showHidden)
        return index;
    std::size_t column = 1;
    std::size_t display = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t next = line[i] == '\t' ? NextTabStop(column, tabLength) : column + 1;
        display += (line[i] == '\t' && next - column > 1) ? 2 : 1;
        column = next;
    }
    return display;
}
