// Behaviours of the editor window that a one-token slip would break without
// any other test noticing: the selection to the text's end, the line count of
// a word motion, Paste's enabling, and each pane's own scroll bar.
#include "editor/view/view_test_support.h"

#include <algorithm>
#include <cstdio>

#include "resource.h"

namespace viewtest {
namespace {

using Keys = ViewTest;

TEST_F(Keys, ShiftCtrlEndSelectsToTheEndOfTheText)
{
    OpenText("a.txt", "one\ntwo\nthree");
    Key(VK_RIGHT);
    Key(VK_END, {VK_SHIFT, VK_CONTROL});
    EXPECT_EQ(View()->GetSelStart(), 1u);
    EXPECT_EQ(View()->GetSelEnd(), 13u);
    EXPECT_EQ(View()->GetCaret(), 13u);
    EXPECT_EQ(View()->GetCaretLine(), 3);
}

TEST_F(Keys, CtrlRightAcrossLineEndsKeepsTheLineNumberTrue)
{
    // Each word motion's line is the line its position lies on, and the
    // status pane shows it.
    const std::string text = "ab cd\nef gh\n\nij\n";
    OpenText("a.txt", text);
    std::vector<long> lines;
    for (int step = 0; step < 8; ++step) {
        Key(VK_RIGHT, {VK_CONTROL});
        const TextPos caret = View()->GetCaret();
        const long line = 1 + static_cast<long>(std::count(text.begin(), text.begin() + caret, '\n'));
        EXPECT_EQ(View()->GetCaretLine(), line) << "step " << step << " at " << caret;
        char pane[16];
        std::snprintf(pane, sizeof pane, "%06ld", line);
        EXPECT_EQ(PaneText(ID_INDICATOR_LINE), pane) << "step " << step;
        lines.push_back(line);
    }
    EXPECT_EQ(lines.back(), 4) << "the motions reach the last word's line";
}

TEST_F(Keys, PasteNeedsTextOnTheClipboardAndAWritableDocument)
{
    CMarlDoc* doc = OpenText("a.txt", "abc\n");
    SetClipboardText("x");
    EXPECT_TRUE(IsEnabled(ID_EDIT_PASTE));
    fw::test::ClearClipboard(m_main->GetHwnd());
    EXPECT_FALSE(IsEnabled(ID_EDIT_PASTE));
    Key('V', {VK_CONTROL});
    EXPECT_EQ(DocText(), "abc\n");
    SetClipboardText("x");
    doc->Core().m_bReadOnly = true;
    EXPECT_FALSE(IsEnabled(ID_EDIT_PASTE));
    Key('V', {VK_CONTROL});
    EXPECT_EQ(DocText(), "abc\n");
}

TEST_F(Keys, EachPanesScrollBarScrollsItsOwnPane)
{
    OpenText("a.txt", RepeatedLines("line\n", 200));
    ASSERT_TRUE(SplitInTwo());
    fw::SplitterWnd& splitter = Child()->m_splitter;
    for (int row = 0; row < 2; ++row) {
        CMarlView* pane = Pane(row);
        CMarlView* other = Pane(1 - row);
        const TextPos paneTop = pane->GetTop();
        const TextPos otherTop = other->GetTop();
        HWND bar = splitter.GetScrollBarFor(*pane, SB_VERT);
        ASSERT_NE(bar, nullptr);
        SendMessageA(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0),
                     reinterpret_cast<LPARAM>(bar));
        Pump(*m_app);
        EXPECT_EQ(pane->GetTop(), paneTop + 5) << "row " << row;
        EXPECT_EQ(other->GetTop(), otherTop) << "row " << row;
    }
}

} // namespace
} // namespace viewtest
