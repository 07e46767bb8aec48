// The MDI main frame and its children: menus per document type, the Window
// menu's list, titles, the first show of a child, its end, and the
// application's activation.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"
#include "framework/mdi_frame.h"
#include "framework/testing/dialog_driver.h"

namespace fwtest {
namespace {

class MdiFrameTest : public AppTest {
protected:
    std::vector<std::string> MenuBar() const
    {
        std::vector<std::string> names;
        HMENU bar = GetMenu(Main().GetHwnd());
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            char name[32] = {};
            GetMenuStringA(bar, i, name, sizeof name, MF_BYPOSITION);
            names.push_back(name);
        }
        return names;
    }
    static std::string Text(HWND hWnd) { return fw::test::WindowText(hWnd); }
};

TEST_F(MdiFrameTest, TheMenuFollowsTheActiveDocumentsType)
{
    const std::vector<std::string> frameMenu{"&File", "&View", "&Window"};
    const std::vector<std::string> documentMenu{"&File", "&Test", "&View", "&Window"};
    EXPECT_EQ(MenuBar(), frameMenu);
    ASSERT_TRUE(NewDocument());
    EXPECT_EQ(MenuBar(), documentMenu);
    m_app->CloseAllDocuments(false);
    Pump(*m_app);
    EXPECT_EQ(MenuBar(), frameMenu);
}

TEST_F(MdiFrameTest, TheWindowMenuListsTheChildren)
{
    ASSERT_TRUE(NewDocument());
    ASSERT_TRUE(NewDocument());
    HMENU window = fw::FindWindowMenu(GetMenu(Main().GetHwnd()));
    ASSERT_NE(window, nullptr);
    std::vector<std::string> listed;
    for (int i = 0; i < GetMenuItemCount(window); ++i) {
        if (GetMenuItemID(window, i) < FW_IDM_FIRST_MDICHILD)
            continue;
        char text[64] = {};
        GetMenuStringA(window, i, text, sizeof text, MF_BYPOSITION);
        listed.push_back(text);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"&1 Test1", "&2 Test2"}));
    // Choosing an entry activates that child.
    fw::MDIChildWnd* first = Main().GetChildFrames()[0];
    Command(FW_IDM_FIRST_MDICHILD);
    EXPECT_EQ(Main().MDIGetActive(), first);
}

TEST_F(MdiFrameTest, AChildMayChooseItsFirstShowAndReportsItsEnd)
{
    TestChildFrame::s_firstShow = SW_SHOWMAXIMIZED;
    ASSERT_TRUE(NewDocument());
    TestChildFrame* child = ActiveChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->m_activateCalls, std::vector<int>{SW_SHOWMAXIMIZED});
    bool maximized = false;
    EXPECT_EQ(Main().MDIGetActive(&maximized), child);
    EXPECT_TRUE(maximized);
    // The maximised child's name is shown by the MDI client, not repeated.
    EXPECT_EQ(Text(Main().GetHwnd()).rfind("Fw Test", 0), 0u);
    EXPECT_EQ(Text(Main().GetHwnd()).find("Fw Test - Test1"), std::string::npos);

    TestChildFrame::s_firstShow = -1;
    ASSERT_TRUE(NewDocument());
    EXPECT_EQ(ActiveChild()->m_activateCalls, std::vector<int>{-1});
    EXPECT_TRUE(IsZoomed(ActiveChild()->GetHwnd())) << "follows the maximised one";

    int destroyed = TestChildFrame::s_destroyed;
    m_app->CloseAllDocuments(false);
    EXPECT_EQ(TestChildFrame::s_destroyed, destroyed + 2);
}

TEST_F(MdiFrameTest, TheActiveChildsViewHasTheKeys)
{
    // Keys typed after opening a document must reach its view, not the
    // child frame or the MDI client around it.
    SetForegroundWindow(Main().GetHwnd());
    SetActiveWindow(Main().GetHwnd());
    Pump(*m_app);
    ASSERT_TRUE(NewDocument());
    TestView* first = ActiveView();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetFocus(), first->GetHwnd());

    ASSERT_TRUE(NewDocument());
    TestView* second = ActiveView();
    ASSERT_NE(second, first);
    EXPECT_EQ(GetFocus(), second->GetHwnd());

    HWND client = GetParent(ActiveChild()->GetHwnd());
    SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->GetParentFrame()->GetHwnd()), 0);
    Pump(*m_app);
    EXPECT_EQ(GetFocus(), first->GetHwnd());
    m_app->CloseAllDocuments(false);
}

TEST_F(MdiFrameTest, TheFrameHearsTheApplicationGainAndLoseActivation)
{
    Main().m_appActivations.clear();
    SendMessageA(Main().GetHwnd(), WM_ACTIVATEAPP, TRUE, 0);
    SendMessageA(Main().GetHwnd(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(Main().m_appActivations, (std::vector<bool>{true, false}));
}

TEST_F(MdiFrameTest, TileCommandsPutTheChildrenAboveOrBesideEachOther)
{
    // Shown: the MDI client tiles only visible windows.
    DestroyApp();
    MakeApp();
    MakeMainFrame(BarSet{}, true);
    ASSERT_TRUE(NewDocument());
    ASSERT_TRUE(NewDocument());
    struct Case {
        UINT command;
        bool above; // one above the other, else side by side
    };
    for (const Case& c : {Case{ID_WINDOW_TILE_HORZ, true}, Case{ID_WINDOW_TILE_VERT, false},
                          Case{ID_WINDOW_TILE_HORZ, true}}) {
        Command(c.command);
        std::vector<fw::MDIChildWnd*> children = Main().GetChildFrames();
        ASSERT_EQ(children.size(), 2u);
        RECT a{}, b{};
        GetWindowRect(children[0]->GetHwnd(), &a);
        GetWindowRect(children[1]->GetHwnd(), &b);
        const bool stacked = (a.bottom <= b.top || b.bottom <= a.top) && a.left == b.left;
        const bool sideBySide = (a.right <= b.left || b.right <= a.left) && a.top == b.top;
        EXPECT_EQ(stacked, c.above) << "command " << c.command;
        EXPECT_EQ(sideBySide, !c.above) << "command " << c.command;
    }
    m_app->CloseAllDocuments(false);
}

// Messages of the MDI family that reach the client after its WM_DESTROY: the
// platform has freed the client's lists and title by then.
struct LateClientMessages {
    static inline WNDPROC s_proc = nullptr;
    static inline bool s_destroyed = false;
    static inline std::vector<UINT> s_late;
    static LRESULT CALLBACK Proc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_DESTROY)
            s_destroyed = true;
        else if (s_destroyed && msg >= WM_MDICREATE && msg <= WM_MDIREFRESHMENU)
            s_late.push_back(msg);
        return CallWindowProcA(s_proc, hWnd, msg, wParam, lParam);
    }
};

TEST_F(MdiFrameTest, AtTheEndTheChildrenCloseBeforeTheClientGoes)
{
    ASSERT_TRUE(NewDocument());
    ASSERT_TRUE(NewDocument());
    Command(ID_WINDOW_NEW);
    HWND client = Main().GetMDIClient();
    LateClientMessages::s_destroyed = false;
    LateClientMessages::s_late.clear();
    LateClientMessages::s_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LateClientMessages::Proc)));
    m_app->SetMainFrame(nullptr);
    m_main = nullptr;
    EXPECT_FALSE(IsWindow(client));
    EXPECT_TRUE(LateClientMessages::s_destroyed);
    EXPECT_EQ(LateClientMessages::s_late, std::vector<UINT>{});
    EXPECT_TRUE(Documents().empty());
}

} // namespace
} // namespace fwtest
