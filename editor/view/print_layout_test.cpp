#include "editor/view/print_layout.h"

#include "editor/view/comment_walk.h"
#include "editor/view/testing/recording_print_surface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Cells 10 units wide, lines 10 high, tab stops every 4 cells: a page of
// 80 columns by 60 lines.
PrintSetup PageSetup(bool header = true, bool footer = true, bool numbers = false)
{
    PrintSetup s;
    s.lineHeight = 10;
    s.width = 800;
    s.height = 600;
    s.tabWidth = 40;
    s.header = header;
    s.footer = footer;
    s.lineNumbers = numbers;
    return s;
}

std::string Lines(int count, const std::string& stem = "line")
{
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + "\n";
    return text;
}

// The rows one page draws, top to bottom.
std::vector<std::string> DrawPage(const std::string& doc, const PrintSetup& setup,
                                  const PrintPageStart& start, PrintRange range = {},
                                  bool inComment = false)
{
    StringViewText text(doc);
    PrintLayout layout(setup);
    RecordingPrintSurface surface;
    RunPrintPage(text, range, layout, start, surface, true, inComment);
    std::vector<std::string> rows;
    for (const auto& [y, row] : surface.Rows())
        rows.push_back(row);
    return rows;
}

TEST(PrintLayout, ColoursNeedMoreThanTwoAndTheKeywordFontAChoice)
{
    struct {
        bool colouring;
        int colours;
        bool use, bold, italic, underline;
        bool colour, keywordFont;
    } const cases[] = {
        {true, 256, true, false, false, false, true, false},
        {true, -1, true, false, false, false, true, false}, // more than 256
        {true, 2, true, true, false, false, false, true},   // keyword font only
        {true, 16, false, false, true, false, false, true},
        {true, 16, true, false, false, true, true, true},
        {false, 256, true, true, true, true, false, false}, // the view is not coloured
    };
    for (const auto& c : cases) {
        const PrintStyle style =
            ChoosePrintStyle(c.colouring, c.colours, c.use, c.bold, c.italic, c.underline);
        EXPECT_EQ(style.colour, c.colour) << c.colours;
        EXPECT_EQ(style.keywordFont, c.keywordFont) << c.colours;
    }
}

TEST(PrintLayout, BodyLinesPerPageByHeaderAndFooter)
{
    struct {
        bool header, footer;
        int bodyTop, lines, footerY, footerRuleY;
    } const cases[] = {
        {true, true, 20, 51, 550, 545},
        {false, true, 0, 55, 570, 565}, // no header: four more lines
        {true, false, 20, 53, 570, 565},
        {false, false, 0, 57, 590, 585},
    };
    const std::string doc = Lines(200);
    StringViewText text(doc);
    for (const auto& c : cases) {
        PrintLayout layout(PageSetup(c.header, c.footer));
        RecordingPrintSurface surface;
        const PrintPageEnd end = RunPrintPage(text, {}, layout, {}, surface, false);
        EXPECT_EQ(layout.BodyTop(), c.bodyTop) << c.header << c.footer;
        EXPECT_EQ(end.lines, c.lines) << c.header << c.footer;
        EXPECT_EQ(
            end.next,
            (PrintPageStart{static_cast<TextPos>(doc.find("line" + std::to_string(c.lines + 1))),
                            c.lines + 1L, false}));
        EXPECT_EQ(layout.FooterY(), c.footerY);
        EXPECT_EQ(layout.FooterRuleY(), c.footerRuleY);
    }
}

TEST(PrintLayout, HeaderAndFooterPlacedByStyle)
{
    struct {
        PrintAlign align;
        int x;
    } const cases[] = {
        {PrintAlign::Left, 0}, {PrintAlign::Centre, 400 - 15}, {PrintAlign::Right, 770}};
    for (const auto& c : cases) {
        PrintSetup setup = PageSetup();
        setup.headerAlign = c.align;
        setup.footerAlign = c.align;
        PrintLayout layout(setup);
        RecordingPrintSurface surface;
        layout.DrawFrame(surface, "abc", "-1-");
        ASSERT_EQ(surface.m_drawn.size(), 2u);
        EXPECT_EQ(surface.m_drawn[0].x, c.x);
        EXPECT_EQ(surface.m_drawn[0].y, 0);
        EXPECT_EQ(surface.m_drawn[1].x, c.x);
        EXPECT_EQ(surface.m_drawn[1].y, 550);
        EXPECT_EQ(surface.m_rules, (std::vector<std::pair<int, int>>{{15, 800}, {545, 800}}));
    }
    // A tab in the header is measured and drawn at the tab width.
    PrintLayout layout(PageSetup(true, false));
    RecordingPrintSurface surface;
    layout.DrawFrame(surface, "a\tb", "ignored");
    EXPECT_EQ(surface.Rows().at(0), "a   b");
    EXPECT_EQ(surface.m_rules.size(), 1u) << "no footer, no footer rule";
}

TEST(PrintLayout, WideLinesContinueOneTabFurtherIn)
{
    const std::string wide(100, 'x');
    const std::string doc = wide + "\nnext\n";
    struct {
        bool numbers;
        std::vector<std::string> rows;
    } const cases[] = {
        {false, {std::string(80, 'x'), "    " + std::string(20, 'x'), "next"}},
        {true, {"1   " + std::string(76, 'x'), "        " + std::string(24, 'x'), "2   next"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DrawPage(doc, PageSetup(false, false, c.numbers), {}), c.rows) << c.numbers;
}

TEST(PrintLayout, EveryBodyLineTakesOneCharacterAtLeast)
{
    // Narrower than one character, and a number prefix wider than the page.
    struct {
        int width;
        bool numbers;
    } const cases[] = {{5, false}, {30, true}};
    for (const auto& c : cases) {
        PrintSetup setup = PageSetup(false, false, c.numbers);
        setup.width = c.width;
        StringViewText text("abc\nd\n");
        RecordingPrintSurface surface;
        const auto pages = PaginateForPrint(text, {}, PrintLayout(setup), surface);
        ASSERT_EQ(pages.size(), 1u);
        const PrintPageEnd end =
            RunPrintPage(text, {}, PrintLayout(setup), pages[0], surface, false);
        EXPECT_EQ(end.lines, 4) << c.width;
        EXPECT_TRUE(end.done);
    }
    // A page too short for any line still takes one, so counting ends.
    PrintSetup tiny = PageSetup();
    tiny.height = 30;
    const std::string three = Lines(3);
    StringViewText text(three);
    RecordingPrintSurface surface;
    EXPECT_EQ(PaginateForPrint(text, {}, PrintLayout(tiny), surface).size(), 3u);
}

TEST(PrintLayout, EmptyTextOrSelectionPrintsOnePage)
{
    struct {
        const char* doc;
        PrintRange range;
    } const cases[] = {{"", {}}, {"abc\n", {4, 4}}};
    for (const auto& c : cases) {
        StringViewText text(c.doc);
        RecordingPrintSurface surface;
        const auto pages = PaginateForPrint(text, c.range, PrintLayout(PageSetup()), surface);
        ASSERT_EQ(pages.size(), 1u) << c.doc;
        EXPECT_EQ(pages[0].pos, c.range.start);
    }
}

TEST(PrintLayout, SelectionRunsToTheEndOfItsLastLineNumberedAsInTheText)
{
    const std::string doc = "one\ntwo abc\nthree def\nfour\nfive\n";
    const TextPos inTwo = static_cast<TextPos>(doc.find("abc"));
    const TextPos inThree = static_cast<TextPos>(doc.find("def"));
    const TextPos four = static_cast<TextPos>(doc.find("four"));
    struct {
        PrintRange range;
        std::vector<std::string> rows;
    } const cases[] = {
        {{inTwo, inThree}, {"2   abc", "3   three def"}},
        {{inTwo, four}, {"2   abc", "3   three def", "4   four"}},
        {{0, kNoPos}, {"1   one", "2   two abc", "3   three def", "4   four", "5   five"}},
    };
    for (const auto& c : cases) {
        StringViewText text(doc);
        RecordingPrintSurface surface;
        const auto pages =
            PaginateForPrint(text, c.range, PrintLayout(PageSetup(false, false, true)), surface);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(DrawPage(doc, PageSetup(false, false, true), pages[0], c.range), c.rows);
    }
}

TEST(PrintLayout, PagesDrawnAfterCountingHoldEveryLineOnce)
{
    // Wrapped lines across page ends, numbers on: the pages the count made
    // draw the whole text, each piece once, and a page may start inside a
    // wrapped line.
    std::string doc;
    for (int i = 1; i <= 300; ++i)
        doc += std::string(static_cast<std::size_t>(i * 7 % 190), char('a' + i % 26)) + "\n";
    const PrintSetup setup = PageSetup(true, true, true);
    StringViewText text(doc);
    PrintLayout layout(setup);
    RecordingPrintSurface surface;
    const auto pages = PaginateForPrint(text, {}, layout, surface);
    ASSERT_GT(pages.size(), 5u);
    bool startsInside = false;
    std::string printed;
    long lastNumber = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        startsInside |= pages[p].continuation;
        surface.Clear();
        const PrintPageEnd end = RunPrintPage(text, {}, layout, pages[p], surface, true);
        EXPECT_EQ(end.done, p + 1 == pages.size());
        if (!end.done) {
            EXPECT_EQ(end.next, pages[p + 1]);
        }
        for (const auto& [y, row] : surface.Rows()) {
            EXPECT_LE(static_cast<int>(row.size()) * 10, setup.width);
            const std::size_t text_at = row.find_first_not_of("0123456789 ");
            if (row[0] != ' ') {
                EXPECT_EQ(std::stol(row), lastNumber + 1) << "numbers are not skipped";
                lastNumber = std::stol(row);
                if (!printed.empty())
                    printed += '\n';
            }
            if (text_at != std::string::npos)
                printed += row.substr(text_at);
        }
    }
    EXPECT_TRUE(startsInside);
    EXPECT_EQ(lastNumber, 300);
    EXPECT_EQ(printed + "\n", doc);
}

TEST(PrintLayout, StyledLinesStartInTheCommentStateOfThePage)
{
    PrintSetup setup = PageSetup(false, false);
    setup.styled = true;
    setup.width = 100; // ten cells
    // The page starts on line 2, inside the comment line 1 opened.
    const std::string doc = "/* c\nint y; */ int\n// a long comment\n";
    StringViewText text(doc);
    PrintLayout layout(setup);
    RecordingPrintSurface surface;
    const PrintPageStart start{5, 2, false};
    RunPrintPage(text, {}, layout, start, surface, true, CommentStateByWalk(text, start.pos));
    auto slotOf = [&](const std::string& piece) {
        for (const auto& d : surface.m_drawn)
            if (d.text.find(piece) != std::string::npos)
                return d.slot;
        ADD_FAILURE() << piece << " not drawn";
        return ColourSlot::Bookmark;
    };
    EXPECT_EQ(slotOf("int y"), ColourSlot::Comment);
    ASSERT_GE(surface.m_drawn.size(), 3u);
    EXPECT_EQ(surface.m_drawn[2].text, "int");
    EXPECT_EQ(surface.m_drawn[2].slot, ColourSlot::CKeyword) << "the comment closed";
    EXPECT_EQ(slotOf("comm"), ColourSlot::Comment) << "a wrapped line comment stays one";
    surface.Clear();
    RunPrintPage(text, {}, layout, start, surface, true, false);
    EXPECT_EQ(slotOf("int"), ColourSlot::CKeyword);
}

} // namespace
