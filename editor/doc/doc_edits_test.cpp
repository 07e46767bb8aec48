#include "editor/doc/doc_test_support.h"

#include "editor/doc/heap_text_block.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class DocEdits : public ::testing::Test, public DocFixture {
protected:
    std::unique_ptr<TextBlock> BlockOf(std::string_view bytes)
    {
        std::unique_ptr<TextBlock> block = HeapTextBlock::Create(bytes.size() + 1);
        BlockLock lock(*block);
        std::memcpy(lock.Data(), bytes.data(), bytes.size());
        return block;
    }

    static std::string Contents(TextBlock& block)
    {
        BlockLock lock(block);
        return std::string(lock.Data(), block.Size());
    }
};

} // namespace

TEST_F(DocEdits, TypingInsertsAndCountsLines)
{
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.InsertChar(0, 'a', 1), 1);
    EXPECT_EQ(doc.InsertChar(1, '\n', 1), 1);
    EXPECT_EQ(doc.InsertChar(2, 'b', 2), 1);
    EXPECT_EQ(doc.InsertChar(0, 'x', 1), 1); // somewhere else: the gap moves
    EXPECT_EQ(Text(), "xa\nb");
    EXPECT_EQ(doc.GetLineCount(), 1);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocEdits, AutomaticIndentationCopiesTheLeadingBlanksAndTabs)
{
    const struct {
        const char* text;
        TextPos pos;
        bool autoIndent;
        int inserted;
        const char* after;
    } cases[] = {
        {"    x", 5, true, 5, "    x\n    "},
        {" \tx y", 5, true, 3, " \tx y\n \t"},
        {"  ab", 3, true, 3, "  a\n  b"},  // breaking inside the line
        {"    ", 2, true, 3, "  \n    "},  // only up to the break
        {"x\n", 2, true, 1, "x\n\n"},      // an empty line gets nothing
        {"  x\n", 4, true, 1, "  x\n\n"},  // at a line start
        {"x", 1, true, 1, "x\n"},          // no indentation to copy
        {"    x", 5, false, 1, "    x\n"}, // setting off
    };
    for (const auto& c : cases) {
        settings.autoIndent = c.autoIndent;
        Load(c.text);
        EXPECT_EQ(doc.InsertChar(c.pos, '\n', 1), c.inserted) << c.text;
        EXPECT_EQ(Text(), c.after) << c.text;
        EXPECT_TRUE(LineCountMatches(doc));
    }
}

TEST_F(DocEdits, OverwriteReplacesButInsertsAtLineEnds)
{
    Load("ab\ncd");
    EXPECT_EQ(doc.OverwriteChar(0, 'X', 1), 1);
    EXPECT_EQ(doc.OverwriteChar(2, 'Y', 1), 1); // on the line feed: inserted
    EXPECT_EQ(doc.OverwriteChar(6, 'Z', 2), 1); // at the end: inserted
    EXPECT_EQ(Text(), "XbY\ncdZ");
    EXPECT_EQ(doc.OverwriteChar(1, '\n', 1), 1); // a line feed over a byte
    EXPECT_EQ(Text(), "X\nY\ncdZ");
    EXPECT_TRUE(LineCountMatches(doc));
}

TEST_F(DocEdits, DeleteChar)
{
    EXPECT_EQ(doc.DeleteChar(0, 1), 0); // empty text
    EXPECT_FALSE(doc.IsModified());
    Load("ab\ncd");
    EXPECT_EQ(doc.DeleteChar(2, 1), '\n');
    EXPECT_EQ(doc.GetLineCount(), 0);
    EXPECT_EQ(doc.DeleteChar(99, 1), 0); // beyond the text: nothing
    // Backspace: each deletion just before the gap.
    for (TextPos pos = 4; pos-- > 0;)
        doc.DeleteChar(pos, 1);
    EXPECT_EQ(Text(), "");
}

TEST_F(DocEdits, DeleteLine)
{
    const struct {
        const char* text;
        TextPos pos;
        TextPos removed;
        const char* after;
    } cases[] = {
        {"ab\ncd\nef", 4, 3, "ab\nef"},
        {"abc", 1, 3, ""},      // the only line
        {"ab\ncd", 4, 3, "ab"}, // the last line takes the line feed before it
        {"ab\n", 3, 1, "ab"},   // the empty last line
        {"ab\n", 0, 3, ""},
        {"", 0, 0, ""},
    };
    for (const auto& c : cases) {
        Load(c.text);
        EXPECT_EQ(doc.DeleteLine(c.pos, 1), c.removed) << c.text;
        EXPECT_EQ(Text(), c.after) << c.text;
        EXPECT_TRUE(LineCountMatches(doc));
    }
    EXPECT_EQ(doc.UndoCount(), 0u); // nothing removed, nothing journalled
}

TEST_F(DocEdits, DeleteBlockReturnsLineFeedsAndRecordsTheLineOfItsStart)
{
    Load("a\nb\nc\nd");
    EXPECT_EQ(doc.DeleteBlock(2, 4, 5, 6), 2); // caret at the end, on line 5
    EXPECT_EQ(Text(), "a\nd");
    int line = 0;
    EXPECT_EQ(doc.LastEditPosition(line), 2u);
    EXPECT_EQ(line, 3);
    doc.DeleteBlock(0, 2, 1, 0); // caret at the start
    doc.LastEditPosition(line);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(doc.DeleteBlock(0, 99, 1, kNoPos), 0); // clamped to the text
    EXPECT_EQ(Text(), "");
}

TEST_F(DocEdits, InsertBlockTakesClipboardText)
{
    Load("xy");
    auto block = BlockOf("a\r\nb");
    EXPECT_EQ(doc.InsertBlock(1, *block, 1), 3u);
    EXPECT_EQ(Text(), "xa\nby");
    EXPECT_EQ(doc.GetLineCount(), 1);
    auto stopped = BlockOf(std::string("pq\0rs", 5));
    EXPECT_EQ(doc.InsertBlock(0, *stopped, 1), 2u); // up to the zero byte
    EXPECT_EQ(doc.InsertString(0,
                               std::string_view("1\r2\0"
                                                "3",
                                                5),
                               1),
              2u);
    EXPECT_EQ(Text(), "12pqxa\nby");
}

TEST_F(DocEdits, CopyBlockIsTheClipboardForm)
{
    Load("ab\ncd\n");
    auto block = doc.CopyBlock(1, 6);
    ASSERT_TRUE(block);
    EXPECT_EQ(Contents(*block), std::string("b\r\ncd\r\n\0", 8));
    auto raw = doc.CopyBlockRaw(1, 6);
    EXPECT_EQ(Contents(*raw), std::string("b\ncd\n\0", 6));
    doc.OpenGap(3, 10); // across the gap: the same
    EXPECT_EQ(Contents(*doc.CopyBlock(1, 6)), std::string("b\r\ncd\r\n\0", 8));
    EXPECT_EQ(Contents(*doc.CopyBlock(2, 2)), std::string("\0", 1));
}

TEST_F(DocEdits, MemoryShortageLeavesTheTextAndSaysSo)
{
    const std::string text(700, 'a');
    Load(text);
    blocks.limit = 650;
    std::string big(1000, 'x');
    EXPECT_EQ(doc.InsertString(1, big, 1), 0u);
    EXPECT_EQ(doc.CopyBlock(0, 700), nullptr);
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"No Memory", "Insufficient memory",
                                                        "Insufficient memory"}));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.shown[1].icon, MessageIcon::Exclamation);
}

TEST_F(DocEdits, InsertFileReadsInTextMode)
{
    Load("<>");
    files.Put("INC.TXT", "x\r\ny\x1a"
                         "ignored");
    EXPECT_EQ(doc.InsertFile(1, "INC.TXT", 1), 3u);
    EXPECT_EQ(Text(), "<x\ny>");
    EXPECT_EQ(doc.GetLineCount(), 1);
    EXPECT_EQ(doc.InsertFile(0, "MISSING.TXT", 1), 0u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "MISSING.TXT\nCannot find this file.\nPlease verify that the "
                                      "correct path and file name are given.");
}

TEST_F(DocEdits, TransposeChars)
{
    Load("abc");
    doc.TransposeChars(2); // the last byte: nothing
    EXPECT_FALSE(doc.IsModified());
    doc.TransposeChars(kNoPos);
    doc.TransposeChars(1);
    EXPECT_EQ(Text(), "acb");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocEdits, CapitalizeWord)
{
    Load("stra\xDF"
         "e xYZ");
    TextPos start = kNoPos, end = kNoPos;
    doc.CapitalizeWord(3, start, end);
    EXPECT_EQ(Text(), "Stra\xDF"
                      "e xYZ");
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 6u); // half-open now
    start = 7;
    end = 8; // a given range: its last byte inclusive
    doc.CapitalizeWord(0, start, end);
    EXPECT_EQ(Text(), "Stra\xDF"
                      "e XyZ");
    Load("\xE9t\xE9 ");
    start = end = kNoPos;
    doc.CapitalizeWord(3, start, end); // on the blank after the word: not a word byte
    EXPECT_EQ(start, kNoPos);
    start = 0;
    end = 2;
    doc.CapitalizeWord(0, start, end);
    EXPECT_EQ(Text(), "\xC9t\xE9 ");
}

TEST_F(DocEdits, IndentAndUnindentLines)
{
    const struct {
        const char* text;
        TextPos from, to;
        bool blanks;
        TextPos indented;
        const char* after;
    } cases[] = {
        {"a\nb\nc\n", 0, 6, false, 3, "\ta\n\tb\n\tc\n"},
        {"a\nb\nc\n", 1, 4, true, 2, " a\n b\nc\n"}, // from the start of from's line
        {"a\nb\nc", 2, 99, false, 2, "a\n\tb\n\tc"},
        {"a\nb", 2, 2, false, 0, "a\nb"}, // empty range
        {"\n\n", 0, 2, false, 2, "\t\n\t\n"},
    };
    for (const auto& c : cases) {
        settings.useBlanks = c.blanks;
        Load(c.text);
        EXPECT_EQ(doc.IndentBlock(c.from, c.to, 1), c.indented) << c.text;
        EXPECT_EQ(Text(), c.after) << c.text;
        // What went in comes out again.
        EXPECT_EQ(doc.UnindentBlock(c.from, static_cast<TextPos>(c.to + c.indented), 1), c.indented)
            << c.text;
        EXPECT_EQ(Text(), c.text);
    }
    Load(" a\nb\n\tc\n  d");
    EXPECT_EQ(doc.UnindentBlock(0, 99, 1), 3u);
    EXPECT_EQ(Text(), "a\nb\nc\n d");
}

TEST_F(DocEdits, TabsAndBlanksConversion)
{
    using namespace std::string_literals;
    settings.tabLength = 4;
    const struct {
        std::string text;
        bool toTabs;
        std::string after;
        int change;
    } cases[] = {
        {"ab\tc", false, "ab  c", 1},
        {"\t\tx\n\ty", false, "        x\n    y", 9},
        {"a   b", true, "a\tb", -2},
        {"ab c", true, "ab c", 0},
        {"        x", true, "\t\tx", -6},
        {"\t    x", true, "\t\tx", -3},          // a tab in the text keeps the columns
        {"a\r\0  \t"s, false, "a\r\0     "s, 2}, // CR and zero bytes survive
    };
    for (const auto& c : cases) {
        Load(c.text);
        int change = c.toTabs ? doc.BlanksToTabs(2, 99, 1) : doc.TabsToBlanks(2, 99, 1);
        EXPECT_EQ(change, c.change) << c.text;
        EXPECT_EQ(Text(), c.after) << c.text;
        EXPECT_TRUE(LineCountMatches(doc));
    }
}

TEST_F(DocEdits, TheBlockHandedOutHoldsTheTextContiguous)
{
    Load("first line\nsecond line\n");
    doc.InsertString(6, "typed ", 1); // leaves the gap in the middle
    EXPECT_EQ(doc.InsertChar(12, '!', 1), 1);
    TextBlock* block = doc.GetTextBlock();
    ASSERT_NE(block, nullptr);
    BlockLock lock(*block);
    EXPECT_EQ(std::string(lock.Data(), doc.GetLength()), "first typed !line\nsecond line\n");
    EXPECT_EQ(Text(), "first typed !line\nsecond line\n");
}
