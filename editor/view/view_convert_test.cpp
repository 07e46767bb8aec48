// The conversion commands of an editor window, run as the menu and the keys
// run them: the text, the caret and the selection afterwards, undo and redo,
// read-only documents, and the Reformat dialog's range check.
#include "editor/view/view_test_support.h"
#include "framework/message_hook.h"

#include <string>
#include <vector>

#include "resource.h"

namespace viewtest {
namespace {

using fw::test::ItemText;

class Convert : public ViewTest {
protected:
    void Command(UINT id) { SendMessageA(m_main->GetHwnd(), WM_COMMAND, id, 0); }
    // Selects `count` bytes from the caret with Shift+Right.
    void SelectRight(int count)
    {
        for (int i = 0; i < count; ++i)
            Key(VK_RIGHT, {VK_SHIFT});
    }
    void Right(int count)
    {
        for (int i = 0; i < count; ++i)
            Key(VK_RIGHT);
    }
};

TEST_F(Convert, HexadecimalSelectsTheNumberAndUndoRedoIsOneStep)
{
    OpenText("n.c", "x = 255;\n");
    Right(4);
    SelectRight(3);
    Command(ID_CONVERT_HEX);
    EXPECT_EQ(DocText(), "x = 0xFF;\n");
    EXPECT_EQ(View()->GetSelStart(), 4u);
    EXPECT_EQ(View()->GetSelEnd(), 8u);
    EXPECT_EQ(View()->GetCaret(), 8u);
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "x = 255;\n");
    Key('A', {VK_CONTROL});
    EXPECT_EQ(DocText(), "x = 0xFF;\n");
}

TEST_F(Convert, UppercaseWithoutSelectionTakesTheCaretCharacter)
{
    OpenText("u.c", "stra\xDF"
                    "e\n");
    Command(ID_CONVERT_UPPER);
    EXPECT_EQ(DocText(), "Stra\xDF"
                         "e\n");
    EXPECT_EQ(View()->GetCaret(), 0u);
    SelectRight(6);
    Command(ID_CONVERT_UPPER);
    EXPECT_EQ(DocText(), "STRA\xDF"
                         "E\n");
    EXPECT_EQ(View()->GetSelEnd(), 6u);
    Command(ID_CONVERT_LOWER);
    EXPECT_EQ(DocText(), "stra\xDF"
                         "e\n");
}

TEST_F(Convert, AltCCapitalisesTheWordAndSelectsIt)
{
    OpenText("c.c", "one tWO\n");
    Right(5);
    Key('C', {VK_MENU});
    EXPECT_EQ(DocText(), "one Two\n");
    EXPECT_EQ(View()->GetSelStart(), 4u);
    EXPECT_EQ(View()->GetSelEnd(), 7u);
}

TEST_F(Convert, CtrlTExchangesTwoCharactersAndKeepsTheCaret)
{
    OpenText("t.c", "ab\n");
    Key('T', {VK_CONTROL});
    EXPECT_EQ(DocText(), "ba\n");
    EXPECT_EQ(View()->GetCaret(), 0u);
    Right(2);
    Key('T', {VK_CONTROL}); // one byte after the caret: nothing
    EXPECT_EQ(DocText(), "ba\n");
}

TEST_F(Convert, TabsToBlanksGrowsTheSelectionFromItsLineStart)
{
    OpenText("tb.c", "a\tb\n");
    Right(1);
    SelectRight(2);
    Command(ID_TABS_TO_BLANKS);
    EXPECT_EQ(DocText(), "a   b\n"); // the tests' tab length is 4
    EXPECT_EQ(View()->GetCaret(), 1u);
    EXPECT_EQ(View()->GetSelEnd(), 5u);
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "a\tb\n");
}

TEST_F(Convert, BookmarksInsideTheConvertedRangeGoAndThoseBehindMove)
{
    OpenText("bm.c", "a\tb\nc\n");
    View()->Bookmarks()[0] = 2;
    View()->Bookmarks()[1] = 4;
    SelectRight(3);
    Command(ID_TABS_TO_BLANKS);
    EXPECT_EQ(DocText(), "a   b\nc\n");
    EXPECT_EQ(View()->Bookmarks()[0], kNoPos);
    EXPECT_EQ(View()->Bookmarks()[1], 6u);
}

TEST_F(Convert, ShiftKeysIndentTheSelectedLines)
{
    OpenText("s.c", "one\ntwo\nthree\n");
    Right(1);
    Key(VK_DOWN, {VK_SHIFT});
    Key(VK_RIGHT, {VK_MENU});
    EXPECT_EQ(DocText(), "\tone\n\ttwo\nthree\n");
    EXPECT_EQ(View()->GetSelStart(), 0u);
    EXPECT_EQ(View()->GetSelEnd(), 7u);
    EXPECT_EQ(View()->GetCaret(), 7u);
    Key(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(DocText(), "one\ntwo\nthree\n");
    Key(VK_LEFT, {VK_MENU});
    EXPECT_EQ(DocText(), "one\ntwo\nthree\n");
}

TEST_F(Convert, ReadOnlyDocumentsRefuseEveryConversion)
{
    CMarlDoc* doc = OpenText("r.c", "x 255\tab\n");
    doc->Core().m_bReadOnly = true;
    Key(VK_END, {VK_SHIFT});
    for (UINT id :
         {ID_CONVERT_UPPER, ID_CONVERT_HEX, ID_ANSI_TO_OEM, ID_TABS_TO_BLANKS, ID_BLANKS_TO_TABS,
          ID_REFORMAT, ID_SHIFT_RIGHT, ID_CAPITALIZE_WORD, ID_TRANSPOSE_CHARS})
        Command(id);
    EXPECT_EQ(DocText(), "x 255\tab\n");
    EXPECT_FALSE(doc->IsModified());
}

// A command that would change nothing looks disabled: the case commands
// work on the caret's character, the others on a selection, and none on a
// read-only document.
TEST_F(Convert, CommandsAreEnabledWhereTheyCanChangeTheText)
{
    CMarlDoc* doc = OpenText("e.c", "x 255\tab\n");
    struct Case {
        UINT id;
        bool withoutSelection;
    };
    const Case cases[] = {
        {ID_CONVERT_UPPER, true}, {ID_CONVERT_LOWER, true},   {ID_CONVERT_DECIMAL, false},
        {ID_CONVERT_HEX, false},  {ID_CONVERT_OCTAL, false},  {ID_ANSI_TO_OEM, false},
        {ID_OEM_TO_ANSI, false},  {ID_BLANKS_TO_TABS, false}, {ID_TABS_TO_BLANKS, false},
        {ID_REFORMAT, false},     {ID_SHIFT_LEFT, false},     {ID_SHIFT_RIGHT, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsEnabled(c.id), c.withoutSelection) << c.id << " without a selection";
    Key(VK_END, {VK_SHIFT});
    for (const Case& c : cases)
        EXPECT_TRUE(IsEnabled(c.id)) << c.id << " with a selection";
    doc->Core().m_bReadOnly = true;
    for (const Case& c : cases)
        EXPECT_FALSE(IsEnabled(c.id)) << c.id << " on a read-only document";
}

TEST_F(Convert, ReformatChecksItsRange)
{
    OpenText("f.c", "aaa bbb ccc\n");
    Key(VK_END, {VK_SHIFT});
    std::vector<std::string> messages;
    fw::ScopedMessageHook hook([&](HWND, const std::string& text, UINT) {
        messages.push_back(text);
        return IDOK;
    });
    std::string shownLength = "?";
    OnNextDialog("Reformat", [&](HWND dialog) {
        shownLength = ItemText(dialog, IDC_REFORMAT_LENGTH);
        fw::test::SetEditText(GetDlgItem(dialog, IDC_REFORMAT_LENGTH), "9");
        ClickButton(dialog, IDOK);
        // The range message came, and the dialog is still there.
        EXPECT_TRUE(IsWindow(dialog));
        fw::test::SetEditText(GetDlgItem(dialog, IDC_REFORMAT_LENGTH), "10");
        ClickButton(dialog, IDOK);
    });
    Command(ID_REFORMAT);
    EXPECT_TRUE(DialogCame());
    EXPECT_EQ(shownLength, "0");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer between 10 and 32000.");
    // A line feed after the selection gets one more in front of it.
    EXPECT_EQ(DocText(), "aaa bbb\nccc\n\n");
    EXPECT_EQ(View()->GetCaret(), 0u);
    EXPECT_FALSE(View()->HasSelection());
}

} // namespace
} // namespace viewtest
