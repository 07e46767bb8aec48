// Bookmarks, brace matching, Select all, the jumps and Append to clipboard
// from their keys in a real editor window.
#include "editor/view/view_test_support.h"

#include <algorithm>
#include <string>
#include <vector>

#include "resource.h"
#include "editor/view/view_context_menu.h"
#include "framework/message_hook.h"
#include "framework/testing/dialog_driver.h"

#include <dlgs.h>

namespace viewtest {
namespace {

using Navigation = ViewTest;

int UsedSlots(CMarlView& view)
{
    auto& slots = view.Bookmarks();
    return static_cast<int>(
        std::count_if(slots.begin(), slots.end(), [](TextPos p) { return p != kNoPos; }));
}

TEST_F(Navigation, BookmarksToggleWalkWithoutWrappingAndFollowEdits)
{
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "line\n";
    OpenText("a.txt", text);
    CMarlView* view = View();
    for (int i = 0; i < 17; ++i) { // the seventeenth finds no free slot
        Key(VK_F2, {VK_CONTROL});
        Key(VK_DOWN);
    }
    EXPECT_EQ(UsedSlots(*view), 16);
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_F2, {VK_CONTROL}); // toggled off at line 16...
    EXPECT_EQ(UsedSlots(*view), 15);
    Key(VK_F2, {VK_CONTROL}); // ...and on again in the freed slot
    EXPECT_EQ(UsedSlots(*view), 16);
    Key(VK_F2);
    EXPECT_EQ(view->GetCaret(), 15u * 5); // no next: stays
    Key(VK_F2, {VK_SHIFT});
    EXPECT_EQ(view->GetCaret(), 14u * 5);
    EXPECT_EQ(view->GetCaretColumn(), 1);

    // A line typed at the top moves every bookmark with its text.
    Key(VK_HOME, {VK_CONTROL});
    Chars("new\r");
    Key(VK_F2);
    EXPECT_EQ(view->GetCaret(), 4u + 5); // the old first line, now the second
    Key(VK_F2);
    EXPECT_EQ(view->GetCaret(), 4u + 10);
    SendMessageA(Child()->GetHwnd(), WM_COMMAND, ID_BOOKMARK_CLEAR, 0);
    EXPECT_EQ(UsedSlots(*view), 0);
}

TEST_F(Navigation, MatchBraceSelectsThePairOrBeepsAndClears)
{
    struct Case {
        const char* text;
        TextPos caret;
        TextPos selStart, selEnd, caretAfter;
    } cases[] = {
        {"a(b(c)d)e", 1, 1, 8, 8},     // forward: the caret behind the closing one
        {"a(b(c)d)e", 8, 1, 8, 1},     // just behind ')': back to its '('
        {"a(b(c)d)e", 7, 1, 8, 1},     // on ')'
        {"x[a(]b]", 1, 1, 5, 5},       // only the one kind counts
        {"a(b", 1, kNoPos, kNoPos, 1}, // unmatched
        {"ab(", 2, kNoPos, kNoPos, 2}, // the document ends right after it
        {"abc", 1, kNoPos, kNoPos, 1}, // no brace: nothing
    };
    int file = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.caret);
        OpenText("b" + std::to_string(file++) + ".c", c.text);
        View()->SetCaret(c.caret);
        Key('M', {VK_CONTROL});
        EXPECT_EQ(View()->GetSelStart(), c.selStart);
        EXPECT_EQ(View()->GetSelEnd(), c.selEnd);
        EXPECT_EQ(View()->GetCaret(), c.caretAfter);
    }
}

TEST_F(Navigation, CtrlFSelectsEverythingAndLeavesTheCaret)
{
    OpenText("c.txt", "one\ntwo\n");
    View()->SetCaret(5);
    Key('F', {VK_CONTROL});
    EXPECT_EQ(View()->GetSelStart(), 0u);
    EXPECT_EQ(View()->GetSelEnd(), 8u);
    EXPECT_EQ(View()->GetCaret(), 5u);
}

TEST_F(Navigation, CtrlLGoesToTheTypedLineAndRefusesNumbersOutOfRange)
{
    struct Case {
        const char* typed;
        TextPos caret; // afterwards
        long line;     // afterwards
        bool refused;  // the range message came and Cancel closed the box
    } cases[] = {
        {"3", 6, 3, false},  {"1", 0, 1, false},
        {"99", 6, 3, false}, // beyond the last line: the last line
        {"0", 4, 2, true},   {"2000001", 4, 2, true},
    };
    OpenText("g.txt", "aa\nbb\ncc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        View()->SetCaret(4);
        View()->SetSelection(3, 5);
        std::string shown;
        std::vector<std::string> messages;
        fw::ScopedMessageHook hook([&](HWND, const std::string& text, UINT) {
            messages.push_back(text);
            return IDOK;
        });
        OnNextDialog("Goto line", [&](HWND dialog) {
            shown = fw::test::ItemText(dialog, IDC_GOTO_LINE);
            fw::test::SetEditText(GetDlgItem(dialog, IDC_GOTO_LINE), c.typed);
            ClickButton(dialog, IDOK);
            if (!messages.empty())
                ClickButton(dialog, IDCANCEL);
        });
        Key('L', {VK_CONTROL});
        ASSERT_TRUE(DialogCame());
        EXPECT_EQ(shown, "2"); // the current line
        EXPECT_EQ(View()->GetCaret(), c.caret);
        EXPECT_EQ(View()->GetCaretLine(), c.line);
        ASSERT_EQ(messages.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(messages[0], "Please enter an integer between 1 and 2000000.");
            continue;
        }
        EXPECT_EQ(View()->GetCaretColumn(), 1);
        EXPECT_EQ(View()->GetSelStart(), kNoPos);
    }
}

TEST_F(Navigation, CtrlEReturnsToTheLastEditOnlyOnceThereIsOne)
{
    OpenText("e.txt", "one\ntwo\nthree\n");
    EXPECT_FALSE(IsEnabled(ID_LAST_EDIT));
    View()->SetCaret(7);
    Chars("x");
    Key(VK_END, {VK_CONTROL});
    EXPECT_TRUE(IsEnabled(ID_LAST_EDIT));
    Key('E', {VK_CONTROL});
    EXPECT_EQ(View()->GetCaret(), 7u);
    EXPECT_EQ(View()->GetCaretLine(), 2);
    EXPECT_EQ(View()->GetCaretColumn(), 4);
}

TEST_F(Navigation, AltUpAndDownWalkTheEmptyLinesWithoutWrapping)
{
    // Empty lines start at 2 and 7; the text is 9 long.
    const std::string text = "a\n\nb\nc\n\nd";
    struct Case {
        TextPos from;
        UINT key;
        TextPos to;
    } cases[] = {
        {0, VK_DOWN, 2}, {2, VK_DOWN, 7}, {7, VK_DOWN, 9}, // none left: the end
        {9, VK_UP, 7},   {8, VK_UP, 2},                    // just behind one: the one before
        {7, VK_UP, 2},   {2, VK_UP, 0},                    // on one: the one before, or the start
    };
    OpenText("p.txt", text);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << (c.key == VK_UP ? " up" : " down"));
        View()->SetCaret(c.from);
        View()->SetSelection(0, 1);
        Key(c.key, {VK_MENU});
        EXPECT_EQ(View()->GetCaret(), c.to);
        EXPECT_EQ(View()->GetSelStart(), kNoPos);
    }
}

TEST_F(Navigation, CtrlBTwiceLeavesBothSelectionsInOrderOnTheClipboard)
{
    OpenText("b.txt", "one\ntwo\n");
    SetClipboardText("start ");
    Key('B', {VK_CONTROL}); // no selection: nothing
    EXPECT_EQ(ClipboardText(), "start ");
    View()->SetSelection(0, 4);
    Key('B', {VK_CONTROL});
    View()->SetSelection(4, 7);
    Key('B', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), "start one\r\ntwo");
}

// The right button's menu, item by item ("-" a separator).
std::vector<std::string> MenuItems(HMENU menu)
{
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        if (GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION) == 0)
            lstrcpyA(text, "-");
        items.push_back(std::to_string(GetMenuItemID(menu, i)) + " " + text);
    }
    return items;
}

TEST(ContextMenu, ListsTheItemsForTheTextUnderTheButtonInOrder)
{
    using Items = std::vector<std::string>;
    EXPECT_EQ(MenuItems(BuildContextMenu(false).get()),
              (Items{"57669 Help", "57637 Paste", "32817 Insert file", "32859 Select all", "0 -",
                     "32821 Uppercase", "32822 Lowercase", "0 -", "32865 Properties..."}));
    EXPECT_EQ(MenuItems(BuildContextMenu(true).get()),
              (Items{"57669 Help", "57635 Cut", "57634 Copy", "57637 Paste", "32833 Append",
                     "32859 Select all", "0 -", "32821 Uppercase", "32822 Lowercase",
                     "32823 Convert to decimal", "32824 Convert to hex", "32825 Convert to octal",
                     "0 -", "32865 Properties..."}));
}

TEST_F(Navigation, TheOutlineMessageRestoresAndActivatesTheWindowAtTheLine)
{
    OpenText("o1.txt", "a\nb\nc\nd\n");
    CMarlView* first = View();
    const HWND firstChild = Child()->GetHwnd();
    OpenText("o2.txt", "x\n");
    ShowWindow(firstChild, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(firstChild));
    ASSERT_NE(Child()->GetHwnd(), firstChild);
    first->SetSelection(0, 1);
    SendMessageA(first->GetHwnd(), WM_OUTLINE_GOTO_LINE, 3, 0);
    Pump();
    EXPECT_FALSE(IsIconic(firstChild));
    EXPECT_EQ(Child()->GetHwnd(), firstChild);
    EXPECT_EQ(first->GetCaret(), 4u);
    EXPECT_EQ(first->GetCaretColumn(), 1);
    EXPECT_EQ(first->GetSelStart(), kNoPos);
}

TEST_F(Navigation, AltF5OpensTheNamedFileFromHereOrIncludeAtItsLine)
{
    CreateDirectoryA(Path("inc").c_str(), nullptr);
    WriteFile(Path("inc\\stdio.h"), "h1\nh2\n");
    WriteFile(Path("main.c"), RepeatedLines("x\n", 50));
    char oldDirectory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, oldDirectory);
    SetCurrentDirectoryA(Path("").c_str());
    _putenv(("INCLUDE=nothere;" + Path("inc")).c_str());
    struct Case {
        const char* text;
        TextPos caret;
        const char* opened; // "" for none
        long line;
    } cases[] = {
        {"#include <stdio.h>\n", 12, "stdio.h", 1},
        {"see main.c(42)\n", 5, "main.c", 42},
        {"see  main.c 7:\n", 4, "", 0}, // on a blank
        {"see other.c\n", 5, "", 0},    // found nowhere
    };
    int file = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CMarlDoc* from = OpenText("f" + std::to_string(file++) + ".txt", c.text);
        View()->SetCaret(c.caret);
        Key(VK_F5, {VK_MENU});
        CMarlDoc* now = View()->GetDocument();
        if (!*c.opened) {
            EXPECT_EQ(now, from);
            continue;
        }
        ASSERT_NE(now, from);
        const std::string path = now->GetPathName();
        EXPECT_EQ(path.substr(path.find_last_of('\\') + 1), c.opened);
        EXPECT_EQ(View()->GetCaretLine(), c.line);
        now->OnCloseDocument();
        Pump();
    }
    SetCurrentDirectoryA(oldDirectory);
    _putenv("INCLUDE=");
}

TEST_F(Navigation, InsertFilePutsTheChosenFileAtTheCaretWhichStaysInFront)
{
    CMarlDoc* doc = OpenText("a.c", "one\ntwo\n");
    WriteFile(Path("part.h"), "alpha\r\nbeta\r\n");
    Key(VK_DOWN);
    View()->Bookmarks()[0] = 6; // behind the caret, in "two"
    std::string filters;
    OnNextDialog("Open", [&](HWND dialog) {
        HWND types = GetDlgItem(dialog, cmb1);
        for (int i = 0; i < SendMessageA(types, CB_GETCOUNT, 0, 0); ++i) {
            char item[64] = {};
            SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            filters += std::string(item) + "|";
        }
        HWND box = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        SetWindowTextA(box, Path("part.h").c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_FILE_INSERT, 0);
    Pump(*m_app);
    ASSERT_TRUE(DialogCame());
    EXPECT_EQ(filters, "C/C++ Source|Headers|Resource Scripts|Module Definitions|Make Files|"
                       "Ini Files|Text files|All Files|");
    EXPECT_EQ(DocText(), "one\nalpha\nbeta\ntwo\n");
    EXPECT_EQ(View()->GetCaret(), 4u);
    EXPECT_EQ(View()->GetCaretLine(), 2);
    EXPECT_EQ(View()->Bookmarks()[0], 17u);
    EXPECT_TRUE(doc->IsModified());
    doc->Core().m_bReadOnly = true;
    EXPECT_FALSE(IsEnabled(ID_FILE_INSERT));
}

} // namespace
} // namespace viewtest
