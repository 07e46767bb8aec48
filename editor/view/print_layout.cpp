#include "editor/view/print_layout.h"

#include "editor/view/colour_scanner.h"

#include <algorithm>
#include <cstdio>

PrintStyle ChoosePrintStyle(bool viewColouring, int printerColours, bool useColour, bool bold,
                            bool italic, bool underline)
{
    PrintStyle style;
    style.colour = viewColouring && (printerColours < 0 || printerColours > 2) && useColour;
    style.keywordFont = viewColouring && (bold || italic || underline);
    return style;
}

PrintLayout::PrintLayout(const PrintSetup& setup) : m_setup(setup)
{
    m_setup.lineHeight = std::max(1, m_setup.lineHeight);
    m_setup.tabWidth = std::max(1, m_setup.tabWidth);
    m_bodyHeight = m_setup.height - (m_setup.header ? 2 * L() : 0) - (m_setup.footer ? 2 * L() : 0);
}

int PrintLayout::NextStop(int x) const
{
    return (x / m_setup.tabWidth + 1) * m_setup.tabWidth;
}

int PrintLayout::TabbedWidth(PrintSurface& surface, std::string_view text) const
{
    int x = 0;
    for (;;) {
        const std::size_t tab = text.find('\t');
        x += surface.TextWidth(text.substr(0, tab), ColourSlot::Text);
        if (tab == std::string_view::npos)
            return x;
        x = NextStop(x);
        text.remove_prefix(tab + 1);
    }
}

int PrintLayout::DrawTabbed(PrintSurface& surface, int x, int y, std::string_view text,
                            ColourSlot slot, int origin) const
{
    for (;;) {
        const std::size_t tab = text.find('\t');
        const std::string_view piece = text.substr(0, tab);
        if (!piece.empty()) {
            surface.DrawText(x, y, piece, slot);
            x += surface.TextWidth(piece, slot);
        }
        if (tab == std::string_view::npos)
            return x;
        x = origin + NextStop(x - origin);
        text.remove_prefix(tab + 1);
    }
}

std::size_t PrintLayout::FitCount(PrintSurface& surface, std::string_view prefix,
                                  std::string_view rest) const
{
    if (rest.empty())
        return 0;
    const int w = m_setup.width;
    int x = TabbedWidth(surface, prefix);
    std::size_t count = 0;
    while (count < rest.size()) {
        const std::string_view tail = rest.substr(count);
        const std::size_t tab = tail.find('\t');
        const std::string_view piece = tail.substr(0, tab);
        const int pieceWidth = surface.TextWidth(piece, ColourSlot::Text);
        if (x + pieceWidth > w) {
            // The widest prefix of the piece that still fits.
            std::size_t lo = 0, hi = piece.size();
            while (lo < hi) {
                const std::size_t mid = lo + (hi - lo + 1) / 2;
                if (x + surface.TextWidth(piece.substr(0, mid), ColourSlot::Text) <= w)
                    lo = mid;
                else
                    hi = mid - 1;
            }
            count += lo;
            break;
        }
        x += pieceWidth;
        count += piece.size();
        if (tab == std::string_view::npos)
            break;
        x = NextStop(x);
        if (x > w)
            break;
        ++count;
    }
    return std::max<std::size_t>(count, 1);
}

int PrintLayout::AlignedX(PrintSurface& surface, std::string_view text, PrintAlign align) const
{
    switch (align) {
    case PrintAlign::Centre:
        return m_setup.width / 2 - TabbedWidth(surface, text) / 2;
    case PrintAlign::Right:
        return m_setup.width - TabbedWidth(surface, text);
    case PrintAlign::Left:
        break;
    }
    return 0;
}

void PrintLayout::DrawFrame(PrintSurface& surface, std::string_view header,
                            std::string_view footer) const
{
    if (m_setup.header) {
        const int x = AlignedX(surface, header, m_setup.headerAlign);
        DrawTabbed(surface, x, 0, header, ColourSlot::Text, x);
        surface.DrawRule(HeaderRuleY(), m_setup.width);
    }
    if (m_setup.footer) {
        surface.DrawRule(FooterRuleY(), m_setup.width);
        const int x = AlignedX(surface, footer, m_setup.footerAlign);
        DrawTabbed(surface, x, FooterY(), footer, ColourSlot::Text, x);
    }
}

namespace {

// The body line prefix: the line number (or a tab in its place on a
// continuation) and one more tab on a continuation.
void MakePrefix(const PrintSetup& setup, long line, bool continuation, std::string& prefix)
{
    prefix.clear();
    if (setup.lineNumbers) {
        if (continuation) {
            prefix = "\t";
        } else {
            char number[24];
            std::snprintf(number, sizeof number, "%ld\t", line);
            prefix = number;
        }
    }
    if (continuation)
        prefix += '\t';
}

// Draws bytes [from, from + count) of a text line after its prefix, each
// piece in the slot of its colouring run.
void DrawBodyLine(const PrintLayout& layout, PrintSurface& surface, int y, std::string_view prefix,
                  std::string_view line, std::size_t from, std::size_t count,
                  const std::vector<ColourRun>& runs)
{
    int x = layout.DrawTabbed(surface, 0, y, prefix, ColourSlot::Text, 0);
    if (runs.empty()) {
        layout.DrawTabbed(surface, x, y, line.substr(from, count), ColourSlot::Text, 0);
        return;
    }
    const std::size_t to = from + count;
    for (const ColourRun& run : runs) {
        const std::size_t begin = std::max<std::size_t>(run.begin, from);
        const std::size_t end = std::min<std::size_t>(run.begin + run.length, to);
        if (begin < end)
            x = layout.DrawTabbed(surface, x, y, line.substr(begin, end - begin), run.slot, 0);
    }
}

} // namespace

PrintPageEnd RunPrintPage(const ViewText& text, const PrintRange& range, const PrintLayout& layout,
                          const PrintPageStart& start, PrintSurface& surface, bool draw,
                          bool inComment)
{
    const PrintSetup& setup = layout.Setup();
    const TextPos length = text.Length();
    PrintPageEnd result;
    int y = layout.BodyTop();
    TextPos pos = start.pos;
    long line = start.line;
    bool continuation = start.continuation;
    std::string lineText;
    std::string prefix;
    std::vector<ColourRun> runs;
    while (pos < length) {
        const TextPos after = text.GetLine(pos, lineText);
        runs.clear();
        if (draw && setup.styled)
            ScanColouredLine(lineText, inComment, runs);
        std::size_t offset = 0;
        do {
            // A page holds one body line at least, however short it is.
            if (result.lines > 0 && !layout.LineFits(y)) {
                result.next = {pos + static_cast<TextPos>(offset), line, continuation};
                return result;
            }
            MakePrefix(setup, line, continuation, prefix);
            const std::string_view rest = std::string_view(lineText).substr(offset);
            const std::size_t count = layout.FitCount(surface, prefix, rest);
            if (draw)
                DrawBodyLine(layout, surface, y, prefix, lineText, offset, count, runs);
            ++result.lines;
            y += setup.lineHeight;
            offset += count;
            continuation = offset < lineText.size();
        } while (continuation);
        ++line;
        if (after == kNoPos) {
            pos = length;
            break;
        }
        pos = after;
        if (range.selectionEnd != kNoPos && pos > range.selectionEnd)
            break;
    }
    result.next = {pos, line, false};
    result.done = true;
    return result;
}

std::vector<PrintPageStart> PaginateForPrint(const ViewText& text, const PrintRange& range,
                                             const PrintLayout& layout, PrintSurface& surface)
{
    std::vector<PrintPageStart> pages;
    PrintPageStart start{range.start, LineNumberAt(text, range.start), false};
    for (;;) {
        pages.push_back(start);
        const PrintPageEnd end = RunPrintPage(text, range, layout, start, surface, false);
        if (end.done)
            return pages;
        start = end.next;
    }
}

long LineNumberAt(const ViewText& text, TextPos pos)
{
    pos = std::min(pos, text.Length());
    long line = 1;
    TextPos at = 0;
    while (at < pos) {
        std::string_view piece = text.PieceFrom(at).substr(0, pos - at);
        line += static_cast<long>(std::count(piece.begin(), piece.end(), '\n'));
        at += static_cast<TextPos>(piece.size());
    }
    return line;
}
