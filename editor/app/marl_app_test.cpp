// The application object in process: the command line, the shell's DDE
// requests, File > Open, the start-up picture, the shell registration and
// the settings written at exit.
#include <windows.h>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/settings_workset_name.h"
#include "editor/app/splash_window.h"
#include "editor/res/resource.h"
#include "framework/handles.h"

using namespace shelltest;

namespace {

class MarlAppTest : public ShellTest {};

} // namespace

TEST_F(MarlAppTest, FilesOnTheCommandLineOpenInOrder)
{
    WriteText(Path("a.c"), "a");
    WriteText(Path("b.h"), "b");
    Start("/NOSPLASH " + Path("a.c") + " " + Path("b.h"));
    ASSERT_EQ(Documents().size(), 2u);
    EXPECT_EQ(Documents()[0]->GetPathName(), Path("a.c"));
    EXPECT_EQ(Documents()[1]->GetPathName(), Path("b.h"));
    EXPECT_TRUE(IsWindowVisible(Frame().GetHwnd()));
    EXPECT_FALSE(m_app->m_bPrintMode);
}

TEST_F(MarlAppTest, WorksetAndNewDocumentSwitches)
{
    struct Case {
        std::string line;
        std::string workset;
        size_t documents;
    };
    const Case cases[] = {
        {"/sproject.set /e", "project.set", 1},
        {"/sexample.set", "example.set", 0},
        {"/Sx.set /E /x", "x.set", 1},
    };
    for (const Case& c : cases) {
        g_WorksetName.Set("");
        Start(c.line);
        EXPECT_EQ(g_WorksetName.Get(), c.workset) << c.line;
        EXPECT_EQ(Documents().size(), c.documents) << c.line;
        EXPECT_EQ(m_app->GetSplash(), nullptr) << c.line;
        Exit();
    }
}

TEST_F(MarlAppTest, SlashPInsideAPathOpensItWithoutPrintMode)
{
    // The folder name ends in "/p": the picture and the desktop stay away,
    // but it is no print request and the window shows.
    CreateDirectoryA(Path("x").c_str(), nullptr);
    WriteText(Path("x\\p.txt"), "p");
    const std::string path = Path("x") + "/p.txt";
    Start(path);
    EXPECT_FALSE(m_app->m_bPrintMode);
    EXPECT_EQ(m_app->GetSplash(), nullptr);
    EXPECT_FALSE(m_app->GetCommandLinePlan().restoreDesktop);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_TRUE(IsWindowVisible(Frame().GetHwnd()));
}

TEST_F(MarlAppTest, PrintModeKeepsTheWindowHiddenUntilARequest)
{
    WriteText(Path("a.c"), "a");
    Start("/p");
    EXPECT_TRUE(m_app->m_bPrintMode);
    EXPECT_FALSE(IsWindowVisible(Frame().GetHwnd()));
    EXPECT_TRUE(m_app->OnDDECommand("open(" + Path("a.c") + ")"));
    EXPECT_TRUE(IsWindowVisible(Frame().GetHwnd()));
}

TEST_F(MarlAppTest, DdePrintPrintsTheFileAndExitsOnlyInPrintMode)
{
    struct Case {
        const char* commandLine;
        bool exits;
    };
    for (const Case& c : {Case{"/NOSPLASH", false}, Case{"/p", true}}) {
        WriteText(Path("a.c"), "a");
        Start(c.commandLine);
        ShellTestView::s_prints.clear();
        HWND main = Frame().GetHwnd();
        EXPECT_TRUE(m_app->OnDDECommand("print(" + Path("a.c") + ")")) << c.commandLine;
        Pump(*m_app);
        EXPECT_EQ(ShellTestView::s_prints, std::vector<bool>{true}) << c.commandLine;
        EXPECT_FALSE(m_app->m_bShellPrint) << "the shell's print ends with the job";
        EXPECT_EQ(IsWindow(main) == FALSE, c.exits) << c.commandLine;
        if (!c.exits) {
            EXPECT_EQ(Documents().size(), 1u);
        }
        Exit();
    }
}

TEST_F(MarlAppTest, DdeRequests)
{
    WriteText(Path("a.c"), "a");
    Start();
    EXPECT_FALSE(m_app->OnDDECommand("[open(\"x\")]"));
    EXPECT_FALSE(m_app->OnDDECommand("open(" + Path("a.c")));
    EXPECT_TRUE(Documents().empty());
    EXPECT_TRUE(m_app->OnDDECommand("open(" + Path("a.c") + ")"));
    ASSERT_EQ(Documents().size(), 1u);
    // Open again: the open document is activated, not opened twice.
    EXPECT_TRUE(m_app->OnDDECommand("open(" + Path("a.c") + ")"));
    EXPECT_EQ(Documents().size(), 1u);
    // The name ends at the first ")": "a(1" is asked for and not found.
    WriteText(Path("a(1).txt"), "x");
    EXPECT_TRUE(m_app->OnDDECommand("open(" + Path("a(1).txt") + ")"));
    EXPECT_EQ(Documents().size(), 1u);
    ASSERT_FALSE(m_app->m_shown.empty());
    EXPECT_EQ(m_app->m_shown.back().text.rfind("a(1\n", 0), 0u) << m_app->m_shown.back().text;
}

TEST_F(MarlAppTest, OpenDialogOpensEachChosenFileReadOnlyWhenTicked)
{
    Start();
    for (const char* name : {"1.c", "2.c", "3.c"})
        WriteText(Path(name), name);
    m_app->m_openChoice.paths = {Path("3.c"), Path("1.c"), Path("2.c")};
    m_app->m_openChoice.readOnly = true;
    Command(ID_FILE_OPEN);
    ASSERT_EQ(Documents().size(), 3u);
    EXPECT_EQ(Documents()[0]->GetPathName(), Path("3.c"));
    for (fw::Document* doc : Documents())
        EXPECT_TRUE(static_cast<ShellTestDoc*>(doc)->m_bReadOnly) << doc->GetPathName();

    m_app->m_openChoice = {}; // cancelled
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Documents().size(), 3u);
}

TEST_F(MarlAppTest, StartUpPictureIsCentredAndClosedByAKey)
{
    Start("/d");
    CSplashWindow* splash = m_app->GetSplash();
    ASSERT_NE(splash, nullptr) << "the picture stays when the desktop is not restored";
    RECT r{};
    GetWindowRect(splash->GetHwnd(), &r);
    const SIZE size = splash->GetPictureSize();
    EXPECT_EQ(r.right - r.left, size.cx);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2);
    EXPECT_TRUE(GetWindowLongPtrA(splash->GetHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Idle time before 2.5 seconds keeps it.
    m_app->OnIdle(0);
    EXPECT_NE(m_app->GetSplash(), nullptr);
    // A key for another window closes it at once.
    MSG key{Frame().GetHwnd(), WM_KEYDOWN, VK_SPACE, 0, 0, {}};
    m_app->PreTranslateMessage(key);
    EXPECT_EQ(m_app->GetSplash(), nullptr);
}

TEST_F(MarlAppTest, ClickOnThePictureClosesItAtTheNextIdleTime)
{
    Start("/d");
    CSplashWindow* splash = m_app->GetSplash();
    ASSERT_NE(splash, nullptr);
    MSG click{splash->GetHwnd(), WM_LBUTTONDOWN, 0, 0, 0, {}};
    m_app->PreTranslateMessage(click);
    EXPECT_NE(m_app->GetSplash(), nullptr);
    m_app->OnIdle(1);
    EXPECT_EQ(m_app->GetSplash(), nullptr);
}

TEST_F(MarlAppTest, PictureGoesBeforeTheDesktopIsRestored)
{
    Start("");
    EXPECT_EQ(m_app->GetSplash(), nullptr);
    Exit();
    Start("", "[Options]\r\nSplash=0\r\n");
    EXPECT_EQ(m_app->GetSplash(), nullptr);
}

TEST_F(MarlAppTest, ShellRegistrationNamesTheRunningExecutable)
{
    Start();
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    const std::string service = fw::Application::GetExeBaseName();
    const std::pair<std::string, std::string> expected[] = {
        {"textfile", "Trelvan EDIT"},
        {"textfile\\shell\\open\\ddeexec", "open(%1)"},
        {"textfile\\shell\\open\\ddeexec\\application", service},
        {"textfile\\shell\\open\\command", std::string(exe) + " %1"},
        {"textfile\\shell\\print\\command", std::string(exe) + " /p %1"},
        {"textfile\\shell\\printto\\command", std::string(exe) + " /p %1"},
    };
    for (const auto& [key, value] : expected) {
        fw::RegKey k = fw::RegKey::Open(HKEY_CLASSES_ROOT, key);
        ASSERT_TRUE(k) << key;
        EXPECT_EQ(k.GetString(std::string()).value_or("<none>"), value) << key;
    }
}

TEST_F(MarlAppTest, ExitWritesTheSettingsAndEndsWithZero)
{
    Start("/NOSPLASH", "[Options]\r\nTabLength=4\r\nToolBar=0\r\n[Colors]\r\nText=5\r\n");
    EXPECT_EQ(Exit(), 0);
    EXPECT_EQ(ReadProfile("Options", "TabLength"), "4");
    EXPECT_EQ(ReadProfile("Options", "ToolBar"), "0") << "written back unchanged";
    EXPECT_EQ(ReadProfile("Colors", "Text"), "5");
    EXPECT_EQ(ReadProfile("Settings", "SaveDesktop"), "1");
    EXPECT_EQ(ReadProfile("Options", "Splash"), "<none>") << "not written at exit";
}

TEST_F(MarlAppTest, MainWindowHasTheProgramTitle)
{
    Start();
    char title[128] = {};
    GetWindowTextA(Frame().GetHwnd(), title, sizeof title);
    EXPECT_STREQ(title, "Trelvan EDIT for Windows");
}
