#include "editor/view/view_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(HitTest, PlacesTheCaretBeforeTheClickedCharacter)
{
    ViewMetrics m;                          // 8 pixels wide, text starts at x = 8
    const std::string_view line = "abc\td"; // d in column 5
    const TextPos start = 100;
    struct {
        long long x;
        TextPos expected;
    } const cases[] = {
        {0, 100},                         // margin
        {8, 100},  {15, 100},             // inside 'a'
        {16, 100}, {17, 101},  {23, 101}, // x <= base stays at the start
        {24, 102}, {32, 103},             // inside the one-column tab
        {40, 104}, {47, 104},             // inside 'd'
        {48, 105}, {200, 105},            // right of the text: the line end, never the next line
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTest(m, line, start, c.x), c.expected) << "x " << c.x;
    m.horizontalOffset = -16; // scrolled two columns: 'c' now starts at x = 8
    EXPECT_EQ(HitTest(m, line, start, 9), 102u);
    EXPECT_EQ(HitTest(ViewMetrics{}, "", 7, 50), 7u);
}

TEST(ViewGeometry, ColumnsAndRows)
{
    ViewMetrics m;
    EXPECT_EQ(XOfColumn(m, 1), 8);
    EXPECT_EQ(XOfColumn(m, 5), 40);
    EXPECT_EQ(ColumnAtX(m, 47), 5u);
    EXPECT_EQ(ColumnAtX(m, 3), 1u);
    EXPECT_EQ(TextExtent(m, "a\tb", 3), 40);
    // A y on a row boundary belongs to the row above.
    EXPECT_EQ(MouseRow(m, 1), 0);
    EXPECT_EQ(MouseRow(m, 16), 0);
    EXPECT_EQ(MouseRow(m, 17), 1);
    EXPECT_EQ(MouseRow(m, 0), 0);
}

TEST(ScrollScale, KeepsTheRangeWithin32767)
{
    struct {
        long lines, scale, range;
    } const cases[] = {
        {0, 1, 0},           {32767, 1, 32767},   {32768, 10, 3276},           {40000, 10, 4000},
        {327679, 10, 32767}, {327680, 100, 3276}, {2000000000, 100000, 20000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScrollScale(c.lines), c.scale) << c.lines;
        EXPECT_EQ(ScrollRange(c.lines, ScrollScale(c.lines)), c.range) << c.lines;
    }
}

TEST(ScrollScale, ThumbDragOnFortyThousandLines)
{
    const long scale = ScrollScale(40000);
    EXPECT_EQ(ScrollRange(40000, scale), 4000);
    // From the top, dragging to 2000 moves 20000 lines: line 20001 shows.
    EXPECT_EQ(ThumbTrackLines(2000, scale, 0), 20000);
    EXPECT_EQ(ThumbTrackLines(1990, scale, 20000), -100);
    EXPECT_EQ(ScrollPositionOf(20000, scale), 2000);
}

TEST(ViewGeometry, PagesAndCentring)
{
    ViewMetrics m; // 16-pixel rows
    EXPECT_EQ(PageLines(m, 100), 6);
    EXPECT_EQ(TextEndRows(m, 100), 7);
    EXPECT_EQ(TextEndRows(m, 10), 2);
    EXPECT_EQ(CentringLines(m, 100), 3);
    EXPECT_EQ(CentringLines(m, 16), 0); // two rows: no centring
}

TEST(ScrollHorizontally, StepsOfOneCharacterAndPagesOfFive)
{
    using H = HorizontalScroll;
    HorizontalState s;
    EXPECT_EQ(ScrollHorizontally(s, H::LineLeft, 8), (HorizontalState{0, 0}));
    s = ScrollHorizontally(s, H::LineRight, 8);
    EXPECT_EQ(s, (HorizontalState{-8, 1}));
    s = ScrollHorizontally(s, H::PageLeft, 8); // not above 0
    EXPECT_EQ(s, (HorizontalState{0, 0}));
    s = ScrollHorizontally(s, H::PageRight, 8);
    EXPECT_EQ(s, (HorizontalState{-40, 5}));
    s = ScrollHorizontally(s, H::Track, 8, 300);
    EXPECT_EQ(s, (HorizontalState{-255 * 8, 255}));
    s = ScrollHorizontally(s, H::LineRight, 8); // past the bar's end
    EXPECT_EQ(s, (HorizontalState{-256 * 8, 255}));
    s = ScrollHorizontally(s, H::Track, 8, 0);
    EXPECT_EQ(s, (HorizontalState{0, 0}));
    // Far beyond the bar (a caret made visible on a long line), the way
    // back keeps the bar on the offset once it is within range again.
    s = HorizontalState{-300 * 8, 255};
    for (int i = 0; i < 10; ++i)
        s = ScrollHorizontally(s, H::PageLeft, 8);
    EXPECT_EQ(s, (HorizontalState{-250 * 8, 250}));
}

} // namespace
