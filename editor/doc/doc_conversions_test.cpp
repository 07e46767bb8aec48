#include "editor/doc/doc_conversions.h"
#include "editor/doc/doc_test_support.h"
#include "editor/doc/line_queries.h"
#include "editor/doc/tab_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using doc_convert::ConvertNumber;

TEST(ConvertNumber, Notations)
{
    struct Case {
        const char* text;
        int radix;
        const char* expected;
    };
    const Case cases[] = {
        {"255", 16, "0xFF"},
        {"0xFF", 8, "0377"},
        {"1Fh", 10, "31"},
        {"1fH", 16, "1f"}, // already hexadecimal: the run, suffix dropped
        {"0377", 10, "255"},
        {"0x1f", 16, "0x1f"},
        {"12 apples", 10, "12"},
        {"12 0x10", 16, "0xC"}, // only the leading run counts
        {"0xFFFFFFFF", 10, "-1"},
        {"4294967296", 16, "0x0"}, // wraps at 32 bits
        {"2147483648", 8, "020000000000"},
        {"0", 16, "0x0"},
        {"0", 8, "0"},
        {"ff", 16, "0xFF"},  // decimal source: a letter counts as 16 * value + letter
        {"apples", 10, "a"}, // the run in its own notation
        {"pears", 10, ""},
        {"", 16, ""},
        {"-5", 16, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertNumber(c.text, c.radix), c.expected) << c.text << " to " << c.radix;
}

TEST(ConvertNumber, LongSelectionsAreRefusedWithoutOverrun)
{
    EXPECT_EQ(ConvertNumber(std::string(2047, '9'), 16).substr(0, 2), "0x");
    EXPECT_EQ(ConvertNumber(std::string(2048, '9'), 16), "");
    // The longest run of a radix's own digits comes back whole.
    std::string run = "0x" + std::string(2045, 'F');
    EXPECT_EQ(ConvertNumber(run, 16), run);
}

namespace {

std::string Reformat(std::string_view text, int length, bool keep = false, int startColumn = 1,
                     int tab = 8)
{
    doc_convert::ReformatParams params;
    params.startColumn = startColumn;
    params.lineLength = length;
    params.keepBreaks = keep;
    params.tabLength = tab;
    std::string out = "<unchanged>";
    doc_convert::ReformatText(text, params, out);
    return out;
}

std::string WithoutBlanks(std::string_view text)
{
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            out += c;
    return out;
}

} // namespace

TEST(ReformatText, Examples)
{
    struct Case {
        const char* text;
        int length;
        bool keep;
        int startColumn;
        const char* expected;
    };
    const Case cases[] = {
        {"aaa bbb ccc", 10, false, 1, "aaa bbb\nccc"},
        {"aaa\nbbb\n", 10, false, 1, "<unchanged>"}, // every line fits: not joined
        {"abcdefghijklmno", 10, false, 1, "abcdefghij\nklmno"},
        {"aaa bbb\nccc ddd eee\n", 10, true, 1, "aaa bbb\nccc ddd\neee\n"},
        {"aaa bbb ccc\nddd", 10, false, 1, "aaa bbb\nccc ddd"},
        {"aa bb", 10, false, 8, "aa\nbb"}, // text before the selection counts
    };
    for (const Case& c : cases)
        EXPECT_EQ(Reformat(c.text, c.length, c.keep, c.startColumn), c.expected) << c.text;
}

TEST(ReformatText, ATabWiderThanTheLineEnds)
{
    EXPECT_EQ(Reformat("\t\tx", 10, false, 1, 40), "\n\nx");
}

TEST(ReformatText, TrailingLineFeedKeepsTheParagraph)
{
    doc_convert::ReformatParams params;
    params.lineLength = 10;
    params.lineFeedAfter = true;
    std::string out;
    ASSERT_TRUE(doc_convert::ReformatText("aaa bbb ccc\n", params, out));
    EXPECT_EQ(out, "aaa bbb\nccc \n");
    params.keepBreaks = true;
    ASSERT_TRUE(doc_convert::ReformatText("aaa bbb ccc\n", params, out));
    EXPECT_EQ(out, "aaa bbb\nccc\n");
}

namespace {

// The refill as it was first written, one byte at a time: the bytes of a
// broken-off word go back on a stack and are fed again.  Slow, but plainly
// the rule; the fast refill must give the same bytes for every input.
bool ReferenceRefill(std::string_view text, const doc_convert::ReformatParams& p, std::string& out)
{
    std::string back, o;
    std::size_t in = 0, lineStart = 0;
    int col = std::max(p.startColumn, 1);
    bool broke = false;
    for (;;) {
        char c;
        if (!back.empty()) {
            c = back.back();
            back.pop_back();
        } else if (in < text.size()) {
            c = text[in++];
        } else {
            break;
        }
        const bool kept = c == '\n' && p.keepBreaks;
        const int next = c == '\t' ? line_query::NextTabStop(col, p.tabLength) : kept ? 1 : col + 1;
        if (next - 1 > p.lineLength && !(o.size() == lineStart && col == 1)) {
            broke = true;
            back += c;
            std::size_t cut = o.size();
            while (cut > lineStart && o[cut - 1] != ' ' && o[cut - 1] != '\t')
                --cut;
            if (cut > lineStart) {
                back.append(o.rbegin(), o.rend() - static_cast<std::ptrdiff_t>(cut));
                o.resize(cut - 1);
            }
            o += '\n';
            lineStart = o.size();
            col = 1;
            continue;
        }
        col = next;
        o += c == '\n' && !kept ? ' ' : c;
        if (kept)
            lineStart = o.size();
    }
    if (!broke)
        return false;
    if (!p.keepBreaks && p.lineFeedAfter)
        o += '\n';
    out = o;
    return true;
}

// Words of every length, runs of blanks, tabs and line feeds, or only blanks.
std::string RandomRefillText(std::mt19937& rng)
{
    const char* pieces[] = {" ", "  ", "\t", "\n", "\n\n", " \t ", "\t\t"};
    std::string text;
    const std::size_t size = rng() % 4 == 0 ? rng() % 24 : rng() % 160;
    const bool onlyBlanks = rng() % 10 == 0;
    while (text.size() < size) {
        if (onlyBlanks || rng() % 2)
            text += pieces[rng() % std::size(pieces)];
        else
            text.append(rng() % 3 ? 1 + rng() % 8 : 1 + rng() % 60, "xyz"[rng() % 3]);
    }
    return text;
}

} // namespace

TEST(ReformatText, MatchesTheByteAtATimeRefill)
{
    std::mt19937 rng(41);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomRefillText(rng);
        doc_convert::ReformatParams p;
        p.lineLength = 1 + static_cast<int>(rng() % 8 ? rng() % 40 : rng() % 120);
        p.startColumn = static_cast<int>(rng() % 60);
        p.keepBreaks = rng() % 2;
        p.tabLength = static_cast<int>(rng() % 4 ? rng() % 12 : rng() % 50); // wider than lines too
        p.lineFeedAfter = rng() % 2;
        std::string expected;
        const bool broke = ReferenceRefill(text, p, expected);
        ASSERT_EQ(doc_convert::ReformatBreaks(text, p), broke) << round;
        if (!broke)
            continue;
        // Written in place, the refill keeps within its bound and leaves the
        // room behind its result as it was: a document's gap stays zero.
        std::vector<char> room(doc_convert::ReformatBound(text.size(), p) + 8, '\0');
        const std::size_t size = doc_convert::ReformatTo(text, p, room.data());
        ASSERT_EQ(std::string_view(room.data(), size), expected) << round;
        ASSERT_TRUE(std::all_of(room.begin() + static_cast<std::ptrdiff_t>(size), room.end(),
                                [](char c) { return c == '\0'; }))
            << round;
    }
}

namespace {

class Conversions : public ::testing::Test, public DocFixture {
protected:
    void UndoAll()
    {
        int line = 0;
        doc.Undo(line);
    }
    void RedoAll()
    {
        int line = 0;
        doc.Redo(line);
    }
};

} // namespace

TEST_F(Conversions, CaseIsOneStepAndRedoneExactly)
{
    Load("stra\xDF"
         "e Abc\n");
    EXPECT_TRUE(doc.ConvertCase(0, 10, true, 1));
    EXPECT_EQ(Text(), "STRA\xDF"
                      "E ABC\n");
    EXPECT_EQ(doc.UndoCount(), 1u);
    EXPECT_FALSE(doc.ConvertCase(0, 10, true, 1)); // nothing left to change
    EXPECT_TRUE(doc.ConvertCase(0, 3, false, 1));
    EXPECT_EQ(Text(), "strA\xDF"
                      "E ABC\n");
    UndoAll();
    UndoAll();
    EXPECT_EQ(Text(), "stra\xDF"
                      "e Abc\n");
    RedoAll();
    EXPECT_EQ(Text(), "STRA\xDF"
                      "E ABC\n");
    RedoAll();
    EXPECT_EQ(Text(), "strA\xDF"
                      "E ABC\n");
}

TEST_F(Conversions, CapitaliseIsRedoneToo)
{
    Load("stra\xDF"
         "E\n");
    TextPos start = kNoPos, end = kNoPos;
    doc.CapitalizeWord(2, start, end);
    EXPECT_EQ(Text(), "Stra\xDF"
                      "e\n");
    UndoAll();
    EXPECT_EQ(Text(), "stra\xDF"
                      "E\n");
    RedoAll();
    EXPECT_EQ(Text(), "Stra\xDF"
                      "e\n");
}

TEST_F(Conversions, TabTables)
{
    struct Case {
        int tab;
        bool toTabs;
        TextPos from;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {4, true, 0, "a   b\n", "a\tb\n"},
        {4, true, 0, "ab c\n", "ab c\n"},
        {4, true, 0, "        x\n", "\t\tx\n"},
        {8, true, 0, "        x\n", "\tx\n"},
        {8, true, 3, "a       b\n", "a\tb\n"}, // from the line start
        {4, false, 0, "ab\tc\n", "ab  c\n"},
        {8, false, 0, "ab\tc\n", "ab      c\n"},
        {8, false, 5, "x\n\t\ty\n", "x\n                y\n"},
    };
    for (const Case& c : cases) {
        Load(c.text);
        settings.tabLength = c.tab;
        TextPos end = doc.GetLength();
        if (c.toTabs)
            doc.BlanksToTabs(c.from, end, 1);
        else
            doc.TabsToBlanks(c.from, end, 1);
        EXPECT_EQ(Text(), c.expected) << c.text;
        if (Text() != c.text) {
            UndoAll();
            EXPECT_FALSE(doc.CanUndo());
            EXPECT_EQ(Text(), c.text);
            RedoAll();
            EXPECT_EQ(Text(), c.expected);
        }
    }
}

TEST_F(Conversions, ReformatOfPartOfALineKeepsTheRest)
{
    Load("xx aaa bbb ccc yy\nzz\n");
    EXPECT_TRUE(doc.ReformatRange(3, 14, 10, false, 1));
    EXPECT_EQ(Text(), "xx aaa\nbbb ccc yy\nzz\n");
    UndoAll();
    EXPECT_EQ(Text(), "xx aaa bbb ccc yy\nzz\n");
    EXPECT_FALSE(doc.CanUndo());
    RedoAll();
    EXPECT_EQ(Text(), "xx aaa\nbbb ccc yy\nzz\n");
}

TEST_F(Conversions, ReformatShortOfMemoryChangesNothing)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "aaa bbb\n";
    Load(text);
    blocks.limit = text.size() + 16; // the refill needs room to grow
    EXPECT_FALSE(doc.ReformatRange(0, doc.GetLength(), 10, false, 1));
    EXPECT_EQ(Text(), text);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"No Memory"});
}

// Random texts and selections: the text around the selection stays, the
// words inside keep their bytes and order, and one undo restores the text.
TEST_F(Conversions, ConvertThenUndoRestoresAndReformatLosesNothing)
{
    std::mt19937 rng(17);
    const char alphabet[] = "ab cdXY\t\n  \xDF";
    for (int round = 0; round < 400; ++round) {
        std::string text;
        int n = static_cast<int>(rng() % 300);
        for (int i = 0; i < n; ++i)
            text += alphabet[rng() % (sizeof alphabet - 1)];
        if (round % 7 == 0)
            text = std::string(static_cast<std::size_t>(n), ' ');
        Load(text);
        settings.tabLength = round % 2 ? 4 : 8;
        TextPos a = text.empty() ? 0 : static_cast<TextPos>(rng() % text.size());
        TextPos b = a + (text.empty() ? 0 : static_cast<TextPos>(rng() % (text.size() - a + 1)));
        int kind = round % 5;
        bool changed = true;
        switch (kind) {
        case 0:
            changed = doc.ConvertCase(a, b, true, 1);
            break;
        case 1:
            changed = doc.TabsToBlanks(a, b, 1) != 0 || Text() != text;
            break;
        case 2:
            changed = doc.BlanksToTabs(a, b, 1) != 0 || Text() != text;
            break;
        case 3:
            changed = doc.ReplaceText(a, b, ConvertNumber(text.substr(a, b - a), 16), 1) != 0;
            break;
        default: {
            changed = doc.ReformatRange(a, b, 10, round % 3 == 0, 1);
            std::string after = Text();
            EXPECT_EQ(after.substr(0, a), text.substr(0, a)) << round;
            std::size_t tail = text.size() - b;
            std::string afterTail = after.substr(after.size() - tail);
            EXPECT_EQ(afterTail, text.substr(b)) << round;
            std::string middle = after.substr(a, after.size() - tail - a);
            EXPECT_EQ(WithoutBlanks(middle), WithoutBlanks(text.substr(a, b - a))) << round;
            break;
        }
        }
        std::string converted = Text();
        if (changed || doc.CanUndo()) {
            ASSERT_TRUE(doc.CanUndo()) << round;
            UndoAll();
            EXPECT_FALSE(doc.CanUndo()) << round << " kind " << kind;
            EXPECT_EQ(Text(), text) << round << " kind " << kind;
            RedoAll();
            EXPECT_EQ(Text(), converted) << round << " kind " << kind;
        }
        EXPECT_TRUE(LineCountMatches(doc));
    }
}

// The fast paths work on blocks of bytes and on both sides of the gap: they
// must agree with a byte-at-a-time reading wherever a block or the gap ends.
TEST_F(Conversions, FastPathsMatchAByteAtATimeReference)
{
    const auto upper = [](std::string t) {
        for (char& c : t)
            c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        return t;
    };
    const auto expand = [](std::string_view t, std::size_t tab) {
        std::string out;
        std::size_t col = 0;
        for (char c : t) {
            std::size_t width = c == '\t' ? tab - col % tab : 1;
            out.append(width, c == '\t' ? ' ' : c);
            col = c == '\n' ? 0 : col + width;
        }
        return out;
    };
    // Each blank looks ahead to see whether it starts two or more blanks
    // that reach the next tab stop.
    const auto compress = [](std::string_view t, std::size_t tab) {
        std::string out;
        std::size_t col = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const std::size_t toStop = tab - col % tab;
            std::size_t run = 0;
            while (t[i] == ' ' && run < toStop && i + run < t.size() && t[i + run] == ' ')
                ++run;
            if (run >= 2 && run == toStop) {
                out += '\t';
                i += run - 1;
                col += run;
                continue;
            }
            out += t[i];
            col = t[i] == '\n' ? 0 : t[i] == '\t' ? col + toStop : col + 1;
        }
        return out;
    };
    std::mt19937 rng(29);
    const char alphabet[] = "az{`@AZ[\xDF  \t\n    ";
    for (int round = 0; round < 600; ++round) {
        std::string text;
        for (std::size_t n = rng() % 400; n > 0; --n)
            text += alphabet[rng() % (sizeof alphabet - 1)];
        const std::size_t tab = std::size_t{1} + round % 2 * 3 + round % 3 * 4 + round % 5 * 5;
        EXPECT_EQ(tab_conversion::ExpandTabs(text, static_cast<int>(tab)), expand(text, tab))
            << round;
        EXPECT_EQ(tab_conversion::CompressBlanks(text, static_cast<int>(tab)),
                  compress(text, tab))
            << round;
        // Blanks to tabs gives back what tabs to blanks made of a tab-only layout.
        std::string aligned = expand(text, tab);
        EXPECT_EQ(expand(tab_conversion::CompressBlanks(aligned, static_cast<int>(tab)), tab),
                  aligned)
            << round;

        Load(text);
        const auto gap = static_cast<TextPos>(rng() % (text.size() + 1));
        doc.InsertString(gap, "m", 1); // the gap now lies inside the text
        text.insert(gap, "m");
        const auto a = static_cast<TextPos>(rng() % (text.size() + 1));
        const auto b = a + static_cast<TextPos>(rng() % (text.size() - a + 1));
        const bool changed = doc.ConvertCase(a, b, true, 1);
        const std::string expected =
            text.substr(0, a) + upper(text.substr(a, b - a)) + text.substr(b);
        EXPECT_EQ(Text(), expected) << round;
        EXPECT_EQ(changed, expected != text) << round;
        if (changed)
            UndoAll();
        EXPECT_EQ(Text(), text) << round;
    }
}

TEST_F(Conversions, TabsToBlanksThenBackRestoresAlignedText)
{
    std::mt19937 rng(5);
    for (int tab : {4, 8}) {
        settings.tabLength = tab;
        for (int round = 0; round < 100; ++round) {
            // Tab-aligned: every tab stands for at least two columns.
            std::string text;
            for (int line = 0; line < 5; ++line) {
                text.append(rng() % 3, '\t');
                for (int k = 0; k < 3; ++k) {
                    std::string word(static_cast<std::size_t>(rng() % (tab - 2)) + 1, 'x');
                    text += word;
                    text += '\t';
                }
                text += "end\n";
            }
            Load(text);
            doc.TabsToBlanks(0, doc.GetLength(), 1);
            doc.BlanksToTabs(0, doc.GetLength(), 1);
            EXPECT_EQ(Text(), text) << tab << " " << round;
        }
    }
}
