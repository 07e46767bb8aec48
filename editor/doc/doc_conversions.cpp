#include "editor/doc/doc_conversions.h"
#include "editor/doc/line_queries.h"

#include <algorithm>
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

// The index of the first c in text, text.size() when none.
std::size_t Until(std::string_view text, char c)
{
    const void* hit = text.empty() ? nullptr : std::memchr(text.data(), c, text.size());
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
               : text.size();
}

// The refill as a small machine: the input, a stack of bytes taken back
// from the output, and the output with the start of its current line.
class Refill {
public:
    Refill(std::string_view text, const ReformatParams& params) : m_text(text), m_p(params)
    {
        m_col = params.startColumn < 1 ? 1 : params.startColumn;
        m_out.reserve(text.size() + text.size() / 8 + 2);
    }

    bool Run()
    {
        char c;
        for (;;) {
            if (m_back.empty())
                CopyFittingRun();
            if (!Next(c))
                break;
            Feed(c);
        }
        if (!m_broke)
            return false;
        if (!m_p.keepBreaks && m_p.lineFeedAfter)
            m_out += '\n';
        return true;
    }

    std::string& Out() { return m_out; }

private:
    bool Next(char& c)
    {
        if (!m_back.empty()) {
            c = m_back.back();
            m_back.pop_back();
            return true;
        }
        if (m_in == m_text.size())
            return false;
        c = m_text[m_in++];
        return true;
    }

    // The bytes ahead that take one column each and still fit on the line
    // go over in one piece; Feed takes the rest byte by byte.  Same result,
    // but a long text refills at close to copying speed.
    void CopyFittingRun()
    {
        const int room = m_p.lineLength - m_col + 1;
        if (room <= 0 || m_in == m_text.size())
            return;
        std::string_view ahead = m_text.substr(m_in, static_cast<std::size_t>(room));
        std::size_t n = Until(ahead, '\t');
        if (m_p.keepBreaks)
            n = Until(ahead.substr(0, n), '\n');
        const std::size_t at = m_out.size();
        m_out.append(ahead.data(), n);
        if (!m_p.keepBreaks) {
            // Joined lines: each line feed becomes a blank.
            char* added = m_out.data() + at;
            for (std::size_t k = Until({added, n}, '\n'); k < n;
                 k += 1 + Until({added + k + 1, n - k - 1}, '\n'))
                added[k] = ' ';
        }
        m_in += n;
        m_col += static_cast<int>(n);
    }

    void Feed(char c)
    {
        int col = m_col;
        if (c == '\t')
            col = line_query::NextTabStop(col, m_p.tabLength);
        else if (c == '\n' && m_p.keepBreaks)
            col = 1;
        else
            ++col;
        // A byte that alone overflows a fresh line (a wide tab) stays:
        // breaking again would not make room and never end.
        bool freshLine = m_out.size() == m_lineStart && m_col == 1;
        if (col - 1 > m_p.lineLength && !freshLine) {
            Break(c);
            return;
        }
        m_col = col;
        if (c == '\n' && m_p.keepBreaks) {
            m_out += '\n';
            m_lineStart = m_out.size();
        } else {
            m_out += c == '\n' ? ' ' : c;
        }
    }

    // Ends the line before c; c, and the partial word in front of it, go
    // back to the input to start the next line in their order.
    void Break(char c)
    {
        m_broke = true;
        m_back.push_back(c);
        std::size_t cut = m_out.size();
        while (cut > m_lineStart && m_out[cut - 1] != ' ' && m_out[cut - 1] != '\t')
            --cut;
        if (cut > m_lineStart) {
            for (std::size_t i = m_out.size(); i > cut; --i)
                m_back.push_back(m_out[i - 1]);
            m_out.resize(cut - 1);
        }
        m_out += '\n';
        m_lineStart = m_out.size();
        m_col = 1;
    }

    std::string_view m_text;
    const ReformatParams& m_p;
    std::size_t m_in = 0;
    std::string m_back;
    std::string m_out;
    std::size_t m_lineStart = 0;
    int m_col = 1;
    bool m_broke = false;
};

} // namespace

bool ReformatText(std::string_view text, const ReformatParams& params, std::string& out)
{
    Refill refill(text, params);
    if (!refill.Run())
        return false;
    out = std::move(refill.Out());
    return true;
}

} // namespace doc_convert
