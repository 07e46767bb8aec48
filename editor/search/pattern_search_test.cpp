// The window search's and find in files' view of the matcher: lengths as the
// window search uses them, ignore case, and the invalid-pattern message.
#include "editor/search/pattern_search.h"

#include "editor/base/testing/recording_message_sink.h"
#include <gtest/gtest.h>

#include <string>

namespace {

struct LineCase {
    std::string_view pattern;
    std::string_view line;
    bool ignoreCase;
    std::ptrdiff_t offset;
    std::ptrdiff_t length;
};

void ExpectLineSearch(const LineCase& c, int line)
{
    SCOPED_TRACE(testing::Message() << "case at line " << line << ": pattern \"" << c.pattern
                                    << "\" line \"" << c.line << "\"");
    RecordingMessageSink sink;
    LineSearchResult result = SearchLine(c.pattern, c.line, c.ignoreCase, sink);
    EXPECT_EQ(result.offset, c.offset);
    EXPECT_EQ(result.length, c.length);
    EXPECT_EQ(LineMatches(c.pattern, c.line, c.ignoreCase, sink), c.offset >= 0);

    std::optional<LinePattern> compiled = LinePattern::Compile(c.pattern, c.ignoreCase, sink);
    ASSERT_TRUE(compiled);
    EXPECT_EQ(SearchLine(*compiled, c.line), result);
    EXPECT_EQ(LineMatches(*compiled, c.line), c.offset >= 0);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_FALSE(PatternError);
}

#define EXPECT_LINE_SEARCH(...) ExpectLineSearch(LineCase{__VA_ARGS__}, __LINE__)

} // namespace

TEST(SearchLine, LengthIsOneLessThanTheMatchedCharacters)
{
    EXPECT_LINE_SEARCH("abc", "xxabc", false, 2, 2);
    EXPECT_LINE_SEARCH("a*$", "aa", false, 0, 1); // the caller selects length + 1 = 2
    EXPECT_LINE_SEARCH("b", "abc", false, 1, 0);
    EXPECT_LINE_SEARCH("x*", "abc", false, 0, 0);
    EXPECT_LINE_SEARCH("^", "abc", false, 0, 0);
    EXPECT_LINE_SEARCH("$", "abc", false, -1, -1);
    EXPECT_LINE_SEARCH("$", "", false, 0, 0);
    EXPECT_LINE_SEARCH("q", "abc", false, -1, -1);
    EXPECT_LINE_SEARCH("a+", "baaa", false, 1, 2);
}

TEST(SearchLine, IgnoreCaseLowersAToZOnly)
{
    EXPECT_LINE_SEARCH("ABC", "xAbCx", true, 1, 2);
    EXPECT_LINE_SEARCH("abc", "xAbCx", true, 1, 2);
    EXPECT_LINE_SEARCH("ABC", "xAbCx", false, -1, -1);
    EXPECT_LINE_SEARCH("[A-C]", "b", true, 0, 0);
    EXPECT_LINE_SEARCH("[a-c]+", "xBCAy", true, 1, 2);
    EXPECT_LINE_SEARCH("[^A]", "a", true, -1, -1);
    EXPECT_LINE_SEARCH("\xc4", "\xe4", true, -1, -1); // A with diaeresis is not folded
    EXPECT_LINE_SEARCH("\xe4", "\xe4", true, 0, 0);
    // A class member above 127 also admits the character 128 lower.
    EXPECT_LINE_SEARCH("[\xc1]", "A", true, -1,
                       -1);                        // 0xC1 stands for 'A', but lines are lower case
    EXPECT_LINE_SEARCH("[\xe1]", "A", true, 0, 0); // 0xE1 stands for 'a'
    EXPECT_LINE_SEARCH("[\xe1]", "A", false, -1, -1);
    // Escapes are read after lower-casing, with the same meaning.
    EXPECT_LINE_SEARCH("\\N", "a\nb", true, 1, 0);
    EXPECT_LINE_SEARCH("\\0X41", "a", true, -1, -1); // the value 'A' itself is not folded
    EXPECT_LINE_SEARCH("\\0X61", "A", true, 0, 0);
    EXPECT_LINE_SEARCH("X.*Y$", "ax-y\n", true, 1, 2);
}

TEST(SearchLine, LinesLongerThan512AndPatternsLongerThan79AreWhole)
{
    std::string line(3000, 'x');
    line += "needle";
    EXPECT_LINE_SEARCH("needle", line, false, 3000, 5);
    EXPECT_LINE_SEARCH("NEEDLE", line, true, 3000, 5);
    EXPECT_LINE_SEARCH("x*$", line, false, -1, -1); // no line feed, and the end is never a start

    std::string pattern(120, 'p');
    std::string text = std::string(100, 'p') + "|" + std::string(120, 'p');
    EXPECT_LINE_SEARCH(pattern, text, false, 101, 119);
    EXPECT_LINE_SEARCH(pattern, std::string(119, 'p'), false, -1, -1);
}

TEST(SearchLine, InvalidPatternIsReportedOnceAndSetsPatternError)
{
    RecordingMessageSink sink;
    EXPECT_EQ(SearchLine("a**", "aaa", false, sink), (LineSearchResult{-1, -1}));
    EXPECT_TRUE(PatternError);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, "Invalid regular expression");

    // A good pattern clears the flag again.
    EXPECT_EQ(SearchLine("a", "a", false, sink), (LineSearchResult{0, 0}));
    EXPECT_FALSE(PatternError);
    EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(LineMatches, CompiledOnceReportsAnInvalidPatternOncePerSearch)
{
    RecordingMessageSink sink;
    std::optional<LinePattern> compiled = LinePattern::Compile("[abc", false, sink);
    EXPECT_FALSE(compiled);
    EXPECT_TRUE(PatternError);
    EXPECT_EQ(sink.shown.size(), 1u);

    compiled = LinePattern::Compile("^#include", false, sink);
    ASSERT_TRUE(compiled);
    EXPECT_FALSE(PatternError);
    const char* lines[] = {"#include <a.h>\n", " #include <b.h>\n", "#define X\n", "#include\n"};
    int matching = 0;
    for (const char* line : lines)
        matching += LineMatches(*compiled, line);
    EXPECT_EQ(matching, 2);
    EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(LineMatches, LinesKeepTheirLineFeed)
{
    RecordingMessageSink sink;
    EXPECT_TRUE(LineMatches("$", "abc\n", false, sink));
    EXPECT_FALSE(LineMatches("$", "abc", false, sink)); // a last line without its line feed
    EXPECT_TRUE(LineMatches("[^a]", "a\n", false, sink));
    EXPECT_FALSE(LineMatches("[^a]", "a", false, sink));
    EXPECT_TRUE(LineMatches("c\\n", "abc\n", false, sink));
    EXPECT_TRUE(sink.shown.empty());
}
