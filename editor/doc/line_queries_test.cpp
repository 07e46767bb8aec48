#include "editor/doc/doc_test_support.h"

#include <gtest/gtest.h>

namespace {

// Each query must give the same answer wherever the gap lies, so every test
// runs once per gap position.
class LineQueries : public ::testing::Test, public DocFixture {
protected:
    template <typename Check> void ForEveryGap(std::string_view text, Check check)
    {
        Load(text);
        for (TextPos gap = 0; gap <= text.size(); ++gap) {
            SCOPED_TRACE(testing::Message() << "gap at " << gap);
            ASSERT_TRUE(doc.OpenGap(gap, 2));
            check();
        }
    }
};

} // namespace

TEST_F(LineQueries, EmptyDocument)
{
    std::string line = "x";
    EXPECT_EQ(doc.GetLength(), 0u);
    EXPECT_EQ(doc.GetLine(0, line), kNoPos);
    EXPECT_EQ(line, "");
    EXPECT_EQ(doc.LineStart(0), 0u);
    EXPECT_EQ(doc.LineEnd(0), 0u);
    EXPECT_EQ(doc.MoveLines(0, 3), 0u);
    EXPECT_EQ(doc.MoveLines(0, -3), 0u);
    EXPECT_EQ(doc.ColumnOfPos(0), 1);
}

TEST_F(LineQueries, LineStartsEndsAndLines)
{
    //                  0 1 2  3  4 5 6  7
    const std::string text = "ab\n\ncd\n";
    ForEveryGap(text, [&] {
        const struct {
            TextPos pos, start, end, next;
            const char* line;
        } cases[] = {
            {0, 0, 2, 3, "ab"},     {1, 0, 2, 3, "b"}, {2, 0, 2, 3, ""},      {3, 3, 3, 4, ""},
            {4, 4, 6, 7, "cd"},     {6, 4, 6, 7, ""},  {7, 7, 7, kNoPos, ""}, // the empty last line
            {99, 7, 7, kNoPos, ""},                                           // beyond: the end
        };
        for (const auto& c : cases) {
            std::string line;
            EXPECT_EQ(doc.LineStart(c.pos), c.start) << c.pos;
            EXPECT_EQ(doc.LineEnd(c.pos), c.end) << c.pos;
            EXPECT_EQ(doc.GetLine(c.pos, line), c.next) << c.pos;
            EXPECT_EQ(line, c.line) << c.pos;
        }
    });
}

TEST_F(LineQueries, CountAndMoveLines)
{
    const std::string text = "ab\n\ncd\nlast";
    ForEveryGap(text, [&] {
        EXPECT_EQ(doc.CountLines(0, 11), 3);
        EXPECT_EQ(doc.CountLines(11, 0), -3);
        EXPECT_EQ(doc.CountLines(3, 4), 1);
        EXPECT_EQ(doc.CountLines(5, 5), 0);
        EXPECT_EQ(doc.MoveLines(1, 1), 3u);
        EXPECT_EQ(doc.MoveLines(1, 2), 4u);
        EXPECT_EQ(doc.MoveLines(1, 3), 7u);
        EXPECT_EQ(doc.MoveLines(1, 50), 7u); // stops on the last line
        EXPECT_EQ(doc.MoveLines(9, -1), 4u);
        EXPECT_EQ(doc.MoveLines(9, -2), 3u);
        EXPECT_EQ(doc.MoveLines(9, -50), 0u);
        EXPECT_EQ(doc.MoveLines(9, 0), 7u);
        EXPECT_EQ(doc.MoveLines(2, 1), 3u); // from a line feed: the next line
    });
}

TEST_F(LineQueries, ColumnsFollowTheTabStops)
{
    settings.tabLength = 4;
    ForEveryGap("\tab\nx\ty\n", [&] {
        const int columns[] = {1, 5, 6, 7};
        for (TextPos pos = 0; pos < 4; ++pos)
            EXPECT_EQ(doc.ColumnOfPos(pos), columns[pos]) << pos;
        EXPECT_EQ(doc.ColumnOfPos(6), 5); // x, tab: the tab from column 2 goes to 5
        EXPECT_EQ(doc.ColumnOfPos(7), 6);

        TextPos pos = 2;
        EXPECT_EQ(doc.PosOfColumn(pos, 3), 5); // inside the tab: passes it
        EXPECT_EQ(pos, 1u);
        pos = 0;
        EXPECT_EQ(doc.PosOfColumn(pos, 6), 6);
        EXPECT_EQ(pos, 2u);
        pos = 3;
        EXPECT_EQ(doc.PosOfColumn(pos, 40), 7); // stops at the line feed
        EXPECT_EQ(pos, 3u);
        pos = 99; // beyond the text: the empty last line
        EXPECT_EQ(doc.PosOfColumn(pos, 3), 1);
        EXPECT_EQ(pos, 8u);
    });
}

TEST_F(LineQueries, PosOfColumnStopsAtTheTextEndAndAtZeroBytes)
{
    Load(std::string("ab\ncd\0ef", 8));
    TextPos pos = 4;
    EXPECT_EQ(doc.PosOfColumn(pos, 10), 3);
    EXPECT_EQ(pos, 5u); // at the zero byte
    Load("ab\ncd");
    pos = 4;
    EXPECT_EQ(doc.PosOfColumn(pos, 10), 3);
    EXPECT_EQ(pos, 5u); // the end of the text
}

TEST_F(LineQueries, NextTabStopForEveryTabLength)
{
    for (int t = 1; t <= 32; ++t) {
        for (int c = 1; c < 70; ++c) {
            int stop = line_query::NextTabStop(c, t);
            EXPECT_GT(stop, c);
            EXPECT_LE(stop, c + t);
            EXPECT_EQ((stop - 1) % t, 0) << "tab " << t << " column " << c;
        }
    }
}
