// Bookmarks, brace matching and Select all from their keys in a real
// editor window.
#include "editor/view/view_test_support.h"

#include <algorithm>

#include "resource.h"

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

} // namespace
} // namespace viewtest
