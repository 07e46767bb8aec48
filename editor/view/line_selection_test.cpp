#include "editor/view/line_selection.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionInLine, FindsTheSelectedPartOfEachLine)
{
    // Text "abcd\nef\n\ngh": lines at 0 (4), 5 (2), 8 (0), 9 (2, last).
    struct {
        TextPos lineStart, length;
        bool lineFeed;
        TextPos selStart, selEnd;
        LineSelection expected;
    } const cases[] = {
        {0, 4, true, 1, 3, {1, 2, false}},
        {0, 4, true, 2, 7, {2, 3, true}}, // runs into the next line
        {5, 2, true, 2, 7, {0, 1, false}},
        {5, 2, true, 0, 11, {0, 1, true}},   // wholly inside
        {8, 0, true, 0, 11, {0, -1, true}},  // empty line inside: only the line feed
        {8, 0, true, 0, 8, {-1, -1, false}}, // empty line at the selection's end
        {9, 2, false, 0, 11, {0, 1, false}}, // last line: nothing past its end
        {0, 4, true, 4, 5, {4, 3, true}},    // only the line feed
        {0, 4, true, 5, 7, {-1, -1, false}},
        {0, 4, true, 3, 3, {-1, -1, false}}, // empty selection
        {0, 4, true, kNoPos, kNoPos, {-1, -1, false}},
    };
    for (const auto& c : cases) {
        LineSelection got =
            SelectionInLine(c.lineStart, c.length, c.lineFeed, c.selStart, c.selEnd);
        EXPECT_EQ(got, c.expected)
            << "line " << c.lineStart << " sel " << c.selStart << ".." << c.selEnd << " got "
            << got.first << ".." << got.last << (got.continues ? " +" : "");
    }
}

TEST(MarkSelection, SplitsRunsAroundTheSelectedBytes)
{
    // "int x;" as a keyword run and a text run; select "nt x".
    std::vector<ColourRun> runs = {{0, 3, ColourSlot::CKeyword}, {3, 3, ColourSlot::Text}};
    std::vector<ColourRun> expected = {{0, 1, ColourSlot::CKeyword},
                                       {1, 2, ColourSlot::Marked},
                                       {3, 2, ColourSlot::Marked},
                                       {5, 1, ColourSlot::Text}};
    EXPECT_EQ(MarkSelection(runs, 1, 4), expected);
    EXPECT_EQ(MarkSelection(runs, -1, -1), runs);
    EXPECT_EQ(MarkSelection(runs, 6, 5), runs); // only the line feed selected
    std::vector<ColourRun> inside = {{0, 1, ColourSlot::CKeyword},
                                     {1, 1, ColourSlot::Marked},
                                     {2, 1, ColourSlot::CKeyword},
                                     {3, 3, ColourSlot::Text}};
    EXPECT_EQ(MarkSelection(runs, 1, 1), inside);
}

} // namespace
