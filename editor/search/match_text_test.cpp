// Where matches start and end: (pattern, text, start, end) with -1 for no
// match.  Each case also checks the front ends' view of the same match, so
// that the start and the end always belong together.
#include "editor/search/match_text.h"
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_compiler.h"
#include "editor/search/pattern_search.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace std::string_view_literals;

namespace {

struct MatchCase {
    std::string_view pattern;
    std::string_view text;
    long start;
    long end;
};

void ExpectMatch(const MatchCase& c)
{
    SCOPED_TRACE(testing::Message() << "pattern \"" << c.pattern << "\" text \"" << c.text << "\"");
    std::optional<CompiledPattern> list = CompilePattern(c.pattern);
    ASSERT_TRUE(list) << "pattern did not compile";
    std::optional<std::size_t> start = MatchText(c.text, *list, false);
    std::optional<std::size_t> end = MatchText(c.text, *list, true);
    EXPECT_EQ(start ? long(*start) : -1, c.start);
    EXPECT_EQ(end ? long(*end) : -1, c.end);

    RecordingMessageSink sink;
    EXPECT_EQ(FindMatchStart(c.pattern, c.text, sink), start);
    EXPECT_EQ(FindMatchEnd(c.pattern, c.text), end);
    LineSearchResult line = SearchLine(c.pattern, c.text, false, sink);
    EXPECT_EQ(line.offset, c.start);
    EXPECT_EQ(line.length, c.start < 0 ? -1 : c.end - c.start);
    EXPECT_EQ(LineMatches(c.pattern, c.text, false, sink), c.start >= 0);
    EXPECT_TRUE(sink.shown.empty());
}

void ExpectMatches(std::initializer_list<MatchCase> cases)
{
    for (const MatchCase& c : cases)
        ExpectMatch(c);
}

} // namespace

TEST(MatchText, Literals)
{
    ExpectMatches({
        {"abc", "abc", 0, 2},
        {"abc", "xxabcxx", 2, 4},
        {"abc", "ab", -1, -1},
        {"abc", "abxabc", 3, 5},
        {"a", "a", 0, 0},
        {"a", "ba", 1, 1},
        {"a", "A", -1, -1},
        {"aab", "aaab", 1, 3},
        {"abab", "abaabab", 3, 6},
        {" ", "x y", 1, 1},
        {"]", "a]", 1, 1},
        {"a]b", "a]b", 0, 2},
        {"-", "a-b", 1, 1},
        {"a-z", "b", -1, -1},
        {"a-z", "xa-z", 1, 3},
    });
}

TEST(MatchText, Escapes)
{
    ExpectMatches({
        {"a\\", "a\\", 0, 1},
        {"\\", "x\\", 1, 1},
        {"\\\\", "a\\b", 1, 1},
        {"\\q", "q", 0, 0},
        {"\\q", "xq", 1, 1},
        {"\\*", "a*", 1, 1},
        {"a\\*b", "a*b", 0, 2},
        {"a\\*b", "aab", -1, -1},
        {"\\[", "[", 0, 0},
        {"\\]", "]", 0, 0},
        {"\\-", "-", 0, 0},
        {"\\.", "a.", 1, 1},
        {"\\.", "ab", -1, -1},
        {"\\$", "a$", 1, 1},
        {"a\\$b", "a$b", 0, 2},
        {"\\^a", "^a", 0, 1},
        {"\\+", "+", 0, 0},
        {"a\\+", "aa", -1, -1},
        {"\\n", "a\nb", 1, 1},
        {"\\N", "\n", 0, 0},
        {"\\t", "a\tb", 1, 1},
        {"\\T", "\t", 0, 0},
        {"\\b", "\b", 0, 0},
        {"\\B", "x\b", 1, 1},
        {"\\r", "x\r\n", 1, 1},
        {"\\R", "\r", 0, 0},
        {"\\052x", "*x", 0, 1},
        {"\\052x", "ax", -1, -1},
        {"\\101", "A", 0, 0},
        {"\\101", "a", -1, -1},
        {"\\1011", "\t", 0, 0}, // four octal digits: 01011 is 521, 9 modulo 256
        {"\\1011", "A1", -1, -1},
        {"\\0101", "A", 0, 0},
        {"\\01011", "A1", 0, 1}, // a fifth digit is a literal of its own
        {"\\8", "8", 0, 0},
        {"\\9", "x9", 1, 1},
        {"\\18",
         "\x01"
         "8",
         0, 1},
        {"\\377", "a\xff", 1, 1},
        {"\\7777", "\xff", 0, 0}, // 4095 modulo 256
        {"\\400", "a", -1, -1},   // a NUL literal never matches: the text ends there
        {"\\0", "a", -1, -1},
        {"\\0x41", "A", 0, 0},
        {"\\0X41", "xA", 1, 1},
        {"\\0x4a", "J", 0, 0},
        {"\\0x4A", "J", 0, 0},
        {"\\0x411", "A1", 0, 1},
        {"\\0x4", "\x04", 0, 0}, // one hexadecimal digit is taken when only one is there
        {"\\0x4g", "\x04g", 0, 1},
        {"\\x41", "x41", 0, 2},
        {"\\x", "x", 0, 0},
        {"\\0x09\\0x0a", "\t\n", 0, 1},
        {"\\**", "**a", 0, 1},
        {"\\.*x", "..x", 0, 2},
    });
}

TEST(MatchText, AnyCharacter)
{
    ExpectMatches({
        {"a.c", "abc", 0, 2},
        {"a.c", "a\nc", -1, -1},
        {"a.c", "ac", -1, -1},
        {"a.c", "xxa-c", 2, 4},
        {".", "x", 0, 0},
        {".", "\n", -1, -1},
        {".", "\nx", 1, 1},
        {"...", "ab", -1, -1},
        {"...", "abcd", 0, 2},
        {".", "", -1, -1},
        {"a.", "a", -1, -1},
        {"a.", "a\n", -1, -1},
        {".\\n", "ab\n", 1, 2},
    });
}

TEST(MatchText, Classes)
{
    ExpectMatches({
        {"[a-cx]", "b", 0, 0},    {"[a-cx]", "x", 0, 0},    {"[a-cx]", "d", -1, -1},
        {"[a-cx]", "zzc", 2, 2},  {"[^a-c]", "b", -1, -1},  {"[^a-c]", "bd", 1, 1},
        {"[^a-c]", "\n", 0, 0},   {"[^a]", "a", -1, -1},    {"[^a]", "a\n", 1, 1},
        {"[-a]", "-", 0, 0},      {"[-a]", "xa", 1, 1},     {"[a-]", "-", 0, 0},
        {"[a-]", "a", 0, 0},      {"[a-]", "b", -1, -1},    {"[z-a]", "m", 0, 0},
        {"[z-a]", "A", -1, -1},   {"[9-0]", "x5", 1, 1},    {"[]", "abc", -1, -1},
        {"[]", "]", -1, -1},      {"[]]", "]", -1, -1},     {"[]]", "a]]", -1, -1},
        {"x[]*y", "xy", 0, 1},    {"[^]", "a", 0, 0},       {"[^]", "\n", 0, 0},
        {"[^]", "", -1, -1},      {"[^]]", "]", -1, -1},    {"[^]]", "a]", 0, 1},
        {"[^]]", "]]", 0, 1},     {"[\\]]", "]", 0, 0},     {"[\\]]", "a", -1, -1},
        {"[\\]a]", "xa", 1, 1},   {"[\\n]", "a\nb", 1, 1},  {"[\\t ]", "a b", 1, 1},
        {"[\\-]", "-", 0, 0},     {"[\\101]", "A", 0, 0},   {"[\\0x41]", "A", 0, 0},
        {"[a-c-e]", "d", 0, 0},   {"[a-c-e]", "e", 0, 0},   {"[a-c-e]", "f", -1, -1},
        {"[a\\-z]", "m", -1, -1}, {"[a\\-z]", "-", 0, 0},   {"[a\\-z]", "z", 0, 0},
        {"[a-\\]", "^", 0, 0}, // the upper bound is taken as written and the bounds swap
        {"[a-\\]", "_", 0, 0},    {"[a-\\]", "\\", 0, 0},   {"[a-\\]", "b", -1, -1},
        {"[a-\\]", "[", -1, -1},  {"[\\101-C]", "B", 0, 0}, {"[\\101-C]", "D", -1, -1},
        {"[--/]", ".", 0, 0},     {"[--/]", "-", 0, 0},     {"[--/]", "0", -1, -1},
        {"[^^]", "^", -1, -1},    {"[^^]", "a", 0, 0},      {"[^-]", "-", -1, -1},
        {"[^-]", "-a", 1, 1},     {"[-]", "a-", 1, 1},      {"[.]", "a.", 1, 1},
        {"[.]", "a", -1, -1},     {"[*]", "a*", 1, 1},      {"[$]", "$", 0, 0},
        {"[[]", "a[", 1, 1},      {"[ab]c", "aabc", 2, 3},  {"[0-9][0-9]", "a1b23", 3, 4},
    });
}

TEST(MatchText, ClassesUseSevenBits)
{
    ExpectMatches({
        {"[\xe9]", "i", 0, 0},
        {"[\xe9]", "\xe9", 0, 0},
        {"[i]", "\xe9", 0, 0},
        {"[^i]", "\xe9", -1, -1},
        {"[\x80-\x81]", "\x01", 0, 0},
        {"[\x80-\x81]", "a", -1, -1},
        // 'a' and 0xE1 compare as 97 and -31, so the range runs from -31 up to
        // 97 and covers every seven-bit code.
        {"[a-\xe1]", "z", 0, 0},
        {"[a-\xe1]", "\n", 0, 0},
        {"[a-z]", "\xe1", 0, 0},
        {"\xe1", "a", -1, -1},
        {"\xe1", "a\xe1", 1, 1},
        {".", "\x8a", 0, 0}, // 0x8A is not a line feed, whatever its low bits
    });
}

TEST(MatchText, Anchors)
{
    ExpectMatches({
        {"^", "abc", 0, 0},        {"^", "", 0, 0},           {"$", "abc", -1, -1},
        {"$", "", 0, 0},           {"$", "abc\n", 3, 3},      {"$", "\n", 0, 0},
        {"$", "a\nb", 1, 1},       {"^$", "", 0, 0},          {"^$", "\n", 0, 0},
        {"^$", "a", -1, -1},       {"^$", "a\n", -1, -1},     {"^a", "abc", 0, 0},
        {"^a", "ba", -1, -1},      {"^b", "ab", -1, -1},      {"^ab", "abab", 0, 1},
        {"abc$", "xabc", 1, 3},    {"abc$", "abcx", -1, -1},  {"abc$", "abc\nx", 0, 2},
        {"abc$", "abcabc", 3, 5},  {"c$", "abc", 2, 2},       {"b$", "ab\n", 1, 1},
        {"x$", "x\n", 0, 0},       {"^abc$", "abc", 0, 2},    {"^abc$", "abc\n", 0, 2},
        {"^abc$", "abcd", -1, -1}, {"^abc$", "xabc", -1, -1}, {"\\n$", "a\n", 1, 1},
        {"a\\n$", "a\n", 0, 1},    {"^\\n", "\n", 0, 0},      {"^.", "\n", -1, -1},
    });
}

TEST(MatchText, EmptyTextMatchesOnlyTheAnchors)
{
    ExpectMatches({
        {"x*", "", -1, -1},
        {"a*", "", -1, -1},
        {".*", "", -1, -1},
        {"^a*", "", -1, -1},
        {"^.*$", "", -1, -1},
        {"a*$", "", -1, -1},
        {"[^]*", "", -1, -1},
        {"a", "", -1, -1},
        {"^", "", 0, 0},
        {"$", "", 0, 0},
        {"^$", "", 0, 0},
    });
}

TEST(MatchText, Repetitions)
{
    ExpectMatches({
        {"x*", "abc", 0, 0},
        {"x*", "xxa", 0, 1},
        {"x*", "axx", 0, 0},
        {"ab*c", "xacxabbbc", 1, 2},
        {"ab*c", "abbbc", 0, 4},
        {"ab*c", "abbb", -1, -1},
        {"ab*", "abbbx", 0, 3},
        {"ab*", "a", 0, 0},
        {"a+", "baaa", 1, 3},
        {"a+", "bbb", -1, -1},
        {"a+", "a", 0, 0},
        {"a*$", "aa", 0, 1},
        {"a*$", "baa", 1, 2},
        {"a*$", "b", -1, -1},
        {"a*$", "b\n", 1, 1},
        {"a*$", "\n", 0, 0},
        {".*", "abc", 0, 2},
        {".*", "\nabc", 0, 0},
        {".*", "ab\ncd", 0, 1},
        {".*", "a", 0, 0},
        {".+", "abc", 0, 2},
        {".+", "\n", -1, -1},
        {"a.*b", "axxbxxb", 0, 6},
        {"a.*b", "axxb\nb", 0, 3},
        {"a.*", "ba", 1, 1},
        {".*x", "abxcx", 0, 4},
        {".*x", "abc", -1, -1},
        {".*x", "ab\nx", 3, 3},
        {"[ab]*c", "ababc", 0, 4},
        {"[ab]*c", "xc", 1, 1},
        {"a*a", "aaa", 0, 2},
        {"a*ab", "aaab", 0, 3},
        {"a*b*c*", "x", 0, 0},
        {"a*b*c*", "aabbcc", 0, 5},
        {"a*b*c*", "bbcx", 0, 2},
        {"a+b+", "aabbb", 0, 4},
        {"a+b+", "aa", -1, -1},
        {"ab+", "ab", 0, 1},
        {"ab+", "a", -1, -1},
        {"[a-c]+x", "dabcx", 1, 4},
        {"[0-9]+\\.[0-9]*", "v12.5x", 1, 4},
        {"[0-9]+\\.[0-9]*", "v12x", -1, -1},
        {"x.*y$", "xay\n", 0, 2},
        {"x.*y$", "xayz", -1, -1},
        {"x.*y$", "xyy", 0, 2},
        {"x.*y$", "axbyy\n", 1, 4},
        {"[^a]*", "aaa", 0, 0},
        {"^a*", "b", 0, 0},
        {"^a*", "aab", 0, 1},
        {"^.*$", "abc", 0, 2},
        {"^.*$", "\n", 0, 0},
        {"^.*$", "ab\ncd", 0, 1},
        {"[ab]*ab*", "abbbxa", 0, 3},
        {".*a.*", "xaxa", 0, 3},
        {"a.*b.*c", "abcbc", 0, 4},
        {"a.*b.*c", "abab", -1, -1},
        {"a*a*a*", "aaa", 0, 2},
        {"a*a*b", "aaab", 0, 3},
        {"a*a*b", "aaa", -1, -1},
        {"a*a*b", "ab", 0, 1},
        {"[ab]+b", "abab", 0, 3},
        {"[ab]+b", "a", -1, -1},
        {"[ab]+b", "ab", 0, 1},
        {"a.+c", "abcabc", 0, 5},
        {"a.+c", "ac", -1, -1},
        {"ba*", "aaabaaac", 3, 6},
        {".*\\.c", "main.c util.h", 0, 5},
        {"[a-z]+_t", "size_t n;", 0, 5},
        {"[a-z]+_t", "typedef unsigned long size_t;", 22, 27},
        {"[a-z]+_t", "SIZE_T", -1, -1},
        {"[a-z]+_t", "_t", -1, -1},
        {"[^ ]*", " a", 0, 0},
        {"[^ ]+", " ab c", 1, 2},
        {"x*y", "xxxzy", 4, 4},
        {"x*y", "xxxy", 0, 3},
        {".*$", "abc", 0, 2},
        {".*$", "ab\ncd", 0, 1},
        {"a*\\n", "aa\n", 0, 2},
        {"[^\\n]*\\n", "abc\n", 0, 3},
        {"[^\\n]+$", "abc\n", 0, 2},
    });
}

TEST(MatchText, TextEndsAtItsFirstNul)
{
    ExpectMatches({
        {"b", "a\0b"sv, -1, -1},
        {"a", "a\0b"sv, 0, 0},
        {"$", "a\0b"sv, -1, -1},
        {"a$", "a\0b"sv, 0, 0},
        {"^$", "\0a"sv, 0, 0},
        {"x*", "\0a"sv, -1, -1},
        {"a.*", "ab\0cd"sv, 0, 1},
    });
}

TEST(MatchText, PatternEndsAtNulOrLineFeed)
{
    ExpectMatches({
        {"a\0b"sv, "xa", 1, 1},
        {"a\nb", "xa", 1, 1},
        {"ab\n*", "ab", 0, 1},
        {"a$\nb", "a", 0, 0},
        {"a\\\n", "a\\", 0, 1}, // a backslash just before the end stands for itself
    });
}

TEST(MatchText, LongLinesAndPatternsAreMatchedWhole)
{
    std::string line(2000, '-');
    line.replace(1500, 3, "abc");
    std::string pattern(100, 'a');
    pattern += 'b';
    std::string shortRun = std::string(80, 'a') + "b";
    std::string longRun = "x" + std::string(100, 'a') + "b";
    ExpectMatches({
        {"abc", line, 1500, 1502},
        {"c-*$", line, 1502, 1999},
        {"^-*a", line, 0, 1500},
        {pattern, shortRun, -1, -1},
        {pattern, longRun, 1, 101},
        {"a*b", longRun, 1, 101},
    });
}
