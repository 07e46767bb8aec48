#include "editor/view/change_notice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Text "l0\nl1\nl2\nl3\n": lines start at 0, 3, 6, 9, 12.
struct Fixture {
    std::string text = "l0\nl1\nl2\nl3\n";
    ViewPositions view;
    Fixture()
    {
        view.top = 6;
        view.caret = 7;
        view.caretLine = 3;
        view.selStart = 6;
        view.selEnd = 8;
        view.bookmarks[0] = 3;
        view.bookmarks[1] = 9;
    }
};

TEST(ChangeNotice, InsertionAboveMovesEverythingAlong)
{
    Fixture f;
    f.text.insert(1, "x\n");
    NoticeEffect e = ApplyChangeNotice(f.view, {1, 2, 1}, StringViewText(f.text));
    EXPECT_FALSE(e.repaintAll);
    EXPECT_EQ(f.view.top, 8u);
    EXPECT_EQ(f.view.caret, 9u);
    EXPECT_EQ(f.view.caretLine, 4);
    EXPECT_EQ(f.view.selStart, 8u);
    EXPECT_EQ(f.view.selEnd, 10u);
    EXPECT_EQ(f.view.bookmarks[0], 5u);
    EXPECT_EQ(f.view.bookmarks[1], 11u);
}

TEST(ChangeNotice, InsertionAtTheTopRepaintsAndKeepsTheTop)
{
    Fixture f;
    f.text.insert(6, "new\n");
    NoticeEffect e = ApplyChangeNotice(f.view, {6, 4, 1}, StringViewText(f.text));
    EXPECT_TRUE(e.repaintAll);
    EXPECT_EQ(f.view.top, 6u);
    EXPECT_EQ(f.view.caret, 11u);
    EXPECT_EQ(f.view.selStart, 10u); // at the position: moves
    EXPECT_EQ(f.view.bookmarks[0], 3u);
}

TEST(ChangeNotice, RemovalDropsBookmarksInsideAndClampsPositions)
{
    Fixture f;
    // Remove "1\nl2\nl" (4 .. 10): the top line, the caret and a bookmark go.
    f.text.erase(4, 6);
    NoticeEffect e = ApplyChangeNotice(f.view, {4, -6, -2}, StringViewText(f.text));
    EXPECT_FALSE(e.repaintAll);
    EXPECT_EQ(f.view.top, 3u); // pulled back to a line start
    EXPECT_EQ(f.view.caret, 4u);
    EXPECT_TRUE(e.recountCaretLine);
    EXPECT_EQ(f.view.selStart, 4u);
    EXPECT_EQ(f.view.selEnd, 4u);
    EXPECT_EQ(f.view.bookmarks[0], 3u);
    EXPECT_EQ(f.view.bookmarks[1], kNoPos);
}

TEST(ChangeNotice, RemovalBelowLeavesTheViewButRepaints)
{
    Fixture f;
    f.text.erase(10, 2);
    NoticeEffect e = ApplyChangeNotice(f.view, {10, -2, -1}, StringViewText(f.text));
    EXPECT_TRUE(e.repaintAll);
    EXPECT_EQ(f.view.top, 6u);
    EXPECT_EQ(f.view.caret, 7u);
    EXPECT_EQ(f.view.caretLine, 3);
    EXPECT_EQ(f.view.bookmarks[1], 9u);
}

TEST(ChangeNotice, InPlaceReplacementMovesNothing)
{
    Fixture f;
    f.text[1] = 'Z';
    ViewPositions before = f.view;
    ApplyChangeNotice(f.view, {1, 0, 0}, StringViewText(f.text));
    EXPECT_EQ(f.view.top, before.top);
    EXPECT_EQ(f.view.caret, before.caret);
    EXPECT_EQ(f.view.bookmarks, before.bookmarks);
}

} // namespace
