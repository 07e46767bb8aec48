// The application object: its message loop with idle time, message boxes
// captioned with its title, its default profile and help file names.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"
#include "framework/message_hook.h"
#include "framework/strings.h"

namespace fwtest {
namespace {

class ApplicationTest : public AppTest {};

TEST_F(ApplicationTest, IdleTimeRunsAfterInputAndAsLongAsItIsWanted)
{
    // Idle counts up from 0 while OnIdle wants more, then the loop waits
    // for the next message.
    m_app->m_idleCounts.clear();
    m_app->m_moreIdleUntil = 3;
    m_app->m_quitOnIdleCall = 4;
    PostMessageA(Main().GetHwnd(), WM_NULL, 0, 0);
    EXPECT_EQ(m_app->MessageLoop(), 42) << "WM_QUIT's code is the exit code";
    EXPECT_EQ(m_app->m_idleCounts, (std::vector<LONG>{0, 1, 2, 3}));
}

TEST_F(ApplicationTest, MessageBoxesCarryTheTitleAnIconAndTheMainWindowAsOwner)
{
    struct Seen {
        HWND owner;
        std::string text;
        UINT type;
    };
    std::vector<Seen> seen;
    fw::ScopedMessageHook hook([&](HWND owner, const std::string& text, UINT type) {
        seen.push_back({owner, text, type});
        return IDOK;
    });
    EXPECT_EQ(fw::GetMessageCaption(), "Fw Test");
    m_app->fw::Application::DoMessageBox("plain", MB_OK, 0);
    m_app->fw::Application::DoMessageBox("question", MB_YESNO, 0);
    m_app->fw::Application::DoMessageBox("stop", MB_OK | MB_ICONSTOP | MB_TASKMODAL, 0);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(seen[0].owner, Main().GetHwnd());
    EXPECT_EQ(seen[1].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(seen[2].type, UINT(MB_OK | MB_ICONSTOP | MB_TASKMODAL));
    EXPECT_EQ(seen[2].owner, nullptr) << "task-modal: every window of the program waits";
}

TEST_F(ApplicationTest, ProfileAndHelpFileAreNamedAfterTheExecutable)
{
    DestroyApp();
    fw::Application app;
    EXPECT_EQ(app.Profile().FileName(), "fw_app_test.INI");
    EXPECT_EQ(fw::FileNamePart(app.GetHelpFile()), "fw_app_test.HLP");
    app.Profile().SetFileName(Path("settings.ini"));
    EXPECT_EQ(app.GetProfileInt("Settings", "Tabs", 8), 8);
    app.WriteProfileInt("Settings", "Tabs", 4);
    app.WriteProfileString("Settings", "Font", "Fixedsys");
    EXPECT_EQ(app.GetProfileInt("settings", "TABS", 8), 4);
    EXPECT_EQ(app.GetProfileString("Settings", "Font"), "Fixedsys");
    EXPECT_EQ(ReadText(Path("settings.ini")), "[Settings]\r\nTabs=4\r\nFont=Fixedsys\r\n");
}

} // namespace
} // namespace fwtest
