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
    std::size_t Length() const { return m_t; }
    // Columns from col to the next tab stop (1..t).
    std::size_t ToNext(std::size_t col) const
    {
        return m_t - (m_pow2 ? col & (m_t - 1) : col % m_t);
    }

private:
    std::size_t m_t;
    bool m_pow2;
};

// The index of the highest set bit of a nonzero mask.
unsigned Highest(unsigned bits)
{
    return static_cast<unsigned>(std::bit_width(bits)) - 1;
}

// The bits of [from, to) of a 16-bit mask.
unsigned Between(unsigned bits, unsigned from, unsigned to)
{
    return bits & ((1u << to) - 1) & ~((1u << from) - 1);
}

constexpr char kBlanks16[17] = "                ";

} // namespace

std::size_t ExpandedSizeBound(std::string_view text, int tabLength)
{
    const auto t = static_cast<std::size_t>(SafeTab(tabLength));
    return text.size() + byte_scan::Count(text.data(), text.size(), '\t') * (t - 1);
}

// The input goes by in blocks of sixteen bytes at a fixed stride, so that
// the next block's test never waits for this one's result; within a block
// each tab ends a piece that is copied in one store.  The stores may run
// ahead of what is final, but never past the end of the result: 32 bytes
// still to come write at least 32.
std::size_t ExpandTabsTo(std::string_view text, int tabLength, char* out)
{
    const TabStops stops(tabLength);
    char* const start = out;
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* lineOut = out; // the current line's start in the output
    // Copies the block's bytes [from, to), which hold no tab.
    const auto copyPiece = [&](unsigned feeds, unsigned from, unsigned to) {
        std::memcpy(out, p + from, 16);
        if (const unsigned lineFeeds = Between(feeds, from, to))
            lineOut = out + (Highest(lineFeeds) - from) + 1;
        out += to - from;
    };
    for (; end - p >= 32; p += 16) {
        const unsigned feeds = byte_scan::MatchBits16(p, '\n');
        unsigned from = 0;
        for (unsigned tabs = byte_scan::MatchBits16(p, '\t'); tabs != 0; tabs &= tabs - 1) {
            const auto k = static_cast<unsigned>(std::countr_zero(tabs));
            copyPiece(feeds, from, k);
            const std::size_t blanks = stops.ToNext(static_cast<std::size_t>(out - lineOut));
            if (blanks <= 16)
                std::memcpy(out, kBlanks16, 16);
            else
                std::memset(out, ' ', blanks);
            out += blanks;
            from = k + 1;
        }
        copyPiece(feeds, from, 16);
    }
    for (; p < end; ++p) {
        if (*p == '\t') {
            const std::size_t blanks = stops.ToNext(static_cast<std::size_t>(out - lineOut));
            std::memset(out, ' ', blanks);
            out += blanks;
            continue;
        }
        *out++ = *p;
        if (*p == '\n')
            lineOut = out;
    }
    return static_cast<std::size_t>(out - start);
}

// The same way as above, stopping at a tab or at a blank followed by a
// blank; single blanks between words go over with the rest.  The output is
// never ahead of the input, so the block stores stay inside it.
std::size_t CompressBlanksTo(std::string_view text, int tabLength, char* out)
{
    const TabStops stops(tabLength);
    char* const start = out;
    const char* const begin = text.data();
    const char* p = begin;
    const char* const end = p + text.size();
    // The column of the byte at offset i is i - lineIn; a tab moves lineIn.
    std::ptrdiff_t lineIn = 0;
    // Writes what the tab or blank at q becomes; returns the byte after it.
    const auto convert = [&](const char* q) {
        const auto col = static_cast<std::size_t>((q - begin) - lineIn);
        const std::size_t toStop = stops.ToNext(col);
        if (*q == '\t') {
            // A tab already in the text keeps the columns after it.
            *out++ = '\t';
            lineIn = (q + 1 - begin) - static_cast<std::ptrdiff_t>(col + toStop);
            return q + 1;
        }
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
        return q + run;
    };
    const auto copyPiece = [&](unsigned feeds, unsigned from, unsigned to) {
        std::memcpy(out, p + from, 16);
        if (const unsigned lineFeeds = Between(feeds, from, to))
            lineIn = (p - begin) + Highest(lineFeeds) + 1;
        out += to - from;
    };
    while (end - p >= 33) {
        const unsigned feeds = byte_scan::MatchBits16(p, '\n');
        unsigned hits = byte_scan::MatchBits16(p, '\t') |
                        (byte_scan::MatchBits16(p, ' ') & byte_scan::MatchBits16(p + 1, ' '));
        std::size_t from = 0;
        while (hits != 0) {
            const auto k = static_cast<unsigned>(std::countr_zero(hits));
            copyPiece(feeds, static_cast<unsigned>(from), k);
            from = static_cast<std::size_t>(convert(p + k) - p);
            // A run of blanks may reach into the next block.
            hits = from < 16 ? hits & ~((1u << from) - 1) : 0;
        }
        if (from < 16) {
            copyPiece(feeds, static_cast<unsigned>(from), 16);
            from = 16;
        }
        p += from;
    }
    while (p < end) {
        if (*p == '\t' || *p == ' ') {
            p = convert(p);
            continue;
        }
        *out++ = *p;
        if (*p++ == '\n')
            lineIn = p - begin;
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
