#include "editor/doc/doc_test_support.h"

#include <gtest/gtest.h>

namespace {

class WordQueries : public ::testing::Test, public DocFixture {};

} // namespace

TEST_F(WordQueries, WordLeftAndRight)
{
    //          0123456789012345
    Load("foo  bar_1,x\nzz");
    const struct {
        TextPos pos, left, right;
    } cases[] = {
        {0, 0, 5},    {2, 0, 5},    {4, 0, 5},   {5, 0, 11},
        {7, 5, 11},   {10, 5, 11},  {11, 5, 12}, {12, 11, 13}, // on the line feed: the next line
        {13, 12, 15}, {15, 13, 15}, // at a line start: the end of the line before
    };
    for (TextPos gap : {0u, 6u, 13u}) {
        doc.OpenGap(gap, 1);
        for (const auto& c : cases) {
            EXPECT_EQ(doc.WordLeft(c.pos), c.left) << c.pos << " gap " << gap;
            EXPECT_EQ(doc.WordRight(c.pos), c.right) << c.pos << " gap " << gap;
        }
    }
}

TEST_F(WordQueries, GermanLettersAreWordCharacters)
{
    Load("Gr\xF6\xDF"
         "e x");
    EXPECT_EQ(doc.WordRight(0), 6u);
    EXPECT_EQ(doc.WordLeft(5), 0u);
    EXPECT_TRUE(MarlDocCore::IsWordChar(0xDF));
    EXPECT_FALSE(MarlDocCore::IsWordChar(0xE9));
}

TEST_F(WordQueries, WordBounds)
{
    //    0123456789
    Load("ab cd\n  ef");
    const struct {
        TextPos pos, start, end;
    } cases[] = {
        {0, 0, 1},           {1, 0, 1},           {2, 0, 1}, // on the blank after a word
        {3, 3, 4},           {5, 3, 4},                      // on the line feed after it
        {6, kNoPos, kNoPos}, {7, kNoPos, kNoPos},            // blanks after a line feed
        {9, 8, 9},           {10, 8, 9},                     // at the end of the text
    };
    for (const auto& c : cases) {
        TextPos start = 0, end = 0;
        doc.WordBounds(c.pos, start, end);
        EXPECT_EQ(start, c.start) << c.pos;
        EXPECT_EQ(end, c.end) << c.pos;
    }
}

TEST_F(WordQueries, FileNameAtTheCaret)
{
    Load("see main.c(120): error\nC:\\SRC\\X.H 7 9\n(none) here\n");
    const struct {
        TextPos pos;
        const char* name;
        long line;
    } cases[] = {
        {6, "main.c", 120},      // inside the name
        {10, "main.c", 120},     // on the parenthesis right after it
        {3, "", -1},             // on a blank
        {24, "C:\\SRC\\X.H", 7}, // the first number after the name
        {39, "none", 0},         // no digits on the line
        {22, "", -1},            // on a line feed
        {99, "", -1},            // beyond the text
    };
    for (const auto& c : cases) {
        std::string name = "?";
        long line = -2;
        doc.FileNameAt(c.pos, name, line);
        EXPECT_EQ(name, c.name) << c.pos;
        EXPECT_EQ(line, c.line) << c.pos;
    }
}

TEST_F(WordQueries, FileNameAndNumberStayWithinTheirLimits)
{
    Load(std::string(400, 'a') + " 99999999999999999999");
    std::string name;
    long line = 0;
    doc.FileNameAt(10, name, line);
    EXPECT_EQ(name.size(), word_query::kMaxFileName);
    EXPECT_EQ(line, 2147483647);
}
