// The user's tools in the application: read from the profile at start-up,
// on the Tools menu of whichever menu bar is in use, enabled by record.
#include <windows.h>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/tool_commands.h"
#include "editor/res/resource.h"

using namespace shelltest;

namespace {

class ToolCommandsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_hooks.toolsMenu = &m_tools;
    }
    std::string ItemText(UINT id) const
    {
        char text[64] = {};
        if (!GetMenuStringA(GetMenu(Frame().GetHwnd()), id, text, sizeof text, MF_BYCOMMAND))
            return "(none)";
        return text;
    }

    CToolCommands m_tools; // outlives the application, as in WinMain
};

} // namespace

TEST_F(ToolCommandsTest, ToolsFromTheProfileAreOnEveryMenuBar)
{
    WriteText(Path("a.c"), "a");
    Start("/NOSPLASH",
          "[Tools]\r\nTools1=&Make;make.exe;;;0\r\nTools3=&Lint;lint.exe;$File$;;1\r\n");
    EXPECT_EQ(ItemText(106), "&Make");
    EXPECT_EQ(ItemText(107), "&Lint") << "gathered after the gap in the keys";
    EXPECT_EQ(ItemText(108), "(none)");
    EXPECT_TRUE(fw::test::IsCommandEnabled(Frame(), 107));
    EXPECT_FALSE(fw::test::IsCommandEnabled(Frame(), 108));

    // An editor window brings its own menu bar: the tools come onto it as
    // soon as a menu is about to open.
    const HMENU frameBar = GetMenu(Frame().GetHwnd());
    ASSERT_TRUE(Open(Path("a.c")));
    Pump(*m_app);
    ASSERT_NE(GetMenu(Frame().GetHwnd()), frameBar);
    SendMessageA(Frame().GetHwnd(), WM_INITMENU,
                 reinterpret_cast<WPARAM>(GetMenu(Frame().GetHwnd())), 0);
    EXPECT_EQ(ItemText(106), "&Make");
    EXPECT_EQ(ItemText(107), "&Lint");
    Exit();
}
