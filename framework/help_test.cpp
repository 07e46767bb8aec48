// The help commands: index, using help, and the Shift+F1 mode in which a
// command or a click shows help instead of acting.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

using Help = std::pair<ULONG_PTR, UINT>;

class HelpTest : public AppTest {};

TEST_F(HelpTest, IndexAndUsingHelpAskTheHelpEngine)
{
    Command(ID_HELP_INDEX);
    Command(ID_HELP_USING);
    Command(ID_HELP);
    EXPECT_EQ(m_app->m_helpCalls,
              (std::vector<Help>{{0, HELP_CONTENTS}, {0, HELP_HELPONHELP}, {0, HELP_CONTENTS}}));
}

TEST_F(HelpTest, InHelpModeACommandIsExplainedNotDone)
{
    Command(ID_CONTEXT_HELP);
    EXPECT_TRUE(m_app->IsHelpMode());
    Command(ID_FILE_NEW);
    EXPECT_TRUE(Documents().empty());
    EXPECT_FALSE(m_app->IsHelpMode());
    EXPECT_EQ(m_app->m_helpCalls,
              (std::vector<Help>{{FW_HID_BASE_COMMAND + ID_FILE_NEW, HELP_CONTEXT}}));
    Command(ID_FILE_NEW); // out of help mode it acts again
    EXPECT_EQ(Documents().size(), 1u);
}

TEST_F(HelpTest, InHelpModeAClickOnAToolButtonExplainsItsCommand)
{
    fw::ToolBar& bar = Main().m_toolBar;
    RECT button = bar.GetItemRect(bar.CommandToIndex(ID_FILE_OPEN));
    LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    Command(ID_CONTEXT_HELP);
    PostMessageA(bar.GetToolBarCtrl(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(bar.GetToolBarCtrl(), WM_LBUTTONUP, 0, at);
    Pump(*m_app);
    EXPECT_FALSE(m_app->IsHelpMode());
    EXPECT_EQ(m_app->m_helpCalls,
              (std::vector<Help>{{FW_HID_BASE_COMMAND + ID_FILE_OPEN, HELP_CONTEXT}}));

    // Esc leaves the mode without help.
    Command(ID_CONTEXT_HELP);
    PostMessageA(Main().GetHwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump(*m_app);
    EXPECT_FALSE(m_app->IsHelpMode());
    EXPECT_EQ(m_app->m_helpCalls.size(), 1u);
}

} // namespace
} // namespace fwtest
