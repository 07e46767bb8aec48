#include "editor/doc/doc_conversions.h"
#include "editor/doc/byte_scan.h"
#include "editor/doc/line_queries.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace doc_convert {

namespace {

bool IsRunChar(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == 'x' ||
           c == 'X';
}

std::uint32_t ParseDigits(std::string_view digits, std::uint32_t radix)
{
    std::uint32_t value = 0;
    for (char c : digits) {
        if (c >= '0' && c <= '9')
            value = value * radix + static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'z')
            value = value * 16 + static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'Z')
            value = value * 16 + static_cast<std::uint32_t>(c - 'A' + 10);
    }
    return value;
}

} // namespace

std::string ConvertNumber(std::string_view text, int radix)
{
    if (text.size() > kMaxNumberText)
        return {};
    std::size_t runLength = 0;
    while (runLength < text.size() && IsRunChar(text[runLength]))
        ++runLength;
    if (runLength == 0)
        return {};
    std::string_view run = text.substr(0, runLength);
    int source = 10;
    std::string_view digits = run;
    if (run[0] == '0') {
        if (run.size() > 1 && (run[1] == 'x' || run[1] == 'X')) {
            source = 16;
            digits = run.substr(2);
        } else {
            source = 8;
        }
    } else if (runLength < text.size() && (text[runLength] == 'h' || text[runLength] == 'H')) {
        source = 16;
    }
    if (source == radix)
        return std::string(run);
    std::uint32_t value = ParseDigits(digits, static_cast<std::uint32_t>(source));
    char out[16];
    if (radix == 8)
        std::snprintf(out, sizeof out, "0%lo", static_cast<unsigned long>(value));
    else if (radix == 16)
        std::snprintf(out, sizeof out, "0x%lX", static_cast<unsigned long>(value));
    else
        std::snprintf(out, sizeof out, "%ld", static_cast<long>(static_cast<std::int32_t>(value)));
    return out;
}

namespace {

int FirstColumn(const ReformatParams& p)
{
    return p.startColumn < 1 ? 1 : p.startColumn;
}

// The bytes that do not simply take the next column.
bool IsStop(char c, bool keepBreaks)
{
    return c == '\t' || (c == '\n' && keepBreaks);
}

// The column after byte c at column col.
int ColumnAfter(int col, char c, const ReformatParams& p)
{
    if (c == '\t')
        return line_query::NextTabStop(col, p.tabLength);
    return c == '\n' && p.keepBreaks ? 1 : col + 1;
}

// Whether a byte that leads to column `col` has to go to a new line.  A byte
// that alone overflows a fresh line (a wide tab) stays: breaking again would
// not make room and never end.
bool Overflows(int col, bool freshLine, const ReformatParams& p)
{
    return col - 1 > p.lineLength && !freshLine;
}

// The room left on a line at column col, in bytes of one column.
std::size_t Room(int col, const ReformatParams& p)
{
    const int room = p.lineLength - col + 1;
    return room > 0 ? static_cast<std::size_t>(room) : 0;
}

// The refill as a small machine over the input and the output.  Every byte
// taken from the input puts one byte on the current output line, so the line
// is the input just before m_in: a break takes the partial word back by
// stepping m_in back.  The output thus runs ahead of the input by the line
// feeds of breaks inside words, and never by more: whatever is written at
// less than that distance ahead of the input is written again before the end.
class Refill {
public:
    Refill(std::string_view text, const ReformatParams& params, char* out)
        : m_in(text.data()), m_end(text.data() + text.size()), m_p(params), m_out(out),
          m_lineStart(out), m_col(FirstColumn(params))
    {
    }

    std::size_t Run()
    {
        char* const start = m_out;
        while (m_in < m_end) {
            CopyFittingRun();
            if (m_in < m_end)
                Feed(*m_in);
        }
        if (!m_p.keepBreaks && m_p.lineFeedAfter)
            *m_out++ = '\n';
        return static_cast<std::size_t>(m_out - start);
    }

private:
    // The bytes that take one column each and still fit go over in one piece,
    // eight at a time: a long text spends its time here, a few words at a
    // time between tabs.  Joined lines get a blank for each line feed (a kept
    // one ends the run).  Words are stored whole, also past the run's end:
    // that is never further ahead than the input lasts.
    void CopyFittingRun()
    {
        const char* in = m_in;
        char* out = m_out;
        const bool keep = m_p.keepBreaks;
        const auto avail = static_cast<std::size_t>(m_end - in);
        const std::size_t limit = std::min(avail, Room(m_col, m_p));
        std::size_t k = 0;
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t kFeedToBlank = '\n' ^ ' ';
            for (; k < limit && k + 8 <= avail; k += 8) {
                const std::uint64_t word = byte_scan::Load8(in + k);
                const std::uint64_t feeds = byte_scan::MatchMask(word, '\n');
                std::uint64_t stops = byte_scan::MatchMask(word, '\t') | (keep ? feeds : 0);
                if (limit - k < 8)
                    stops |= std::uint64_t{0x80} << 8 * (limit - k);
                // Bit 7 of each line feed, shifted down and multiplied, flips
                // exactly the bits in which a line feed and a blank differ.
                byte_scan::Store8(out + k, word ^ (feeds >> 7) * kFeedToBlank);
                if (stops != 0) {
                    k += static_cast<std::size_t>(std::countr_zero(stops)) / 8;
                    break;
                }
            }
        }
        for (; k < limit && !IsStop(in[k], keep); ++k)
            out[k] = in[k] == '\n' ? ' ' : in[k];
        m_in = in + k;
        m_out = out + k;
        m_col += static_cast<int>(k);
    }

    // Tabs, kept line feeds and the byte that overflows the line.
    void Feed(char c)
    {
        const int col = ColumnAfter(m_col, c, m_p);
        if (Overflows(col, m_out == m_lineStart && m_col == 1, m_p)) {
            Break();
            return;
        }
        ++m_in;
        m_col = col;
        const bool kept = c == '\n' && m_p.keepBreaks;
        *m_out++ = c == '\n' && !kept ? ' ' : c;
        if (kept)
            m_lineStart = m_out;
    }

    // Ends the line before its last blank or tab, which goes; the partial
    // word behind it goes back to the input to start the next line.
    void Break()
    {
        char* cut = m_out;
        while (cut > m_lineStart && cut[-1] != ' ' && cut[-1] != '\t')
            --cut;
        if (cut > m_lineStart) {
            m_in -= m_out - cut;
            m_out = cut - 1;
        }
        *m_out++ = '\n';
        m_lineStart = m_out;
        m_col = 1;
    }

    const char* m_in;
    const char* m_end;
    const ReformatParams& m_p;
    char* m_out;
    char* m_lineStart;
    int m_col;
};

// How many bytes ahead take one column each and fit in `room`.
std::size_t OneColumnRun(std::string_view ahead, std::size_t room, bool keepBreaks)
{
    ahead = ahead.substr(0, room);
    std::size_t n = 0;
    while (n < ahead.size() && !IsStop(ahead[n], keepBreaks))
        ++n;
    return n;
}

} // namespace

bool ReformatBreaks(std::string_view text, const ReformatParams& params)
{
    // Up to its first break the refill only counts columns.
    int col = FirstColumn(params);
    bool freshLine = col == 1;
    std::size_t in = 0;
    while (in < text.size()) {
        const std::size_t n = OneColumnRun(text.substr(in), Room(col, params), params.keepBreaks);
        if (n > 0) {
            in += n;
            col += static_cast<int>(n);
            freshLine = false;
            continue;
        }
        const char c = text[in++];
        const int next = ColumnAfter(col, c, params);
        if (Overflows(next, freshLine, params))
            return true;
        col = next;
        freshLine = c == '\n' && params.keepBreaks;
    }
    return false;
}

std::size_t ReformatBound(std::size_t size, const ReformatParams& params)
{
    // Breaking at a blank or tab puts the line feed in its place.  A line
    // broken inside a word holds one-column bytes only, at least
    // lineLength - tabLength + 1 of them (a tab is the widest byte that can
    // end it), but for a first line that starts further right; and a line
    // feed may follow the text.  In 64 bits: a 32-bit size_t could overflow.
    const int perLine = std::max(1, params.lineLength - std::max(params.tabLength, 1) + 1);
    const std::uint64_t bound = std::uint64_t{size} + size / static_cast<unsigned>(perLine) + 2;
    return static_cast<std::size_t>(std::min<std::uint64_t>(bound, SIZE_MAX));
}

std::size_t ReformatTo(std::string_view text, const ReformatParams& params, char* out)
{
    return Refill(text, params, out).Run();
}

bool ReformatText(std::string_view text, const ReformatParams& params, std::string& out)
{
    if (!ReformatBreaks(text, params))
        return false;
    std::string refilled(ReformatBound(text.size(), params), '\0');
    refilled.resize(ReformatTo(text, params, refilled.data()));
    out = std::move(refilled);
    return true;
}

} // namespace doc_convert
