// The shell's DDE requests: a second process sends execute strings to the
// server the application runs under its executable's name, topic "system".
#include <gtest/gtest.h>

#include "framework/app_test_support.h"
#include "framework/dde_server.h"
#include "framework/handles.h"

namespace fwtest {
namespace {

class ShellDdeTest : public AppTest {
protected:
    // Runs the client and serves the conversation meanwhile; its exit code.
    int RunClient(const std::string& service, const std::string& topic, const std::string& command)
    {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, sizeof self);
        std::string dir(self);
        dir.erase(dir.find_last_of('\\') + 1);
        std::string line = "\"" + dir + "fw_dde_client.exe\" \"" + service + "\" \"" + topic +
                           "\" \"" + command + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return -1;
        fw::File processHandle(process.hProcess);
        fw::File threadHandle(process.hThread);
        // The server answers from this thread's messages.
        DWORD deadline = GetTickCount() + 20000;
        while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) !=
               WAIT_OBJECT_0) {
            Pump(*m_app);
            if (GetTickCount() > deadline)
                return -2;
        }
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<int>(code);
    }
};

TEST_F(ShellDdeTest, ExecuteStringsFromAnotherProcessReachTheHandler)
{
    ASSERT_TRUE(m_app->EnableShellOpen());
    ASSERT_EQ(m_app->GetShellDdeServer()->GetService(), "fw_dde_test");

    EXPECT_EQ(RunClient("fw_dde_test", "system", "open(c:\\a(1).txt)"), 0);
    // Service and topic are matched without regard to case.
    EXPECT_EQ(RunClient("FW_DDE_TEST", "System", "print(c:\\b.txt)"), 0);
    EXPECT_EQ(m_app->m_ddeCommands,
              (std::vector<std::string>{"open(c:\\a(1).txt)", "print(c:\\b.txt)"}));

    m_app->m_acceptDde = false;
    EXPECT_EQ(RunClient("fw_dde_test", "system", "frobnicate"), 2);
    EXPECT_EQ(m_app->m_ddeCommands.back(), "frobnicate");
}

TEST_F(ShellDdeTest, OtherTopicsAndABusyProgramAreRefused)
{
    ASSERT_TRUE(m_app->EnableShellOpen());
    EXPECT_EQ(RunClient("fw_dde_test", "other", "open(x)"), 1);
    // A modal dialog of the program is up: its main window is disabled.
    // The answer is "busy"; Wine's DDEML reports it as "not processed".
    EnableWindow(Main().GetHwnd(), FALSE);
    int refused = RunClient("fw_dde_test", "system", "open(x)");
    EXPECT_TRUE(refused == 3 || refused == 2) << refused;
    EnableWindow(Main().GetHwnd(), TRUE);
    EXPECT_TRUE(m_app->m_ddeCommands.empty());

    // After ExitInstance nobody answers any more.
    m_app->ExitInstance();
    EXPECT_EQ(RunClient("fw_dde_test", "system", "open(x)"), 1);
}

} // namespace
} // namespace fwtest
