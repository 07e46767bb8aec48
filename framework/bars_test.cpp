// Bars of the main frame: layout around the MDI client, show and hide,
// docking by dragging, tool buttons and status panes driven by update
// handlers, prompts and tips, a dialog bar's controls.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

class BarsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        MakeMainFrame(BarSet{true, true, true});
    }
    // A window's rectangle in the main frame's client coordinates.
    RECT InFrame(HWND hWnd) const
    {
        RECT r{};
        GetWindowRect(hWnd, &r);
        MapWindowPoints(nullptr, Main().GetHwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    RECT Client() const { return InFrame(Main().GetMDIClient()); }
    RECT FrameArea() const
    {
        RECT r{};
        GetClientRect(Main().GetHwnd(), &r);
        return r;
    }
    fw::StatusBar& Status() const { return Main().m_statusBar; }
    std::string Pane(UINT id) const { return Status().GetShownText(Status().CommandToIndex(id)); }
    // Drags the tool bar by its gripper to `target` (frame client coordinates).
    void DragToolBar(POINT target)
    {
        HWND bar = Main().m_toolBar.GetHwnd();
        // The gripper: the left strip of a lying bar, the top one of an upright bar.
        SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        POINT p = target;
        MapWindowPoints(Main().GetHwnd(), bar, &p, 1);
        SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        Pump(*m_app);
    }
    bool Checked(UINT id) const
    {
        fw::StateCmdUI ui(id);
        ui.DoUpdate(Main(), true);
        return ui.m_nCheck == 1;
    }
};

TEST_F(BarsTest, TheClientLiesBetweenTheBarsAndTakesTheRoomOfHiddenOnes)
{
    RECT tool = InFrame(Main().m_toolBar.GetHwnd());
    RECT status = InFrame(Status().GetHwnd());
    RECT dialog = InFrame(Main().m_dialogBar.GetHwnd());
    RECT client = Client();
    RECT all = FrameArea();
    EXPECT_EQ(tool.top, 0);
    EXPECT_EQ(tool.right - tool.left, all.right) << "a top bar spans the frame";
    EXPECT_EQ(status.bottom, all.bottom);
    EXPECT_EQ(client.top, tool.bottom);
    EXPECT_EQ(client.bottom, status.top);
    EXPECT_EQ(dialog.left, 0);
    EXPECT_EQ(dialog.top, tool.bottom);
    EXPECT_EQ(dialog.bottom, status.top);
    EXPECT_EQ(client.left, dialog.right);
    EXPECT_EQ(client.right, all.right);

    EXPECT_EQ(Main().GetControlBar(ID_VIEW_TOOLBAR), &Main().m_toolBar);
    EXPECT_EQ(Main().GetControlBar(ID_TEST_DIALOGBAR), &Main().m_dialogBar);
    EXPECT_EQ(Main().GetControlBar(12345), nullptr);

    EXPECT_TRUE(Checked(ID_VIEW_TOOLBAR));
    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Main().m_toolBar.IsVisible());
    EXPECT_FALSE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(Client().top, 0);
    EXPECT_EQ(InFrame(Main().m_dialogBar.GetHwnd()).top, 0);

    Command(ID_VIEW_STATUS_BAR);
    EXPECT_EQ(Client().bottom, all.bottom);
    Main().ShowControlBar(&Main().m_dialogBar, false);
    EXPECT_EQ(Client().left, 0);
    EXPECT_TRUE(EqualRect(&(client = Client()), &all));

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Checked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(Client().top, InFrame(Main().m_toolBar.GetHwnd()).bottom);
}

TEST_F(BarsTest, DraggingTheToolBarToAnotherEdgeDocksItThere)
{
    RECT all = FrameArea();
    DragToolBar(POINT{2, all.bottom / 2});
    fw::ToolBar& bar = Main().m_toolBar;
    EXPECT_EQ(bar.GetDockEdge(), fw::DockEdge::Left);
    EXPECT_TRUE(GetWindowLongPtrA(bar.GetToolBarCtrl(), GWL_STYLE) & CCS_VERT);
    RECT tool = InFrame(bar.GetHwnd());
    EXPECT_EQ(tool.left, 0);
    EXPECT_EQ(tool.top, 0);
    EXPECT_LT(tool.right - tool.left, tool.bottom - tool.top) << "upright at the side";
    EXPECT_EQ(InFrame(Main().m_dialogBar.GetHwnd()).left, tool.right);
    EXPECT_EQ(Client().top, 0);

    DragToolBar(POINT{all.right / 2, all.bottom - 30});
    EXPECT_EQ(bar.GetDockEdge(), fw::DockEdge::Bottom);
    EXPECT_FALSE(GetWindowLongPtrA(bar.GetToolBarCtrl(), GWL_STYLE) & CCS_VERT);
    tool = InFrame(bar.GetHwnd());
    EXPECT_EQ(tool.bottom, InFrame(Status().GetHwnd()).top) << "inside the status bar";
    EXPECT_EQ(Client().bottom, tool.top);

    // Where the frame allows no docking, the bar stays.
    Main().EnableDocking(fw::kDockTop | fw::kDockBottom);
    DragToolBar(POINT{all.right - 2, all.bottom / 2});
    EXPECT_EQ(bar.GetDockEdge(), fw::DockEdge::Bottom);
}

TEST_F(BarsTest, ToolButtonsFollowTheUpdateHandlersAtIdleTime)
{
    fw::ToolBar& bar = Main().m_toolBar;
    EXPECT_TRUE(bar.IsButtonEnabled(ID_FILE_NEW)) << "the application handles it";
    EXPECT_FALSE(bar.IsButtonEnabled(ID_FILE_SAVE)) << "no document to save";
    EXPECT_FALSE(bar.IsButtonEnabled(ID_TEST_UNHANDLED));
    EXPECT_FALSE(bar.IsButtonChecked(ID_TEST_CHECKED));

    ASSERT_TRUE(NewDocument());
    EXPECT_TRUE(bar.IsButtonEnabled(ID_FILE_SAVE));
    EXPECT_TRUE(bar.IsButtonChecked(ID_TEST_CHECKED));
    EXPECT_TRUE(bar.IsButtonEnabled(ID_TEST_CHECKED)) << "it has a command now";
    EXPECT_FALSE(bar.IsButtonEnabled(ID_TEST_DISABLED)) << "its update handler disables it";

    // A click is a command like any other.
    size_t before = Documents().size();
    SendMessageA(bar.GetHwnd(), WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar.GetToolBarCtrl()));
    Pump(*m_app);
    EXPECT_EQ(Documents().size(), before + 1);
}

TEST_F(BarsTest, StatusPanesFollowTheUpdateHandlersAndTheirStringsSizeThem)
{
    EXPECT_EQ(Pane(ID_TEST_PANE), "PANE 000") << "no handler yet: the string shows";
    EXPECT_EQ(Status().GetShownText(0), "Ready");
    EXPECT_GT(Status().GetPaneWidth(Status().CommandToIndex(ID_TEST_PANE)),
              Status().GetPaneWidth(Status().CommandToIndex(ID_INDICATOR_REC)));

    ASSERT_TRUE(NewDocument());
    EXPECT_EQ(Pane(ID_TEST_PANE), "L 1");
    ActiveView()->m_paneText = "L 42";
    Pump(*m_app);
    EXPECT_EQ(Pane(ID_TEST_PANE), "L 42");
    ActiveView()->m_paneEnabled = false;
    Pump(*m_app);
    EXPECT_EQ(Pane(ID_TEST_PANE), "") << "a disabled pane is blank";
    bool caps = GetKeyState(VK_CAPITAL) & 1;
    EXPECT_EQ(Pane(ID_INDICATOR_CAPS), caps ? "CAP" : "");

    Main().m_idleText = "C:\\WORK";
    Pump(*m_app);
    EXPECT_EQ(Status().GetShownText(0), "C:\\WORK");
}

TEST_F(BarsTest, MenusAndToolButtonsShowTheirPromptsAndTips)
{
    HWND frame = Main().GetHwnd();
    HMENU menu = GetMenu(frame);
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_STRING),
                 reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(Status().GetShownText(0), "Create a new document");
    Pump(*m_app);
    EXPECT_EQ(Status().GetShownText(0), "Create a new document") << "idle time keeps a prompt";
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Status().GetShownText(0), "Ready");

    fw::ToolBar& bar = Main().m_toolBar;
    NMTBHOTITEM hot{};
    hot.hdr.hwndFrom = bar.GetToolBarCtrl();
    hot.hdr.idFrom = ID_VIEW_TOOLBAR;
    hot.hdr.code = TBN_HOTITEMCHANGE;
    hot.idNew = ID_TEST_CHECKED;
    SendMessageA(bar.GetHwnd(), WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(Status().GetShownText(0), "Shows a check mark");
    hot.dwFlags = HICF_LEAVING;
    SendMessageA(bar.GetHwnd(), WM_NOTIFY, hot.hdr.idFrom, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(Status().GetShownText(0), "Ready");

    NMTTDISPINFOA tip{};
    tip.hdr.code = TTN_GETDISPINFOA;
    tip.hdr.idFrom = ID_TEST_CHECKED;
    SendMessageA(bar.GetHwnd(), WM_NOTIFY, tip.hdr.idFrom, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(tip.lpszText, "Checked");
}

TEST_F(BarsTest, DialogBarControlsRouteTheirCommandsAndFollowUpdates)
{
    HWND bar = Main().m_dialogBar.GetHwnd();
    HWND button = GetDlgItem(bar, ID_TEST_BARBUTTON);
    HWND check = GetDlgItem(bar, ID_TEST_BARCHECK);
    ASSERT_TRUE(button && check);
    Pump(*m_app);
    EXPECT_TRUE(IsWindowEnabled(button)) << "the main frame handles it";
    EXPECT_TRUE(IsWindowEnabled(check)) << "a check box without handler stays usable";
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump(*m_app);
    EXPECT_EQ(Main().m_barButtonRuns, 1);
    // The bar is a modeless dialog: Tab moves between its controls.
    SetFocus(check);
    MSG tab{check, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(m_app->PreTranslateMessage(tab));
    EXPECT_EQ(GetFocus(), button);
}

} // namespace
} // namespace fwtest

namespace fwtest {
namespace {

// The frame as a user sees it: tool bar, status bar, a dialog bar on the
// left and two documents side by side, one of them split.  Shown, since the
// MDI client tiles only visible windows.  With FW_SCREENSHOT_PAUSE=<seconds>
// it stays up that long.
TEST_F(BarsTest, TwoDocumentsOneSplitBesideTheBars)
{
    const char* pause = getenv("FW_SCREENSHOT_PAUSE");
    DestroyApp();
    MakeApp();
    MakeMainFrame(BarSet{true, true, true}, true);
    SetWindowPos(Main().GetHwnd(), nullptr, 40, 30, 900, 640, SWP_NOZORDER);
    WriteText(Path("alpha.tst"), "int main(void)\r\n{\r\n    return 0;\r\n}\r\n");
    WriteText(Path("beta.tst"), "Beta document\r\nsecond line\r\n");
    TestDoc* alpha = Open(Path("alpha.tst"));
    ASSERT_NE(alpha, nullptr);
    ASSERT_TRUE(ActiveChild()->m_splitter.SplitRow(120));
    ASSERT_NE(Open(Path("beta.tst")), nullptr);
    Command(ID_WINDOW_TILE_VERT);

    RECT client{};
    GetClientRect(Main().GetMDIClient(), &client);
    std::vector<fw::MDIChildWnd*> children = Main().GetChildFrames();
    ASSERT_EQ(children.size(), 2u);
    RECT first{}, second{};
    GetWindowRect(children[0]->GetHwnd(), &first);
    GetWindowRect(children[1]->GetHwnd(), &second);
    EXPECT_TRUE(first.right <= second.left || second.right <= first.left) << "side by side";
    EXPECT_EQ(alpha->GetViews().size(), 2u);
    EXPECT_EQ(Status().GetShownText(0), "Ready");

    if (pause) {
        DWORD end = GetTickCount() + static_cast<DWORD>(atoi(pause)) * 1000;
        while (GetTickCount() < end) {
            Pump(*m_app);
            Sleep(50);
        }
    }
}

} // namespace
} // namespace fwtest
