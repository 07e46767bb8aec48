#include "setup/install_progress.h"

#include <gtest/gtest.h>

#include "setup/progress_layout.h"

namespace {

TEST(ProgressPercent, IsTheShareOfBytesDone)
{
    struct Case {
        const char* what;
        std::int64_t done, total;
        std::size_t filesDone, fileCount;
        std::int32_t expected;
    } const cases[] = {
        {"first of 300 and 700", 300, 1000, 1, 2, 30},
        {"both of 300 and 700", 1000, 1000, 2, 2, 100},
        {"rounds down", 999, 1000, 1, 2, 99},
        {"beyond 21,474,836 bytes", 30000000, 40000000, 1, 2, 75},
        {"beyond 32 bits", 6000000000, 8000000000, 1, 2, 75},
        {"near the 64-bit limit", INT64_MAX / 2, INT64_MAX, 1, 2, 50},
        {"all sizes 0: files stand in", 0, 0, 1, 4, 25},
        {"all sizes 0, at the end", 0, 0, 4, 4, 100},
        {"negative sizes stay within the bar", -50, 100, 1, 2, 0},
        {"more than the total stays within the bar", 150, 100, 2, 2, 100},
        {"negative total: files stand in", -10, -20, 1, 2, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ProgressPercent(c.done, c.total, c.filesDone, c.fileCount), c.expected);
    }
}

TEST(ProgressLayout, BarOnA640By480Screen)
{
    const PixelRect outline = BarOutline(640, 480);
    EXPECT_EQ(outline, (PixelRect{200, 330, 440, 380}));
    EXPECT_EQ(ProgressBoxRect(640, 480), (PixelRect{190, 290, 450, 400}));
    const PixelRect bar = BarInside(outline);
    EXPECT_EQ(bar, (PixelRect{201, 331, 439, 379}));

    const PixelRect half = FilledPart(outline, 50);
    EXPECT_EQ(half, (PixelRect{201, 331, 320, 379}));
    EXPECT_EQ(UnfilledPart(half, bar), (PixelRect{321, 331, 439, 379}));

    const PixelRect none = FilledPart(outline, 0);
    EXPECT_EQ(none.left, none.right);
    EXPECT_EQ(FilledPart(outline, 100).right, 440);
    // Whole-number arithmetic: 29 % of 239 is 69.31.
    EXPECT_EQ(FilledPart(outline, 29).right, 201 + 69);
}

TEST(ProgressLayout, BandsAndStripSurroundTheBar)
{
    const PixelRect bar = BarInside(BarOutline(640, 480));
    const auto bands = BackdropBands(640, 480, bar);
    EXPECT_EQ(bands[0], (PixelRect{0, 0, 640, 290}));
    EXPECT_EQ(bands[1], (PixelRect{0, 291, 190, 399}));
    EXPECT_EQ(bands[2], (PixelRect{450, 291, 640, 399}));
    EXPECT_EQ(bands[3], (PixelRect{0, 400, 640, 480}));
    EXPECT_EQ(CaptionStrip(bar), (PixelRect{201, 296, 448, 330}));
    EXPECT_EQ(CaptionText("MARL.EXE"), "Copying file MARL.EXE");
    EXPECT_EQ(PercentText(42), "42%");
}

} // namespace
