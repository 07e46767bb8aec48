#include "editor/integration/tips_reader.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

TipLine Read(const std::string& file, std::int64_t lastPos)
{
    std::istringstream in(file);
    return ReadTipAt(in, lastPos);
}

TEST(TipsReader, TipsFileIsTheHelpFilesUpperCaseNameWithTip)
{
    const struct {
        const char* help;
        const char* tips;
    } cases[] = {
        {"C:\\Trelvan\\marl.hlp", "C:\\TRELVAN\\MARL.TIP"},
        // Cut before the first ".HLP", wherever it stands.
        {"C:\\x.hlp.dir\\marl.hlp", "C:\\X.TIP"},
        {"C:\\NOHELP\\MARL", "C:\\NOHELP\\MARL.TIP"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TipsFilePath(c.help), c.tips) << c.help;
}

TEST(TipsReader, ReadsTheLineAtTheOffsetAndWrapsAtTheEnd)
{
    const std::string file = "one\r\ntwo\nthree\r\n";
    const struct {
        std::int64_t lastPos;
        const char* text;
        std::int64_t next;
    } cases[] = {
        {0, "one", 5},    {5, "two", 9},
        {9, "three", 16}, {16, "one", 5}, // the end of the file: the first line again
        {999, "one", 5},                  // past the end
        {-4, "one", 5},                   // a broken profile value
        {2, "e", 5},                      // inside a line: the rest of it
        {3, "", 5},                       // just before CR LF: an empty tip
    };
    for (const auto& c : cases) {
        const TipLine line = Read(file, c.lastPos);
        EXPECT_EQ(line.text, c.text) << c.lastPos;
        EXPECT_EQ(line.next, c.next) << c.lastPos;
    }
}

TEST(TipsReader, LineContents)
{
    const std::string longLine(600, 'x');
    const struct {
        std::string bytes;
        std::string text;
        std::int64_t next;
    } cases[] = {
        {"First line|Second line\n", "First line\r\nSecond line", 23},
        {"||\n", "\r\n\r\n", 3},
        {"last line without end", "last line without end", 21},
        {"a\rb\r\n", "a\rb", 5},            // only CR LF is a line end
        {std::string("a\0b\n", 4), "a", 4}, // a NUL ends the text, not the line
        {longLine + "\n", std::string(511, 'x'), 511},
        {std::string(511, 'y') + "\r\nz", std::string(511, 'y'), 511},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        const TipLine line = TakeTipLine(c.bytes);
        EXPECT_EQ(line.text, c.text) << c.bytes.substr(0, 30);
        EXPECT_EQ(line.next, c.next) << c.bytes.substr(0, 30);
    }
}

TEST(TipsReader, EmptyFileGivesAnEmptyTipAtTheStart)
{
    const TipLine line = Read("", 12);
    EXPECT_EQ(line.text, "");
    EXPECT_EQ(line.next, 0);
}

TEST(TipsReader, EveryShippedTipIsReadWholeAndComesRound)
{
    std::ifstream file(TV_SHIPPED_TIPS, std::ios::binary);
    ASSERT_TRUE(file) << TV_SHIPPED_TIPS;
    std::int64_t pos = 0;
    int tips = 0;
    do {
        const std::int64_t start = pos;
        const TipLine line = ReadTipAt(file, pos);
        EXPECT_FALSE(line.text.empty()) << "at " << start;
        EXPECT_LT(line.next - start, static_cast<std::int64_t>(kTipLineChars)) << line.text;
        pos = line.next;
        ++tips;
    } while (ReadTipAt(file, pos).next > pos && tips < 1000);
    EXPECT_GE(tips, 30);
}

} // namespace
