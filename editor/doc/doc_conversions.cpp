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

// The rules of the refill: where a byte leads and when it overflows.
class Columns {
public:
    explicit Columns(const ReformatParams& p)
        : m_first(std::max(p.startColumn, 1)), m_length(p.lineLength),
          m_tab(std::max(p.tabLength, 1)), m_keepBreaks(p.keepBreaks)
    {
    }

    int First() const { return m_first; }
    bool KeepBreaks() const { return m_keepBreaks; }
    bool IsKeptFeed(char c) const { return c == '\n' && m_keepBreaks; }

    // The column after byte c at column col.  Tab lengths are mostly powers
    // of two, and a mask is much cheaper than a division.
    int After(int col, char c) const
    {
        if (c == '\t')
            return (m_tab & (m_tab - 1)) == 0 ? ((col - 1) | (m_tab - 1)) + 2
                                              : line_query::NextTabStop(col, m_tab);
        return IsKeptFeed(c) ? 1 : col + 1;
    }

    // Whether a byte that leads to column `col` has to go to a new line.  A
    // byte that alone overflows a fresh line (a wide tab) stays: breaking
    // again would not make room and never end.
    bool Overflows(int col, bool freshLine) const { return col - 1 > m_length && !freshLine; }

    // How many bytes of one column fit on the line from column col.
    std::size_t Room(int col) const
    {
        return col <= m_length ? static_cast<std::size_t>(m_length - col + 1) : 0;
    }

private:
    int m_first;
    int m_length;
    int m_tab;
    bool m_keepBreaks;
};

// One bit for each byte of in[0, 16) that stops a run of one-column bytes,
// and the block copied to `out` (with kWrite) with its line feeds as blanks,
// as joined lines want them (kept ones are stops, written by the caller).
// Loops of fixed length, which the compiler turns into vector code where
// there is.
template <bool kWrite> unsigned CopyBlock(const char* in, char keptFeed, char* out)
{
    char block[16];
    char stop[16];
    std::memcpy(block, in, 16);
    for (int i = 0; i < 16; ++i) {
        stop[i] = static_cast<char>((block[i] == '\t') | (block[i] == keptFeed));
        block[i] = block[i] == '\n' ? ' ' : block[i];
    }
    if constexpr (kWrite)
        std::memcpy(out, block, 16);
    // The 0/1 bytes as the top bits of their bytes, as a match mask has them.
    return byte_scan::MaskBits(byte_scan::Load8(stop) << 7) |
           byte_scan::MaskBits(byte_scan::Load8(stop + 8) << 7) << 8;
}

// Copies the bytes at `in` that fit on the line from column `col` to `out`,
// up to a kept line feed or the byte that overflows the line, with joined
// line feeds as blanks; returns how many and the column after them.  A long
// text spends its time here: sixteen bytes go at a time, and tabs are taken
// without leaving the block, as indented text has one every few words.
// Blocks are stored whole, also past the run's end but never past `avail`
// bytes, the input left: see ReformatTo.  Without kWrite the run is only
// measured.
struct Run {
    std::size_t bytes;
    int column;
};
template <bool kWrite = true>
Run CopyFittingRun(const char* in, std::size_t avail, int col, const Columns& cols, char* out)
{
    // Byte k stands at column base + k; bytes of one column fit below limit.
    int base = col;
    std::size_t limit = std::min(avail, cols.Room(base));
    // Takes the tab at `at` onto the line when it fits.
    const auto takeTab = [&](std::size_t at) {
        const int tabColumn = base + static_cast<int>(at);
        const int next = cols.After(tabColumn, '\t');
        if (cols.Overflows(next, false))
            return false;
        base += next - tabColumn - 1;
        limit = std::min(avail, cols.Room(base));
        return true;
    };
    const auto stopAt = [&](std::size_t at) { return Run{at, base + static_cast<int>(at)}; };
    std::size_t k = 0;
    if constexpr (std::endian::native == std::endian::little) {
        const char keptFeed = cols.KeepBreaks() ? '\n' : '\t';
        for (; k < limit && k + 16 <= avail; k += 16) {
            for (unsigned stops = CopyBlock<kWrite>(in + k, keptFeed, kWrite ? out + k : out);
                 stops != 0; stops &= stops - 1) {
                const std::size_t at = k + static_cast<std::size_t>(std::countr_zero(stops));
                if (at >= limit || in[at] != '\t' || !takeTab(at))
                    return stopAt(std::min(at, limit));
            }
        }
        k = std::min(k, limit);
    }
    for (; k < limit; ++k) {
        const char c = in[k];
        if (c == '\t' ? !takeTab(k) : cols.IsKeptFeed(c))
            break;
        if constexpr (kWrite)
            out[k] = c == '\n' ? ' ' : c;
    }
    return stopAt(k);
}

// Just after the last blank, tab or line feed in [start, end), start when
// none.  It reads the input, which the output line copies (but for joined
// line feeds, there blanks): the output was just written, and reading it
// back would wait for the writes.
const char* AfterLastBlank(const char* start, const char* end)
{
    if constexpr (std::endian::native == std::endian::little) {
        // The word in front of a break is mostly short: eight bytes at a time.
        for (; end - start >= 8; end -= 8) {
            const std::uint64_t word = byte_scan::Load8(end - 8);
            const std::uint64_t blanks = byte_scan::MatchMask(word, ' ') |
                                         byte_scan::MatchMask(word, '\t') |
                                         byte_scan::MatchMask(word, '\n');
            if (blanks != 0)
                return end - std::countl_zero(blanks) / 8;
        }
    }
    while (end > start && end[-1] != ' ' && end[-1] != '\t' && end[-1] != '\n')
        --end;
    return end;
}

} // namespace

bool ReformatBreaks(std::string_view text, const ReformatParams& params)
{
    // Up to its first break the refill only counts columns.
    const Columns cols(params);
    const char* in = text.data();
    const char* const end = in + text.size();
    int col = cols.First();
    bool freshLine = col == 1;
    while (in < end) {
        const Run run =
            CopyFittingRun<false>(in, static_cast<std::size_t>(end - in), col, cols, nullptr);
        in += run.bytes;
        col = run.column;
        freshLine = freshLine && run.bytes == 0;
        if (in == end)
            break;
        const char c = *in++;
        const int next = cols.After(col, c);
        if (cols.Overflows(next, freshLine))
            return true;
        col = next;
        freshLine = cols.IsKeptFeed(c);
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

// The refill as a small machine over the input and the output.  Every byte
// taken from the input puts one byte on the current output line, so the line
// is the input just before `in`: a break takes the partial word back by
// stepping `in` back.  The output thus runs ahead of the input by the line
// feeds of breaks inside words, and never by more: whatever is written at
// less than that distance ahead of the input is written again before the end.
std::size_t ReformatTo(std::string_view text, const ReformatParams& p, char* const start)
{
    const Columns cols(p);
    const char* in = text.data();
    const char* const end = in + text.size();
    char* out = start;
    char* lineStart = out;
    int col = cols.First();
    while (in < end) {
        const Run run = CopyFittingRun(in, static_cast<std::size_t>(end - in), col, cols, out);
        in += run.bytes;
        out += run.bytes;
        col = run.column;
        if (in == end)
            break;
        // Tabs, kept line feeds and the byte that overflows the line.
        const char c = *in;
        const int next = cols.After(col, c);
        if (!cols.Overflows(next, out == lineStart && col == 1)) {
            ++in;
            col = next;
            *out++ = c == '\n' && !p.keepBreaks ? ' ' : c;
            if (cols.IsKeptFeed(c))
                lineStart = out;
            continue;
        }
        // The line ends before its last blank or tab, which goes; the
        // partial word behind it goes back to the input for the next line.
        const char* lineIn = in - (out - lineStart);
        const char* cut = AfterLastBlank(lineIn, in);
        if (cut > lineIn) {
            out -= in - cut + 1;
            in = cut;
        }
        *out++ = '\n';
        lineStart = out;
        col = 1;
    }
    if (!p.keepBreaks && p.lineFeedAfter)
        *out++ = '\n';
    return static_cast<std::size_t>(out - start);
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
