// The installer's application object on the framework, in-process: where it
// finds its script, the window it starts with, and how it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "setup/setup_app.h"
#include "framework/testing/message_box_script.h"
#include "framework/testing/test_folder.h"

namespace {
using namespace fw::test;

// The application as if started from `path`, with its boxes recorded.
class PlacedSetupApp : public CSetupApp, public MessageBoxScript {
public:
    explicit PlacedSetupApp(std::string path) : m_path(std::move(path)) {}

    int DoMessageBox(const std::string& text, UINT type, UINT) override
    {
        return AnswerMessageBox(text, type, IDOK);
    }

protected:
    std::string ProgramPath() const override { return m_path; }

private:
    std::string m_path;
};

TEST(SetupApp, AProgramPathTooLongForItsScriptIsReportedAndSetupStops)
{
    TestFolder folder;
    PlacedSetupApp app(folder.Path() + "\\" + std::string(260, 'd') + "\\SETUP.EXE");
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(app.m_shown.size(), 1u);
    EXPECT_NE(app.m_shown[0].text.find("too long"), std::string::npos) << app.m_shown[0].text;
    EXPECT_EQ(app.m_shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(app.GetAppTitle(), "Trelvan Setup");
    EXPECT_EQ(app.GetMainWnd(), nullptr);
    EXPECT_EQ(app.ExitInstance(), 1);
}

TEST(SetupApp, StartsWithTheScriptBesideItAndEndsOnTheExitCommand)
{
    TestFolder folder;
    WriteFileText(folder / "SETUP.INF", "[Application]\r\nTitle=Demo\r\n");
    PlacedSetupApp app(folder / "SETUP.EXE");
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.m_shown.empty());
    EXPECT_EQ(app.Model().m_strTitle, "Demo");
    EXPECT_EQ(app.Model().m_strSourceDir, folder.Path() + "\\");

    // The captionless backdrop over the whole screen, with the welcome page
    // posted to it.
    const HWND frame = app.GetMainWnd();
    ASSERT_NE(frame, nullptr);
    char title[64] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Trelvan Setup");
    EXPECT_FALSE(GetWindowLongPtrA(frame, GWL_STYLE) & WS_CAPTION);
    RECT area{};
    GetWindowRect(frame, &area);
    EXPECT_EQ(area.right - area.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(area.bottom - area.top, GetSystemMetrics(SM_CYSCREEN));
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, frame, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), ID_WIZARD_WELCOME);

    // The exit command goes through the routing to the application, which
    // closes the frame; the message loop then ends with code 0.
    SendMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_FALSE(IsWindow(frame));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
    EXPECT_EQ(app.ExitInstance(), 0);
}

} // namespace
