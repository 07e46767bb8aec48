// Command routing: order of the targets, update handlers on menus, and
// disabled commands that never run, from a menu or from a key.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

using RoutingTest = AppTest;

TEST_F(RoutingTest, CommandGoesViewDocumentChildFrameMainFrameApplication)
{
    ASSERT_TRUE(NewDocument());
    const std::vector<std::string> order{"view", "document", "child frame", "main frame",
                                         "application"};
    // The same route whether the command comes to the main frame (a menu)
    // or to the child frame (a key the child translates itself).
    const HWND receivers[] = {Main().GetHwnd(), ActiveChild()->GetHwnd()};
    for (HWND receiver : receivers) {
        SCOPED_TRACE(receiver == Main().GetHwnd() ? "main frame gets it" : "child gets it");
        auto send = [&] {
            SendMessageA(receiver, WM_COMMAND, MAKEWPARAM(ID_TEST_ROUTE, 1), 0);
            Pump(*m_app);
        };
        // Nobody takes it: every level is asked once, in order.
        Route() = RouteProbe{};
        send();
        EXPECT_EQ(Route().asked, order);
        // Each level in turn takes it, and no later level is asked.
        for (size_t taker = 0; taker < order.size(); ++taker) {
            SCOPED_TRACE(order[taker]);
            Route() = RouteProbe{order[taker], {}};
            send();
            EXPECT_EQ(Route().asked,
                      std::vector<std::string>(order.begin(), order.begin() + taker + 1));
        }
    }
}

TEST_F(RoutingTest, WithoutDocumentsTheMainFrameAndApplicationStillServe)
{
    Command(ID_TEST_ROUTE);
    EXPECT_EQ(Route().asked, (std::vector<std::string>{"main frame", "application"}));
}

TEST_F(RoutingTest, DisabledCommandNeverRunsFromKeyOrMenu)
{
    ASSERT_TRUE(NewDocument());
    TestView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    SetFocus(view->GetHwnd());
    Key(VK_F7); // enabled: the key does reach the view
    EXPECT_EQ(view->m_enabledRuns, 1);
    Key(VK_F5);
    Key(VK_F9); // a key whose command has no menu item
    Command(ID_TEST_DISABLED);
    EXPECT_EQ(view->m_disabledRuns, 0);
}

TEST_F(RoutingTest, UpdateHandlersSetMenuItemsWhenThePopupOpens)
{
    ASSERT_TRUE(NewDocument());
    HMENU bar = GetMenu(Main().GetHwnd());
    HMENU test = nullptr;
    for (int i = 0; i < GetMenuItemCount(bar) && !test; ++i) {
        char name[32] = {};
        GetMenuStringA(bar, i, name, sizeof name, MF_BYPOSITION);
        if (std::string(name) == "&Test")
            test = GetSubMenu(bar, i);
    }
    ASSERT_NE(test, nullptr) << "the document's menu replaces the frame's";
    SendMessageA(Main().GetHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(test), 1);

    struct Expect {
        UINT id;
        bool grayed;
        bool checked;
    };
    const Expect items[] = {
        {ID_TEST_ROUTE, false, false},    // has handlers
        {ID_TEST_DISABLED, true, false},  // its update handler disables it
        {ID_TEST_ENABLED, false, false},  // a handler and no update handler
        {ID_TEST_CHECKED, false, true},   // checked by its update handler
        {ID_TEST_RADIO, true, true},      // checked, but there is no command to run
        {ID_TEST_UNHANDLED, true, false}, // nobody handles it
    };
    for (const Expect& e : items) {
        SCOPED_TRACE(e.id);
        UINT state = GetMenuState(test, e.id, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_GRAYED) != 0, e.grayed);
        EXPECT_EQ((state & MF_CHECKED) != 0, e.checked);
    }
    char text[64] = {};
    GetMenuStringA(test, ID_TEST_TEXT, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Text from the view");
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(test, ID_TEST_RADIO, FALSE, &info);
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
}

TEST_F(RoutingTest, ItemsWithoutHandlersFollowTheirCommandsAvailability)
{
    fw::StateCmdUI withHandler(ID_FILE_NEW);
    withHandler.DoUpdate(Main(), true);
    EXPECT_TRUE(withHandler.m_bEnabled);
    fw::StateCmdUI nobody(ID_TEST_UNHANDLED);
    nobody.DoUpdate(Main(), true);
    EXPECT_FALSE(nobody.m_bEnabled);
    // Without a document the window commands have nothing to act on.
    fw::StateCmdUI cascade(ID_WINDOW_CASCADE);
    cascade.DoUpdate(Main(), true);
    EXPECT_FALSE(cascade.m_bEnabled);
    ASSERT_TRUE(NewDocument());
    fw::StateCmdUI cascadeNow(ID_WINDOW_CASCADE);
    cascadeNow.DoUpdate(Main(), true);
    EXPECT_TRUE(cascadeNow.m_bEnabled);
}

TEST(CommandMap, HandlerThatDeclinesLetsRoutingGoOn)
{
    struct Target : fw::CommandTarget {
        bool take = false;
        int runs = 0;
        bool OnAsk(UINT)
        {
            ++runs;
            return take;
        }
        bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override
        {
            static const fw::CommandMap<Target> map{{42, &Target::OnAsk}};
            return map.Dispatch(*this, id, code, ui);
        }
    } target;
    EXPECT_FALSE(target.OnCmdMsg(42, fw::CmdCode::Execute, nullptr));
    target.take = true;
    EXPECT_TRUE(target.OnCmdMsg(42, fw::CmdCode::Execute, nullptr));
    EXPECT_EQ(target.runs, 2);
    // Asking whether a handler exists runs nothing.
    EXPECT_TRUE(target.OnCmdMsg(42, fw::CmdCode::HasHandler, nullptr));
    EXPECT_EQ(target.runs, 2);
}

} // namespace
} // namespace fwtest
