#include "editor/doc/doc_search.h"

#include "editor/doc/doc_test_support.h"
#include "editor/search/pattern_search.h"

#include <gtest/gtest.h>

namespace {

constexpr TextPos kNone = kNoPos;

struct Search : ::testing::Test, DocFixture {};

// Every answer must be the same wherever the gap lies, since matches may run
// across it.
template <typename Check> void AtEveryGap(DocFixture& fixture, std::string_view text, Check check)
{
    for (TextPos gap = 0; gap <= text.size(); ++gap) {
        SCOPED_TRACE(testing::Message() << "gap at " << gap);
        fixture.Load(text);
        ASSERT_TRUE(fixture.doc.OpenGap(gap, 7));
        check();
    }
}

TEST_F(Search, TextFindsTheFirstMatchInItsDirection)
{
    struct Case {
        const char* text;
        TextPos p;
        const char* s;
        bool matchCase, wholeWord, down;
        TextPos want;
    } cases[] = {
        {"abc", 0, "c", true, false, true, 2}, // the last character, without a line feed
        {"abc", 0, "bc", true, false, true, 1},
        {"abc", 2, "c", true, false, true, 2},
        {"abc", 3, "c", true, false, true, kNone},
        {"abc", 0, "abcd", true, false, true, kNone},
        {"abc", 0, "", true, false, true, kNone},
        {"ABC", 0, "abc", false, false, true, 0},
        {"ABC", 0, "abc", true, false, true, kNone},
        {"x\xE4y", 0, "\xC4", false, false, true, kNone}, // only A to Z fold
        {"abab", 3, "ab", true, false, false, 2},
        {"abab", 1, "ab", true, false, false, 0},
        {"abab", 0, "ba", true, false, false, kNone},
        {"abab", 9, "b", true, false, false, 3},
        {"print _in in", 0, "in", true, true, true, 10},
        {"print (in)", 0, "in", true, true, true, 7},
        {"in \xE4in", 4, "in", true, true, true, kNone}, // 0xE4 is a word character
        {"in print", 7, "in", true, true, false, 0},
        {"in", 0, "in", true, true, true, 0},
        {"xin in", 0, "in", true, true, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.s << "' in '" << c.text << "' from " << c.p);
        AtEveryGap(*this, c.text, [&] {
            EXPECT_EQ(SearchText(doc, c.p, c.s, c.matchCase, c.wholeWord, c.down), c.want);
        });
    }
}

TEST_F(Search, PatternSearchesLineByLineAndSetsTheMatchLength)
{
    struct Case {
        const char* text;
        TextPos p;
        const char* pattern;
        bool ignoreCase, down;
        TextPos want, length;
    } cases[] = {
        {"x\nABC\n", 0, "abc", true, true, 2, 3},
        {"x\nABC\n", 0, "abc", false, true, kNone, 0},
        {"ab\nab", 1, "^a", false, true, 3, 1}, // "^" is the search's start, not the line's
        {"ab\nab", 4, "a", false, false, 3, 1},
        {"ab ab", 2, "ab", false, false, 3, 2}, // up still reads the rest of the line
        {"xx\nyy", 0, "y+", false, true, 3, 2},
        {"xx\nyy", 4, "x", false, false, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " in " << c.text);
        AtEveryGap(*this, c.text, [&] {
            doc.m_nLastMatchLength = 0;
            EXPECT_EQ(SearchPattern(doc, c.p, c.pattern, c.ignoreCase, c.down, messages), c.want);
            EXPECT_EQ(doc.m_nLastMatchLength, c.length);
        });
    }
}

TEST_F(Search, InvalidPatternIsReportedAndFindsNothing)
{
    Load("a*b\n");
    EXPECT_EQ(SearchPattern(doc, 0, "*a", false, true, messages), kNone);
    EXPECT_TRUE(PatternError);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kInvalidPatternMessage});
    EXPECT_EQ(ReplaceAll(doc, "a**", "x", {.regex = true}, messages, -1), kNone);
    EXPECT_EQ(Text(), "a*b\n");
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(Search, ReplaceAllResumesBehindEachMatchAndTerminates)
{
    struct Case {
        const char* text;
        const char* find;
        const char* replace;
        SearchFlags flags;
        const char* want;
        TextPos last;
    } cases[] = {
        {"aaa\n", "a", "aa", {}, "aaaaaa\n", 4},
        {"aaa", "aa", "", {}, "a", 0},
        {"Size size SIZE", "size", "n", {}, "n n n", 4},
        {"Size size SIZE", "size", "n", {.matchCase = true}, "Size n SIZE", 5},
        {"in pin in", "in", "out", {.wholeWord = true}, "out pin out", 8},
        {"nothing", "z", "y", {}, "nothing", kNone},
        {"a\xE4 size_t 9_t\n", "[a-z]+_t", "X", {.regex = true}, "a\xE4 X 9_t\n", 3},
        {"size_tab_t\n", "[a-z]+_t", "X", {.regex = true}, "XX\n", 1},
        {"ab\n\ncd\n", "^", "> ", {.regex = true}, "> ab\n> \n> cd\n", 8},
        {"ab\n\ncd", "$", ";", {.regex = true}, "ab\n;\ncd", 3},
        {"ab\n\ncd", "^$", "-", {.regex = true}, "ab\n-\ncd", 3},
        {"xab\n", "x*", "-", {.regex = true}, "---\n", 2}, // one character per match
        {"aab\n", "a*$", "-", {.regex = true}, "aab\n", kNone},
        {"ba\nb\n", "a*$", "-", {.regex = true}, "b-\nb\n", 1},
        {"xxy\n", "^x", "", {.regex = true}, "xy\n", 0},
        {"AbC\n", "[a-c]", "", {.regex = true}, "\n", 0},
        {"AbC\n", "[a-c]", "", {.matchCase = true, .regex = true}, "AC\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.find << " in " << c.text);
        AtEveryGap(*this, c.text, [&] {
            EXPECT_EQ(ReplaceAll(doc, c.find, c.replace, c.flags, messages, 1), c.last);
            EXPECT_EQ(Text(), c.want);
            EXPECT_TRUE(LineCountMatches(doc));
        });
    }
}

TEST_F(Search, ReplaceAllIsOneUndoStepAndKeepsTheEarlierHistory)
{
    Load("a-a-a\nb\n");
    doc.InsertString(0, "x", 1);
    ASSERT_NE(ReplaceAll(doc, "a", "bb", {}, messages, 2), kNone);
    EXPECT_EQ(Text(), "xbb-bb-bb\nb\n");
    int line = 0;
    EXPECT_EQ(doc.Undo(line), 1u);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(Text(), "xa-a-a\nb\n");
    EXPECT_EQ(doc.Undo(line), 0u);
    EXPECT_EQ(Text(), "a-a-a\nb\n");
    EXPECT_EQ(doc.Redo(line), 0u);
    EXPECT_EQ(doc.Redo(line), 1u);
    EXPECT_EQ(Text(), "xbb-bb-bb\nb\n");
    EXPECT_TRUE(LineCountMatches(doc));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Search, ReplaceAllThatCannotGetMemoryChangesNothing)
{
    Load("a a a a");
    blocks.limit = doc.GetBlockSize();
    EXPECT_EQ(ReplaceAll(doc, "a", std::string(600, 'b'), {}, messages, 1), kNone);
    EXPECT_EQ(Text(), "a a a a");
    EXPECT_FALSE(doc.CanUndo());
}

} // namespace
