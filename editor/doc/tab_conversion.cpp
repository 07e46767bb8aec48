#include "editor/doc/tab_conversion.h"

#include "editor/doc/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tab_conversion {

namespace {

int SafeTab(int tabLength)
{
    return tabLength < 1 ? 1 : tabLength;
}

// Column arithmetic with the common tab lengths (powers of two) kept free of
// divisions: the kernels below do it once per tab.
class TabStops {
public:
    explicit TabStops(int tabLength)
        : m_t(static_cast<std::size_t>(SafeTab(tabLength))), m_pow2((m_t & (m_t - 1)) == 0)
    {
    }
    // Columns from col to the next tab stop (1..t).
    std::size_t ToNext(std::size_t col) const
    {
        return m_t - (m_pow2 ? col & (m_t - 1) : col % m_t);
    }

private:
    std::size_t m_t;
    bool m_pow2;
};

// The last line feed in [from, to) of a text starting at `begin`, null
// when none.  Sixteen bytes ending at `to` are tested at once, reaching
// before `from` where the text allows: the span is mostly a few bytes and
// its line feed, when there is one, lies at its end.
const char* LastLineFeed(const char* begin, const char* from, const char* to)
{
    while (to - from >= 16 || (to > from && to - begin >= 16)) {
        unsigned bits = byte_scan::MatchBits16(to - 16, '\n');
        const std::ptrdiff_t span = to - from;
        if (span < 16)
            bits &= ~((1u << (16 - span)) - 1);
        if (bits != 0)
            return to - 16 + (std::bit_width(bits) - 1);
        if (span <= 16)
            return nullptr;
        to -= 16;
    }
    while (to > from)
        if (*--to == '\n')
            return to;
    return nullptr;
}

constexpr char kBlanks16[17] = "                ";

} // namespace

std::size_t ExpandedSizeBound(std::string_view text, int tabLength)
{
    const auto t = static_cast<std::size_t>(SafeTab(tabLength));
    return text.size() + byte_scan::Count(text.data(), text.size(), '\t') * (t - 1);
}

// Sixteen bytes are tested and copied at a time and only a tab stops the
// copy; the line start a tab's column counts from is looked for only then,
// back to the previous tab.  The block stores may run ahead of what is
// final, but never past the end of the result: 32 bytes still to come write
// at least 32.
std::size_t ExpandTabsTo(std::string_view text, int tabLength, char* out)
{
    const TabStops stops(tabLength);
    char* const start = out;
    const char* const begin = text.data();
    const char* p = begin;
    const char* const end = p + text.size();
    // Where the last tab's blanks end, in the input and the output, and the
    // output's line start there: between the two, bytes go over one to one.
    const char* settledIn = begin;
    const char* settledOut = out;
    const char* lineOut = out;
    const auto expand = [&](const char* tab) {
        if (const char* feed = LastLineFeed(begin, settledIn, tab))
            lineOut = settledOut + (feed + 1 - settledIn);
        const std::size_t blanks = stops.ToNext(static_cast<std::size_t>(out - lineOut));
        if (blanks <= 16 && end - tab > 16)
            std::memcpy(out, kBlanks16, 16);
        else
            std::memset(out, ' ', blanks);
        out += blanks;
        settledIn = tab + 1;
        settledOut = out;
    };
    for (; end - p >= 32; p += 16) {
        unsigned tabs = byte_scan::MatchBits16(p, '\t');
        std::memcpy(out, p, 16);
        if (tabs == 0) {
            out += 16;
            continue;
        }
        unsigned from = 0;
        do {
            const auto k = static_cast<unsigned>(std::countr_zero(tabs));
            std::memcpy(out, p + from, 16);
            out += k - from;
            expand(p + k);
            from = k + 1;
            tabs &= tabs - 1;
        } while (tabs != 0);
        std::memcpy(out, p + from, 16);
        out += 16 - from;
    }
    for (; p < end; ++p) {
        if (*p == '\t')
            expand(p);
        else
            *out++ = *p;
    }
    return static_cast<std::size_t>(out - start);
}

// The same way as above, stopping only at a blank followed by a blank: tabs
// and single blanks go over with the rest, and a run's column is counted
// from its line start or the previous run.  The output is never ahead of
// the input, so the block stores stay inside it.
std::size_t CompressBlanksTo(std::string_view text, int tabLength, char* out)
{
    const TabStops stops(tabLength);
    char* const start = out;
    const char* const begin = text.data();
    const char* p = begin;
    const char* const end = p + text.size();
    const char* settled = begin; // the end of the last run, at column settledCol
    std::size_t settledCol = 0;
    const auto columnOf = [&](const char* q) {
        const char* from = settled;
        std::size_t col = settledCol;
        if (const char* feed = LastLineFeed(begin, settled, q)) {
            from = feed + 1;
            col = 0;
        }
        for (; from < q; ++from)
            col += *from == '\t' ? stops.ToNext(col) : 1;
        return col;
    };
    // Writes what the blanks from q become; returns the byte after them.
    const auto compress = [&](const char* q) {
        const std::size_t col = columnOf(q);
        const std::size_t toStop = stops.ToNext(col);
        // Blanks up to the next tab stop become one tab when there are two
        // or more of them; fewer, or a run cut short, stay blanks.
        std::size_t run = 1;
        while (run < toStop && q + run < end && q[run] == ' ')
            ++run;
        if (run == toStop && run >= 2) {
            *out++ = '\t';
        } else {
            std::memset(out, ' ', run);
            out += run;
        }
        settled = q + run;
        settledCol = col + run;
        return settled;
    };
    while (end - p >= 33) {
        unsigned pairs = byte_scan::MatchBits16(p, ' ') & byte_scan::MatchBits16(p + 1, ' ');
        std::memcpy(out, p, 16);
        if (pairs == 0) {
            out += 16;
            p += 16;
            continue;
        }
        std::size_t from = 0;
        do {
            const auto k = static_cast<unsigned>(std::countr_zero(pairs));
            std::memcpy(out, p + from, 16);
            out += k - from;
            from = static_cast<std::size_t>(compress(p + k) - p);
            // A run may reach into the next block.
            pairs = from < 16 ? pairs & ~((1u << from) - 1) : 0;
        } while (pairs != 0);
        if (from < 16) {
            std::memcpy(out, p + from, 16);
            out += 16 - from;
            from = 16;
        }
        p += from;
    }
    while (p < end) {
        if (*p == ' ')
            p = compress(p);
        else
            *out++ = *p++;
    }
    return static_cast<std::size_t>(out - start);
}

std::string ExpandTabs(std::string_view text, int tabLength)
{
    std::string out(ExpandedSizeBound(text, tabLength), '\0');
    out.resize(ExpandTabsTo(text, tabLength, out.data()));
    return out;
}

std::string CompressBlanks(std::string_view text, int tabLength)
{
    std::string out(text.size(), '\0');
    out.resize(CompressBlanksTo(text, tabLength, out.data()));
    return out;
}

} // namespace tab_conversion
