#include "editor/doc/line_queries.h"

#include <algorithm>
#include <climits>

namespace line_query {

namespace {

int SafeTab(int tabLength)
{
    return tabLength < 1 ? 1 : tabLength;
}

} // namespace

TextPos LineStart(const GapBuffer& text, TextPos pos)
{
    TextPos lf = text.FindBack(std::min(pos, text.Length()), '\n');
    return lf == kNoPos ? 0 : lf + 1;
}

TextPos LineEnd(const GapBuffer& text, TextPos pos)
{
    return text.Find(pos, text.Length(), '\n');
}

TextPos GetLine(const GapBuffer& text, TextPos pos, std::string& out)
{
    pos = std::min(pos, text.Length());
    TextPos end = LineEnd(text, pos);
    out = text.Text(pos, end);
    return end < text.Length() ? end + 1 : kNoPos;
}

int CountLines(const GapBuffer& text, TextPos a, TextPos b)
{
    TextPos low = std::min(a, b);
    TextPos high = std::max(a, b);
    std::size_t n = text.Count(low, high, '\n');
    int count = n > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
    return b < a ? -count : count;
}

TextPos MoveLines(const GapBuffer& text, TextPos pos, int n)
{
    GapBuffer::Access access(text);
    TextPos length = text.Length();
    if (n > 0) {
        TextPos p = std::min(pos, length);
        for (int i = 0; i < n; ++i) {
            TextPos lf = text.Find(p, length, '\n');
            if (lf == length)
                return LineStart(text, length);
            p = lf + 1;
        }
        return p;
    }
    TextPos start = LineStart(text, pos);
    for (int i = 0; i > n && start > 0; --i)
        start = LineStart(text, start - 1);
    return start;
}

int NextTabStop(int col, int tabLength)
{
    int t = SafeTab(tabLength);
    return col - (col - 1) % t + t;
}

int ColumnOfPos(const GapBuffer& text, TextPos pos, int tabLength)
{
    GapBuffer::Access access(text);
    pos = std::min(pos, text.Length());
    TextSpans spans = text.Spans(LineStart(text, pos), pos);
    int col = 1;
    for (std::string_view part : {spans.first, spans.second})
        for (char c : part)
            col = c == '\t' ? NextTabStop(col, tabLength) : col + 1;
    return col;
}

int PosOfColumn(const GapBuffer& text, TextPos& pos, int col, int tabLength)
{
    GapBuffer::Access access(text);
    TextPos p = LineStart(text, std::min(pos, text.Length()));
    TextSpans spans = text.Spans(p, text.Length());
    int reached = 1;
    for (std::string_view part : {spans.first, spans.second}) {
        for (char c : part) {
            if (reached >= col || c == '\n' || c == '\0') {
                pos = p;
                return reached;
            }
            reached = c == '\t' ? NextTabStop(reached, tabLength) : reached + 1;
            ++p;
        }
    }
    pos = p;
    return reached;
}

} // namespace line_query
