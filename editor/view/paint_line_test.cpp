#include "editor/view/paint_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ExpandForPaint, ShowsHiddenCharactersKeepingTabStops)
{
    struct {
        const char* line;
        int tab;
        bool hidden;
        std::string expected;
    } const cases[] = {
        {"a\tb", 4, true, "a\xBB\tb\xB6"},
        {"a\tb", 4, false, "a\tb"},
        {"abc\td", 4, true,
         "abc\xBB"
         "d\xB6"}, // a one-column tab needs no real tab
        {"a b", 4, true,
         "a\xB7"
         "b\xB6"},
        {"", 4, true, "\xB6"},
        {"\t", 1, true, "\xBB\xB6"},
    };
    for (const auto& c : cases) {
        PaintLine out;
        ExpandForPaint(c.line, c.tab, c.hidden, out);
        EXPECT_EQ(out.text, c.expected) << c.line;
        EXPECT_FALSE(out.cut);
    }
    // b keeps its column 5 in both forms.
    PaintLine shown;
    ExpandForPaint("a\tb", 4, true, shown);
    EXPECT_EQ(ColumnAfter(shown.text, 3, 4), 5u);
    EXPECT_EQ(ColumnAfter("a\tb", 2, 4), 5u);
    EXPECT_EQ(DisplayIndex("a\tb", 2, 4, true), 3u);
    EXPECT_EQ(DisplayIndex("a\tb", 2, 4, false), 2u);
}

TEST(ExpandForPaint, CutsLinesAtTheBufferSizeAndMarksThem)
{
    for (bool hidden : {false, true}) {
        for (std::size_t length :
             {kPaintBufferSize - 1, kPaintBufferSize, kPaintBufferSize + 1, std::size_t{100000}}) {
            std::string line(length, 'x');
            PaintLine out;
            ExpandForPaint(line, 4, hidden, out);
            std::size_t natural = length + (hidden ? 1 : 0);
            ASSERT_LE(out.text.size(), kPaintBufferSize);
            EXPECT_EQ(out.cut, natural > kPaintBufferSize) << length << " hidden " << hidden;
            if (out.cut) {
                EXPECT_EQ(out.text.size(), kPaintBufferSize);
                EXPECT_EQ(out.text.back(), kCutMark);
            }
        }
    }
    // Tabs that double in show-hidden form still stay inside the buffer.
    PaintLine out;
    ExpandForPaint(std::string(40000, '\t'), 4, true, out);
    EXPECT_TRUE(out.cut);
    EXPECT_LE(out.text.size(), kPaintBufferSize);
    EXPECT_EQ(out.text.back(), kCutMark);
}

} // namespace
