// Plain search is Horspool's on the two pieces of text around the gap, with
// the few starts that straddle the gap compared byte by byte.  Replace All
// builds the new text of the span from the first to the last match in one
// pass and puts it in place with one edit: linear in the text however many
// matches there are.
#include "editor/doc/doc_search.h"

#include "editor/search/pattern_search.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

unsigned char UpperAscii(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

class PlainFinder {
public:
    PlainFinder(std::string_view needle, bool matchCase) : m_matchCase(matchCase)
    {
        for (std::size_t c = 0; c < 256; ++c)
            m_fold[c] = matchCase ? static_cast<unsigned char>(c)
                                  : UpperAscii(static_cast<unsigned char>(c));
        for (char c : needle)
            m_needle.push_back(static_cast<char>(m_fold[static_cast<unsigned char>(c)]));
        const std::size_t m = m_needle.size();
        m_shift.fill(m);
        m_backShift.fill(m);
        for (std::size_t j = 0; j + 1 < m; ++j)
            m_shift[Byte(j)] = m - 1 - j;
        for (std::size_t j = m; j-- > 1;)
            m_backShift[Byte(j)] = j;
    }

    std::size_t Size() const { return m_needle.size(); }

    // The first start at `from` or behind whose match lies inside hay.
    std::size_t FindIn(std::string_view hay, std::size_t from) const
    {
        const std::size_t m = m_needle.size();
        const std::size_t n = hay.size();
        if (m > n || from > n - m)
            return kNone;
        const auto* h = reinterpret_cast<const unsigned char*>(hay.data());
        if (m == 1 && m_matchCase) {
            const void* hit = std::memchr(h + from, m_needle[0], n - from);
            return hit ? static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - h)
                       : kNone;
        }
        const unsigned char lastByte = Byte(m - 1);
        for (std::size_t i = from; i <= n - m;) {
            unsigned char c = m_fold[h[i + m - 1]];
            if (c == lastByte && EqualAt(h + i, m - 1))
                return i;
            i += m_shift[c];
        }
        return kNone;
    }

    // The last start at `last` or before whose match lies inside hay.
    std::size_t FindLastIn(std::string_view hay, std::size_t last) const
    {
        const std::size_t m = m_needle.size();
        if (m > hay.size())
            return kNone;
        const auto* h = reinterpret_cast<const unsigned char*>(hay.data());
        const unsigned char firstByte = Byte(0);
        for (std::size_t i = std::min(last, hay.size() - m);;) {
            unsigned char c = m_fold[h[i]];
            if (c == firstByte && EqualAt(h + i, m))
                return i;
            if (i < m_backShift[c])
                return kNone;
            i -= m_backShift[c];
        }
    }

    bool MatchesAt(const MarlDocCore& doc, TextPos q) const
    {
        for (std::size_t j = 0; j < m_needle.size(); ++j)
            if (m_fold[doc.GetChar(q + static_cast<TextPos>(j))] != Byte(j))
                return false;
        return true;
    }

private:
    unsigned char Byte(std::size_t j) const { return static_cast<unsigned char>(m_needle[j]); }
    bool EqualAt(const unsigned char* h, std::size_t count) const
    {
        for (std::size_t j = 0; j < count; ++j)
            if (m_fold[h[j]] != Byte(j))
                return false;
        return true;
    }

    bool m_matchCase;
    std::array<unsigned char, 256> m_fold{};
    std::array<std::size_t, 256> m_shift{};
    std::array<std::size_t, 256> m_backShift{};
    std::string m_needle;
};

// Whole-word acceptance of a match at q (always true without whole word).
struct WordTest {
    const MarlDocCore& doc;
    TextPos length;
    bool wholeWord;

    bool operator()(TextPos q) const
    {
        if (!wholeWord)
            return true;
        if (q > 0 && MarlDocCore::IsWordChar(doc.GetChar(q - 1)))
            return false;
        TextPos after = q + length;
        return after >= doc.GetLength() || !MarlDocCore::IsWordChar(doc.GetChar(after));
    }
};

TextPos SearchForward(const MarlDocCore& doc, const PlainFinder& finder, TextPos from,
                      const WordTest& accept)
{
    auto access = doc.AccessText();
    const TextPos len = doc.GetLength();
    const auto m = static_cast<TextPos>(finder.Size());
    if (m == 0 || m > len || from > len - m)
        return kNoPos;
    TextSpans spans = doc.GetSpans(0, len);
    const auto g = static_cast<TextPos>(spans.first.size());
    for (std::size_t i = from; (i = finder.FindIn(spans.first, i)) != kNone; ++i)
        if (accept(static_cast<TextPos>(i)))
            return static_cast<TextPos>(i);
    if (!spans.second.empty()) {
        // Starts whose match runs across the gap.
        for (TextPos q = std::max(from, g >= m - 1 ? g - (m - 1) : 0); q < g && q <= len - m; ++q)
            if (finder.MatchesAt(doc, q) && accept(q))
                return q;
    }
    for (std::size_t i = from > g ? from - g : 0; (i = finder.FindIn(spans.second, i)) != kNone;
         ++i)
        if (accept(g + static_cast<TextPos>(i)))
            return g + static_cast<TextPos>(i);
    return kNoPos;
}

TextPos SearchBackward(const MarlDocCore& doc, const PlainFinder& finder, TextPos p,
                       const WordTest& accept)
{
    auto access = doc.AccessText();
    const TextPos len = doc.GetLength();
    const auto m = static_cast<TextPos>(finder.Size());
    if (m == 0 || m > len)
        return kNoPos;
    p = std::min(p, len - m);
    TextSpans spans = doc.GetSpans(0, len);
    const auto g = static_cast<TextPos>(spans.first.size());
    // Each piece gives its last match at or before `last`; a rejected one
    // lets the search go on one before it.
    auto lastIn = [&](std::string_view piece, TextPos base, TextPos last) -> TextPos {
        for (std::size_t i = last - base;;) {
            i = finder.FindLastIn(piece, i);
            if (i == kNone)
                return kNoPos;
            if (accept(base + static_cast<TextPos>(i)))
                return base + static_cast<TextPos>(i);
            if (i-- == 0)
                return kNoPos;
        }
    };
    if (!spans.second.empty() && p >= g) {
        if (TextPos q = lastIn(spans.second, g, p); q != kNoPos)
            return q;
    }
    if (!spans.second.empty() && g > 0) {
        TextPos lowest = g >= m - 1 ? g - (m - 1) : 0;
        for (TextPos q = std::min(p, g - 1) + 1; q-- > lowest;)
            if (q <= len - m && finder.MatchesAt(doc, q) && accept(q))
                return q;
    }
    if (g == 0)
        return kNoPos;
    return lastIn(spans.first, 0, std::min(p, g - 1));
}

// The text of [from, to) without copying when it lies on one side of the gap.
std::string_view TextOf(const MarlDocCore& doc, TextPos from, TextPos to, std::string& copy)
{
    TextSpans spans = doc.GetSpans(from, to);
    if (spans.second.empty())
        return spans.first;
    copy.assign(spans.first);
    copy.append(spans.second);
    return copy;
}

TextPos SearchLines(MarlDocCore& doc, LinePattern& pattern, TextPos p, bool down)
{
    auto access = doc.AccessText();
    const TextPos len = doc.GetLength();
    if (p > len)
        return kNoPos;
    std::string copy;
    for (;;) {
        TextPos eol = doc.LineEnd(p);
        LineSearchResult found = SearchLine(pattern, TextOf(doc, p, eol, copy));
        if (found.offset >= 0) {
            doc.m_nLastMatchLength = static_cast<TextPos>(found.length + 1);
            return p + static_cast<TextPos>(found.offset);
        }
        TextPos next = down ? (eol < len ? eol + 1 : p) : p - 1;
        if (next == p || next == kNoPos)
            return kNoPos;
        p = next;
    }
}

// Collects the new text of the span from the first match to the end of the
// last one.
class ReplacementText {
public:
    ReplacementText(const MarlDocCore& doc, std::string_view replace)
        : m_doc(doc), m_replace(replace)
    {
    }

    void Replace(TextPos q, TextPos n)
    {
        if (m_first == kNoPos) {
            m_first = m_copied = q;
            m_text.reserve(m_doc.GetLength() - q);
        }
        TextSpans before = m_doc.GetSpans(m_copied, q);
        m_text.append(before.first);
        m_text.append(before.second);
        m_last = m_first + static_cast<TextPos>(m_text.size());
        m_text.append(m_replace);
        m_copied = q + n;
    }

    // Puts the new text in place; the last replacement's position or kNoPos.
    TextPos Apply(MarlDocCore& doc, int line)
    {
        if (m_first == kNoPos || !doc.ReplaceSpan(m_first, m_copied, m_text, line))
            return kNoPos;
        return m_last;
    }

private:
    const MarlDocCore& m_doc;
    std::string_view m_replace;
    std::string m_text;
    TextPos m_first = kNoPos;
    TextPos m_copied = 0;
    TextPos m_last = kNoPos;
};

// The matcher cannot tell an empty match from one of a character; the
// patterns that only ever match empty text are known by their text, so that
// "^" puts the replacement in front of each line instead of over its first
// character.
bool MatchesOnlyEmpty(std::string_view pattern)
{
    return pattern == "^" || pattern == "$" || pattern == "^$";
}

void CollectPatternMatches(const MarlDocCore& doc, LinePattern& pattern, std::string_view find,
                           ReplacementText& out)
{
    const bool anchored = find.front() == '^';
    const bool empty = MatchesOnlyEmpty(find);
    const TextPos len = doc.GetLength();
    std::string copy;
    for (TextPos p = 0;;) {
        // The text behind a final line feed is no line of its own.
        if (p == len && p > 0)
            return;
        TextPos eol = doc.LineEnd(p);
        std::string_view line = TextOf(doc, p, eol, copy);
        // Every match ends behind the previous one, so a line ends.
        for (TextPos r = p; r <= eol;) {
            LineSearchResult found = SearchLine(pattern, line.substr(r - p));
            if (found.offset < 0)
                break;
            TextPos q = r + static_cast<TextPos>(found.offset);
            // The matcher's length is at least one; a pattern never takes
            // the line feed, so what it found at the line end is empty.
            TextPos n = empty ? 0 : std::min(static_cast<TextPos>(found.length + 1), eol - q);
            out.Replace(q, n);
            if (anchored)
                break;
            r = q + std::max<TextPos>(n, 1);
        }
        if (eol >= len)
            return;
        p = eol + 1;
    }
}

} // namespace

TextPos SearchText(const MarlDocCore& doc, TextPos p, std::string_view s, bool matchCase,
                   bool wholeWord, bool down)
{
    if (s.empty())
        return kNoPos;
    PlainFinder finder(s, matchCase);
    WordTest accept{doc, static_cast<TextPos>(s.size()), wholeWord};
    return down ? SearchForward(doc, finder, p, accept) : SearchBackward(doc, finder, p, accept);
}

TextPos SearchPattern(MarlDocCore& doc, TextPos p, std::string_view pattern, bool ignoreCase,
                      bool down, MessageSink& sink)
{
    std::optional<LinePattern> compiled = LinePattern::Compile(pattern, ignoreCase, sink);
    if (!compiled)
        return kNoPos;
    return SearchLines(doc, *compiled, p, down);
}

TextPos ReplaceAll(MarlDocCore& doc, std::string_view find, std::string_view replace,
                   const SearchFlags& flags, MessageSink& sink, int line)
{
    if (find.empty())
        return kNoPos;
    ReplacementText out(doc, replace);
    {
        auto access = doc.AccessText();
        if (flags.regex) {
            std::optional<LinePattern> compiled =
                LinePattern::Compile(find, !flags.matchCase, sink);
            if (!compiled)
                return kNoPos;
            CollectPatternMatches(doc, *compiled, find, out);
        } else {
            PlainFinder finder(find, flags.matchCase);
            const auto m = static_cast<TextPos>(find.size());
            WordTest accept{doc, m, flags.wholeWord};
            for (TextPos q = SearchForward(doc, finder, 0, accept); q != kNoPos;
                 q = SearchForward(doc, finder, q + m, accept))
                out.Replace(q, m);
        }
    }
    return out.Apply(doc, line);
}
