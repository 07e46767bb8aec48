// The application's message loop in a program of its own: it runs the whole
// loop and its exit path, which the other tests of the layer never do.
#include <gtest/gtest.h>

#include <thread>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

class MessageLoopTest : public AppTest {
protected:
    // Runs the loop until the third idle call quits it, or for at most two
    // seconds (then the test fails instead of hanging); its exit code.
    int RunLoopBriefly()
    {
        HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        const DWORD thread = GetCurrentThreadId();
        std::thread safety([done, thread] {
            if (WaitForSingleObject(done, 2000) == WAIT_TIMEOUT)
                PostThreadMessageA(thread, WM_QUIT, 7, 0);
        });
        const int code = m_app->MessageLoop();
        SetEvent(done);
        safety.join();
        CloseHandle(done);
        return code;
    }
};

TEST_F(MessageLoopTest, InputArrivingWhileTheLoopWaitsStartsIdleTimeAgain)
{
    // The caret's blink ends idle time; a key or a timer that comes later on
    // its own must start it again, or the bars and panes stay a step behind.
    struct Case {
        const char* arrival;
        void (*send)(HWND main);
    };
    const Case cases[] = {
        {"a timer", [](HWND main) { SetTimer(main, 77, 50, nullptr); }},
        {"a key",
         [](HWND main) {
             std::thread([main] {
                 Sleep(50);
                 PostMessageA(main, WM_KEYDOWN, VK_F24, 1);
             }).detach();
         }},
    };
    for (const Case& c : cases) {
        m_app->m_idleCounts.clear();
        m_app->m_moreIdleUntil = 0;
        m_app->m_quitOnIdleCall = 3;
        HWND main = Main().GetHwnd();
        PostMessageA(main, 0x0118, 0, 0); // the caret's blink: not an idle message
        c.send(main);
        EXPECT_EQ(RunLoopBriefly(), 42) << "the loop never went idle after " << c.arrival;
        KillTimer(main, 77);
        EXPECT_EQ(m_app->m_idleCounts, (std::vector<LONG>{0, 1, 0})) << c.arrival;
    }
}

} // namespace
} // namespace fwtest
