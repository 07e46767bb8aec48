#include "editor/doc/doc_test_support.h"

#include <gtest/gtest.h>

namespace {

class Journal : public ::testing::Test, public DocFixture {
protected:
    // Undoes one step and checks the position, caret line and change delta.
    void UndoStep(TextPos pos, int line, int delta, const char* text,
                  const char* file = __builtin_FILE(), int at = __builtin_LINE())
    {
        SCOPED_TRACE(testing::Message() << "from " << file << ":" << at);
        int gotLine = 0;
        EXPECT_EQ(doc.Undo(gotLine), pos);
        EXPECT_EQ(gotLine, line);
        EXPECT_EQ(doc.GetChangeDelta(), delta);
        EXPECT_EQ(Text(), text);
        EXPECT_TRUE(LineCountMatches(doc));
    }
    void RedoStep(TextPos pos, int line, int delta, const char* text,
                  const char* file = __builtin_FILE(), int at = __builtin_LINE())
    {
        SCOPED_TRACE(testing::Message() << "from " << file << ":" << at);
        int gotLine = 0;
        EXPECT_EQ(doc.Redo(gotLine), pos);
        EXPECT_EQ(gotLine, line);
        EXPECT_EQ(doc.GetChangeDelta(), delta);
        EXPECT_EQ(Text(), text);
        EXPECT_TRUE(LineCountMatches(doc));
    }
};

} // namespace

TEST_F(Journal, TypedBytesUndoOneByOneAndRedoBack)
{
    int line = 0;
    EXPECT_EQ(doc.Undo(line), kNoPos);
    EXPECT_FALSE(doc.CanUndo());
    doc.InsertChar(0, 'a', 1);
    doc.InsertChar(1, 'b', 1);
    doc.InsertChar(2, 'c', 1);
    EXPECT_EQ(doc.UndoCount(), 3u);
    UndoStep(2, 1, -1, "ab");
    UndoStep(1, 1, -1, "a");
    UndoStep(0, 1, -1, "");
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.CanRedo());
    RedoStep(0, 1, 1, "a");
    RedoStep(1, 1, 1, "ab");
    RedoStep(2, 1, 1, "abc");
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(Journal, EnterWithIndentationIsTwoSteps)
{
    Load("  x");
    EXPECT_EQ(doc.InsertChar(3, '\n', 1), 3);
    EXPECT_EQ(doc.UndoCount(), 2u);
    UndoStep(4, 2, -2, "  x\n");
    UndoStep(3, 1, -1, "  x");
    RedoStep(3, 1, 1, "  x\n"); // a redo adds no indentation of its own
    RedoStep(4, 2, 2, "  x\n  ");
}

TEST_F(Journal, UndoingADeletedLineFeedAddsNoIndentation)
{
    Load("  a\n  b");
    doc.DeleteChar(3, 1);
    UndoStep(3, 1, 1, "  a\n  b");
    EXPECT_EQ(doc.CanRedo(), true);
}

TEST_F(Journal, OnlyTheLast200EditsCanBeUndone)
{
    for (int i = 0; i < 201; ++i)
        doc.InsertChar(static_cast<TextPos>(i), 'x', 1);
    EXPECT_EQ(doc.UndoCount(), 200u);
    int line = 0;
    while (doc.Undo(line) != kNoPos) {
    }
    EXPECT_EQ(Text(), "x");
    EXPECT_EQ(doc.RedoCount(), 200u);
}

TEST_F(Journal, OverwriteUndoesEvenWhenALineFeedWasWritten)
{
    Load("abc");
    doc.OverwriteChar(1, 'X', 1);
    doc.OverwriteChar(1, '\n', 1);
    EXPECT_EQ(Text(), "a\nc");
    UndoStep(1, 1, 0, "aXc");
    UndoStep(1, 1, 0, "abc");
    RedoStep(1, 1, 0, "aXc");
    RedoStep(1, 1, 0, "a\nc");
}

TEST_F(Journal, DeletedBlocksComeBackByteForByte)
{
    using namespace std::string_literals;
    Load("a\r\0b\nc"s);
    doc.DeleteBlock(0, 5, 1, 0);
    doc.DeleteLine(0, 1);
    EXPECT_EQ(Text(), "");
    int line = 0;
    doc.Undo(line);
    doc.Undo(line);
    EXPECT_EQ(Text(), "a\r\0b\nc"s);
    EXPECT_TRUE(LineCountMatches(doc));
}

TEST_F(Journal, ShiftRightAndLeftUndoExactly)
{
    Load("a\nb\nc\n");
    EXPECT_EQ(doc.IndentBlock(0, 6, 1), 3u);
    UndoStep(0, -1, -3, "a\nb\nc\n");
    RedoStep(0, -1, 3, "\ta\n\tb\n\tc\n");

    Load(" a\nb\n\tc\nd");
    EXPECT_EQ(doc.UnindentBlock(0, 99, 4), 2u);
    EXPECT_EQ(Text(), "a\nb\nc\nd");
    UndoStep(0, -1, 2, " a\nb\n\tc\nd");
    RedoStep(0, -1, -2, "a\nb\nc\nd");
    UndoStep(0, -1, 2, " a\nb\n\tc\nd");
}

TEST_F(Journal, IndentUndoCoversLinesMadeLongerByIt)
{
    // Many short lines: after the indentation their starts lie far past the
    // recorded range, yet all of them must lose their byte again.
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "x\n";
    Load(text);
    EXPECT_EQ(doc.IndentBlock(0, static_cast<TextPos>(text.size()), 1), 50u);
    int line = 0;
    doc.Undo(line);
    EXPECT_EQ(Text(), text);
}

TEST_F(Journal, CapitalisationUndoesAndRedoes)
{
    Load("hello");
    TextPos start = kNoPos, end = kNoPos;
    doc.CapitalizeWord(2, start, end);
    EXPECT_EQ(Text(), "Hello");
    UndoStep(0, -1, 0, "hello");
    RedoStep(0, -1, 0, "Hello");
}

TEST_F(Journal, BlockInsertionsAndTransposition)
{
    Load("ab");
    doc.InsertString(1, "x\ny", 3);
    doc.TransposeChars(0);
    EXPECT_EQ(Text(), "xa\nyb");
    UndoStep(0, -1, 0, "ax\nyb");
    UndoStep(1, 3, -3, "ab");
    RedoStep(1, 3, 3, "ax\nyb");
    RedoStep(0, -1, 0, "xa\nyb");
}

TEST_F(Journal, LastEditPositionIsTheNewestRecord)
{
    int line = 0;
    EXPECT_EQ(doc.LastEditPosition(line), kNoPos);
    doc.InsertChar(0, 'a', 7);
    doc.InsertChar(1, 'b', 8);
    EXPECT_EQ(doc.LastEditPosition(line), 1u);
    EXPECT_EQ(line, 8);
    EXPECT_EQ(doc.UndoCount(), 2u); // not removed
}

TEST_F(Journal, ANewEditKeepsTheRedoListAndARedoStaysInsideTheText)
{
    Load("abcdef");
    doc.DeleteChar(5, 1);
    int line = 0;
    doc.Undo(line);
    doc.DeleteBlock(0, 6, 1, kNoPos); // the text is gone
    EXPECT_TRUE(doc.CanRedo());
    EXPECT_EQ(doc.Redo(line), 0u); // the recorded position 5 no longer exists
    EXPECT_EQ(Text(), "");
    EXPECT_TRUE(LineCountMatches(doc));
}

TEST_F(Journal, LoadingEmptiesBothLists)
{
    doc.InsertChar(0, 'a', 1);
    int line = 0;
    doc.Undo(line);
    doc.InsertChar(0, 'b', 1);
    Load("new");
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
}
