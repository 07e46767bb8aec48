#include "editor/app/main_window.h"

#include <gtest/gtest.h>

TEST(MainWindow, CreatesTitledWindowAndDestroysIt)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.Create()) << "no window: is there a display?";
    char title[128] = {};
    GetWindowTextA(frame, title, sizeof title);
    EXPECT_STREQ(title, "Trelvan EDIT for Windows");
    EXPECT_EQ(FindWindowA(kMainFrameClass, "Trelvan EDIT for Windows"), frame.GetHwnd());
    frame.Destroy();
    EXPECT_EQ(FindWindowA(kMainFrameClass, nullptr), nullptr);
}
