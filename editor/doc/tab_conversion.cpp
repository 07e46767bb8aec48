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

// The column after [p, p + n) when it starts at column `col`.
std::size_t ColumnAfter(const char* p, std::size_t n, std::size_t col)
{
    const char* lineFeed = byte_scan::FindLast(p, n, '\n');
    return lineFeed ? static_cast<std::size_t>(p + n - lineFeed - 1) : col + n;
}

// The first blank followed by a blank, or tab, in [p, p + n); p + n when
// none.  Eight bytes are tested at a time: in program text such a spot
// comes every few words, so the test must be cheap per byte.
const char* FindBlankPairOrTab(const char* p, std::size_t n)
{
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; i + 9 <= n; i += 8) {
            const std::uint64_t word = byte_scan::Load8(p + i);
            const std::uint64_t hits = byte_scan::MatchMask(word, '\t') |
                                       (byte_scan::MatchMask(word, ' ') &
                                        byte_scan::MatchMask(byte_scan::Load8(p + i + 1), ' '));
            if (hits != 0)
                return p + i + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
        }
    }
    for (; i < n; ++i)
        if (p[i] == '\t' || (p[i] == ' ' && i + 1 < n && p[i + 1] == ' '))
            return p + i;
    return p + n;
}

} // namespace

std::size_t ExpandedSizeBound(std::string_view text, int tabLength)
{
    const auto t = static_cast<std::size_t>(SafeTab(tabLength));
    return text.size() + byte_scan::Count(text.data(), text.size(), '\t') * (t - 1);
}

// The bytes between two tabs go over in one piece: a 10 MB text converts
// at close to copying speed.
std::size_t ExpandTabsTo(std::string_view text, int tabLength, char* out)
{
    const auto t = static_cast<std::size_t>(SafeTab(tabLength));
    char* const start = out;
    const char* p = text.data();
    const char* end = p + text.size();
    std::size_t col = 0;
    while (p < end) {
        const char* tab = byte_scan::FindFirst(p, static_cast<std::size_t>(end - p), '\t');
        const char* stop = tab ? tab : end;
        const auto n = static_cast<std::size_t>(stop - p);
        std::memcpy(out, p, n);
        out += n;
        col = ColumnAfter(p, n, col);
        if (!tab)
            break;
        const std::size_t blanks = t - col % t;
        std::memset(out, ' ', blanks);
        out += blanks;
        col += blanks;
        p = tab + 1;
    }
    return static_cast<std::size_t>(out - start);
}

std::size_t CompressBlanksTo(std::string_view text, int tabLength, char* out)
{
    const auto t = static_cast<std::size_t>(SafeTab(tabLength));
    char* const start = out;
    const char* p = text.data();
    const char* end = p + text.size();
    std::size_t col = 0;
    while (p < end) {
        // Single blanks and other bytes go over in one piece.
        const char* hit = FindBlankPairOrTab(p, static_cast<std::size_t>(end - p));
        const auto n = static_cast<std::size_t>(hit - p);
        std::memcpy(out, p, n);
        out += n;
        col = ColumnAfter(p, n, col);
        p = hit;
        if (p == end)
            break;
        if (*p == '\t') {
            *out++ = '\t'; // a tab already in the text keeps the columns after it
            col = (col / t + 1) * t;
            ++p;
            continue;
        }
        std::size_t run = 1;
        std::size_t after = col + 1;
        while (after % t != 0 && p + run < end && p[run] == ' ') {
            ++run;
            ++after;
        }
        if (after % t == 0 && run >= 2) {
            *out++ = '\t';
        } else {
            std::memset(out, ' ', run);
            out += run;
        }
        col = after;
        p += run;
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
