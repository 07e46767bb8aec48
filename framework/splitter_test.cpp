// The dynamic splitter of a document frame: the box splits, the bar moves
// or joins, the minimum pane size, shared scroll bars and F6.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

class SplitterTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        m_doc = NewDocument();
        ASSERT_NE(m_doc, nullptr);
        m_splitter = &ActiveChild()->m_splitter;
    }
    // A mouse drag inside the splitter, in its client coordinates.
    void Drag(POINT from, int toY)
    {
        HWND hWnd = m_splitter->GetHwnd();
        SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x, toY));
        SendMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(from.x, toY));
        Pump(*m_app);
    }
    static POINT Middle(const RECT& r)
    {
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    int Height(fw::View* view) const
    {
        RECT r{};
        GetWindowRect(view->GetHwnd(), &r);
        return r.bottom - r.top;
    }
    int PanesBottom() const
    {
        RECT r{};
        GetClientRect(m_splitter->GetHwnd(), &r);
        return r.bottom - GetSystemMetrics(SM_CYHSCROLL);
    }

    TestDoc* m_doc = nullptr;
    fw::SplitterWnd* m_splitter = nullptr;
};

TEST_F(SplitterTest, DraggingTheBoxSplitsAndDraggingTheBarAwayJoins)
{
    ASSERT_EQ(m_splitter->GetRowCount(), 1);
    RECT box = m_splitter->GetBoxRect();
    ASSERT_FALSE(IsRectEmpty(&box)) << "the box sits on the vertical scroll bar";
    EXPECT_EQ(box.top, 0);

    POINT grab{Middle(box).x, box.top};
    Drag(grab, 80);
    ASSERT_EQ(m_splitter->GetRowCount(), 2);
    auto* upper = static_cast<TestView*>(m_splitter->GetPane(0));
    auto* lower = static_cast<TestView*>(m_splitter->GetPane(1));
    EXPECT_EQ(m_doc->GetViews().size(), 2u);
    EXPECT_EQ(lower->GetDocument(), m_doc);
    EXPECT_EQ(lower->m_initialUpdates, 1);
    EXPECT_EQ(Height(upper), 80);
    EXPECT_TRUE(IsRectEmpty(&(box = m_splitter->GetBoxRect()))) << "no box once split";

    // Each pane has its own vertical bar; the horizontal one is shared.
    EXPECT_NE(upper->GetScrollBarCtrl(SB_VERT), lower->GetScrollBarCtrl(SB_VERT));
    EXPECT_EQ(upper->GetScrollBarCtrl(SB_HORZ), lower->GetScrollBarCtrl(SB_HORZ));
    lower->SetScrollRange(SB_VERT, 0, 100);
    lower->SetScrollPos(SB_VERT, 40);
    EXPECT_EQ(lower->GetScrollPos(SB_VERT), 40);
    EXPECT_EQ(upper->GetScrollPos(SB_VERT), 0);

    // The bar dragged to the top: the upper pane goes, the lower one stays.
    Drag(Middle(m_splitter->GetBarRect()), 3);
    ASSERT_EQ(m_splitter->GetRowCount(), 1);
    EXPECT_EQ(m_splitter->GetPane(0), lower);
    EXPECT_EQ(m_doc->GetViews().size(), 1u);
    EXPECT_EQ(lower->GetScrollPos(SB_VERT), 40) << "the pane keeps its own scroll bar";
    EXPECT_EQ(Documents().size(), 1u);
}

TEST_F(SplitterTest, NoPaneIsEverSmallerThanTheMinimum)
{
    EXPECT_FALSE(m_splitter->SplitRow(9));
    EXPECT_FALSE(m_splitter->SplitRow(PanesBottom() - fw::SplitterWnd::kSplitterSize - 9));
    EXPECT_EQ(m_splitter->GetRowCount(), 1);
    ASSERT_TRUE(m_splitter->SplitRow(10));
    fw::View* upper = m_splitter->GetPane(0);
    // The bar dragged to the bottom: the lower pane goes.
    Drag(Middle(m_splitter->GetBarRect()), PanesBottom() - 4);
    ASSERT_EQ(m_splitter->GetRowCount(), 1);
    EXPECT_EQ(m_splitter->GetPane(0), upper);
    // A box dragged only a little does not split.
    POINT grab{Middle(m_splitter->GetBoxRect()).x, 0};
    Drag(grab, 5);
    EXPECT_EQ(m_splitter->GetRowCount(), 1);
}

TEST_F(SplitterTest, F6AndShiftF6MoveToTheOtherPane)
{
    fw::StateCmdUI single(ID_NEXT_PANE);
    single.DoUpdate(Main(), true);
    EXPECT_FALSE(single.m_bEnabled) << "one pane: nowhere to go";

    ASSERT_TRUE(m_splitter->SplitRow(80));
    fw::View* upper = m_splitter->GetPane(0);
    fw::View* lower = m_splitter->GetPane(1);
    SetFocus(upper->GetHwnd());
    Pump(*m_app);
    EXPECT_EQ(ActiveChild()->GetActiveView(), upper);
    Key(VK_F6);
    EXPECT_EQ(GetFocus(), lower->GetHwnd());
    EXPECT_EQ(ActiveChild()->GetActiveView(), lower);
    Command(ID_PREV_PANE);
    EXPECT_EQ(GetFocus(), upper->GetHwnd());
    EXPECT_EQ(ActiveChild()->GetActiveView(), upper);
}

TEST_F(SplitterTest, SplitCommandTogglesAndBothPanesFollowTheDocument)
{
    Command(ID_WINDOW_SPLIT);
    ASSERT_EQ(m_splitter->GetRowCount(), 2);
    auto* upper = static_cast<TestView*>(m_splitter->GetPane(0));
    auto* lower = static_cast<TestView*>(m_splitter->GetPane(1));
    size_t upperSeen = upper->m_updates.size();
    size_t lowerSeen = lower->m_updates.size();
    m_doc->Edit("both see this");
    EXPECT_EQ(upper->m_updates.size(), upperSeen + 1);
    EXPECT_EQ(lower->m_updates.size(), lowerSeen + 1);

    // Removing the active pane leaves the frame a view to work with.
    SetFocus(lower->GetHwnd());
    Pump(*m_app);
    Command(ID_WINDOW_SPLIT);
    EXPECT_EQ(m_splitter->GetRowCount(), 1);
    EXPECT_EQ(ActiveChild()->GetActiveView(), upper);
    EXPECT_EQ(Documents().size(), 1u);
}

} // namespace
} // namespace fwtest
