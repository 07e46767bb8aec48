#include "editor/view/row_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each run as slot letter and bytes: t text, c C keyword, p C++ keyword,
// d directive, m comment, M marked, b bookmark; then the fill after '|'.
std::string Render(const RowContent& row)
{
    static const char kLetters[] = "tcpdmMb";
    static const char kFills[] = "TBM";
    std::string out;
    for (const ColourRun& r : row.runs)
        out += std::string(1, kLetters[static_cast<int>(r.slot)]) + "[" +
               row.line.text.substr(r.begin, r.length) + "]";
    return out + "|" + kFills[static_cast<int>(row.fill)];
}

std::vector<std::string> Layout(const std::string& text, const ViewPositions& view,
                                RowLayoutSettings settings, int rows = 10, int first = 0,
                                int last = 10)
{
    StringViewText source(text);
    TopCommentTracker comments;
    std::vector<RowContent> content;
    LayoutRows(source, view, settings, rows, first, last, comments, content);
    std::vector<std::string> out;
    for (const RowContent& row : content)
        out.push_back(row.drawn ? Render(row) : "-");
    return out;
}

const std::string kSource = "int a; /* one\ntwo\nend */ int b;\nchar c;\n";

TEST(LayoutRows, ColoursFromACommentOpenedAboveTheWindow)
{
    ViewPositions view;
    view.top = 14; // "two": the comment opened on the line above
    RowLayoutSettings coloured{true, false, 4};
    std::vector<std::string> expected = {"m[two]|T", "m[end */]t[ ]c[int]t[ b;]|T",
                                         "c[char]t[ c;]|T", "|T"};
    EXPECT_EQ(Layout(kSource, view, coloured), expected);
}

TEST(LayoutRows, SelectionAcrossABlockCommentKeepsTheOtherColours)
{
    ViewPositions view;
    view.selStart = 10; // from "one" ...
    view.selEnd = 20;   // ... to "end" (exclusive of its 'd')
    RowLayoutSettings coloured{true, false, 4};
    std::vector<std::string> expected = {"c[int]t[ a; ]m[/* ]M[one]|M", "M[two]|M",
                                         "M[en]m[d */]t[ ]c[int]t[ b;]|T", "c[char]t[ c;]|T", "|T"};
    EXPECT_EQ(Layout(kSource, view, coloured), expected);
}

TEST(LayoutRows, BookmarkedLinesAreNotColoured)
{
    ViewPositions view;
    view.bookmarks[3] = 32; // "char c;"
    view.selStart = 32;
    view.selEnd = 36;
    RowLayoutSettings coloured{true, false, 4};
    std::vector<std::string> rows = Layout(kSource, view, coloured);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[3], "M[char]b[ c;]|B");
    view.selEnd = 40;
    EXPECT_EQ(Layout(kSource, view, coloured)[3], "M[char c;]|M");
}

TEST(LayoutRows, PlainAndShowHidden)
{
    ViewPositions view;
    view.selStart = 2;
    view.selEnd = 3; // the 'b'
    EXPECT_EQ(Layout("a\tb", view, {false, false, 4}), std::vector<std::string>{"t[a\t]M[b]|T"});
    EXPECT_EQ(Layout("a\tb", view, {false, true, 4}),
              std::vector<std::string>{"t[a\xBB\t]M[b]t[\xB6]|T"});
}

TEST(LayoutRows, UndrawnRowsCarryTheSameStateAsDrawnOnes)
{
    const std::string text =
        "x /* a */ y /* b\n\"/*\" still\nint q; */ int r;\n// c /* d\nint s;\n";
    ViewPositions view;
    RowLayoutSettings coloured{true, false, 4};
    std::vector<std::string> full = Layout(text, view, coloured);
    for (int first = 0; first < 6; ++first) {
        std::vector<std::string> part = Layout(text, view, coloured, 10, first, first);
        ASSERT_EQ(part.size(), full.size());
        EXPECT_EQ(part[first], full[first]) << "row " << first;
    }
}

TEST(LayoutRows, StopsAtTheRowCountAndTheTextEnd)
{
    ViewPositions view;
    EXPECT_EQ(Layout("a\nb\nc", view, {}, 2).size(), 2u);
    EXPECT_EQ(Layout("a\nb\nc", view, {}, 9).size(), 3u);
    EXPECT_EQ(Layout("", view, {}, 9), std::vector<std::string>{"|T"});
}

} // namespace
