// The Workset menu and the launch commands in the running editor: the real
// dialogs driven through their controls, files and the working directory
// checked on disk, programs seen through a recording launcher.
#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/settings_workset_name.h"
#include "editor/automation/launch_commands.h"
#include "editor/automation/program_launcher.h"
#include "editor/automation/workset_file.h"
#include "editor/automation/workset_list_window.h"
#include "editor/base/options.h"
#include "editor/res/resource.h"
#include "framework/status_bar.h"

using namespace shelltest;
using fw::test::ClickButton;
using fw::test::FindOwnedDialog;
using fw::test::StepRunner;

namespace {

class RecordingLauncher : public ProgramLauncher {
public:
    std::vector<std::string> m_lines;
    void Run(const std::string& commandLine) override { m_lines.push_back(commandLine); }
};

std::vector<std::string> ListItems(HWND list, bool combo = false)
{
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        SendMessageA(list, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// The index of the first item holding `part` (any case), or -1.
int FindItem(HWND list, const std::string& part)
{
    const std::vector<std::string> items = ListItems(list);
    for (size_t i = 0; i < items.size(); ++i) {
        if (WorksetUpper(items[i]).find(WorksetUpper(part)) != std::string::npos)
            return static_cast<int>(i);
    }
    return -1;
}

std::string Current()
{
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    return directory;
}

// The file name box of the platform's file dialogs (a combo box in the
// Explorer style).
HWND FileNameBox(HWND dialog)
{
    HWND box = GetDlgItem(dialog, cmb13);
    return box ? box : GetDlgItem(dialog, edt1);
}

class WorksetTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_hooks.launcher = &m_launcher;
        for (const char* name : {"a.c", "b.c", "c.h", "notes.txt"})
            WriteText(Path(name), "x\r\n");
        CreateDirectoryA(Path("sub").c_str(), nullptr);
        WriteText(Path("sub\\d.c"), "x\r\n");
        SetCurrentDirectoryA(m_folder->Path().c_str());
        g_WorksetName.Set("");
        Start();
    }

    // Runs `id` while the steps drive the dialogs it shows; the first step
    // waits for a dialog captioned `caption` owned by the main window.
    void RunWithDialog(UINT id, const std::string& caption, std::vector<StepRunner::Step> steps)
    {
        steps.insert(steps.begin(), [this, caption] {
            m_dialog = FindOwnedDialog(Frame().GetHwnd());
            if (!m_dialog || fw::test::WindowText(m_dialog) != caption)
                StepRunner::Again();
        });
        StepRunner runner(std::move(steps), [this] {
            if (HWND top = FindOwnedDialog(nullptr))
                PostMessageA(top, WM_COMMAND, IDCANCEL, 0);
        });
        Command(id);
        EXPECT_TRUE(
            fw::test::PumpUntil(*m_app, [&] { return runner.Finished() || runner.TimedOut(); }));
        EXPECT_FALSE(runner.TimedOut()) << "a dialog was left open";
        Pump(*m_app);
    }
    // A step that waits for the dialog owned by the current one and then
    // acts on it.
    StepRunner::Step OnOwnedDialog(const std::string& caption, std::function<void(HWND)> action)
    {
        return [this, caption, action] {
            HWND owned = FindOwnedDialog(m_dialog);
            if (!owned || fw::test::WindowText(owned) != caption) {
                StepRunner::Again();
                return;
            }
            action(owned);
        };
    }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    std::string Upper(const std::string& name) const { return WorksetUpper(Path(name)); }

    RecordingLauncher m_launcher;
    HWND m_dialog = nullptr;
};

TEST_F(WorksetTest, EditWorksetBuildsANewSetAndSavesItUnderTheTypedName)
{
    const std::string start = Current();
    std::vector<std::string> types, firstFiles, patternFiles, entries;
    std::string pattern;
    bool openAfterPattern = false;
    RunWithDialog(ID_WORKSET_NEW, "[Untitled]",
                  {[&] {
                       types = ListItems(Item(IDC_WS_TYPES), true);
                       pattern = fw::test::ItemText(m_dialog, IDC_WS_NAME);
                       firstFiles = ListItems(Item(IDC_WS_FILES));
                       SendMessageA(Item(IDC_WS_FILES), LB_SETCURSEL, 0, 0); // a.c
                       ClickButton(m_dialog, IDC_WS_ADD);
                       ClickButton(m_dialog, IDC_WS_ADD); // the same file again: one entry
                       ClickButton(m_dialog, IDC_WS_ADD_ALL);
                       SendMessageA(Item(IDC_WS_ENTRIES), LB_SETCURSEL, 0, 0);
                       ClickButton(m_dialog, IDC_WS_DELETE);
                       fw::test::SetEditText(Item(IDC_WS_NAME), "*.h;*.txt");
                       PostMessageA(m_dialog, WM_COMMAND, IDOK, 0); // lists, stays open
                   },
                   [&] {
                       openAfterPattern = IsWindowVisible(m_dialog) != 0;
                       patternFiles = ListItems(Item(IDC_WS_FILES));
                       SendMessageA(Item(IDC_WS_FILES), LB_SETCURSEL, 0, 0); // c.h
                       SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDC_WS_FILES, LBN_DBLCLK),
                                    reinterpret_cast<LPARAM>(Item(IDC_WS_FILES)));
                       entries = ListItems(Item(IDC_WS_ENTRIES));
                       PostMessageA(m_dialog, WM_COMMAND, IDOK, 0); // saves
                   },
                   OnOwnedDialog("Save Set As", [&](HWND save) {
                       SetWindowTextA(FileNameBox(save), Path("proj").c_str());
                       PostMessageA(save, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                   })});

    ASSERT_FALSE(types.empty());
    EXPECT_EQ(types.front(), "C/C++ Source");
    EXPECT_EQ(pattern, g_ExtensionTable.Entries().front().mask);
    EXPECT_EQ(firstFiles, (std::vector<std::string>{"a.c", "b.c"}));
    EXPECT_TRUE(openAfterPattern) << "Enter after a new pattern must keep the dialog open";
    EXPECT_EQ(patternFiles, (std::vector<std::string>{"c.h", "notes.txt"}));
    EXPECT_EQ(entries, (std::vector<std::string>{Upper("b.c"), Upper("c.h")}));
    EXPECT_EQ(g_WorksetName.Get(), Upper("proj") + ".SET");
    EXPECT_EQ(fw::test::ReadFileText(Path("proj.set")),
              Upper("b.c") + "\r\n" + Upper("c.h") + "\r\n");
    EXPECT_EQ(Current(), start);
}

TEST_F(WorksetTest, EditWorksetBrowsesIntoADirectoryAndRewritesTheCurrentSet)
{
    const std::string set = Path("old.set");
    WriteText(set, "c:\\keep\\one.c\nc:\\keep\\two.c\n");
    g_WorksetName.Set(set);
    const std::string start = Current();
    std::vector<std::string> entries, subFiles;
    std::string directory, upAgain;
    RunWithDialog(ID_WORKSET_EDIT, set, {[&] {
                      entries = ListItems(Item(IDC_WS_ENTRIES));
                      HWND tree = Item(IDC_WS_DIRS);
                      SendMessageA(tree, LB_SETCURSEL, FindItem(tree, "sub"), 0);
                      SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDC_WS_DIRS, LBN_DBLCLK),
                                   reinterpret_cast<LPARAM>(tree));
                      directory = fw::test::ItemText(m_dialog, IDC_WS_DIR_TEXT);
                      subFiles = ListItems(Item(IDC_WS_FILES));
                      SendMessageA(Item(IDC_WS_FILES), LB_SETCURSEL, 0, 0);
                      ClickButton(m_dialog, IDC_WS_ADD);
                      // The ancestor just above "sub" goes back up.
                      const int sub = FindItem(tree, "sub");
                      SendMessageA(tree, LB_SETCURSEL, sub - 1, 0);
                      SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDC_WS_DIRS, LBN_DBLCLK),
                                   reinterpret_cast<LPARAM>(tree));
                      upAgain = fw::test::ItemText(m_dialog, IDC_WS_DIR_TEXT);
                      PostMessageA(m_dialog, WM_COMMAND, IDOK, 0);
                  }});

    EXPECT_EQ(entries, (std::vector<std::string>{"C:\\KEEP\\ONE.C", "C:\\KEEP\\TWO.C"}));
    EXPECT_EQ(WorksetUpper(directory), Upper("sub"));
    EXPECT_EQ(subFiles, std::vector<std::string>{"d.c"});
    EXPECT_EQ(WorksetUpper(upAgain), WorksetUpper(m_folder->Path()));
    EXPECT_EQ(fw::test::ReadFileText(set),
              "C:\\KEEP\\ONE.C\r\nC:\\KEEP\\TWO.C\r\n" + Upper("sub\\d.c") + "\r\n");
    EXPECT_EQ(Current(), start) << "closing goes back to the directory it started in";
}

TEST_F(WorksetTest, FailuresToReadOrWriteTheSetAreReported)
{
    const std::string missing = Path("nowhere\\gone.set");
    g_WorksetName.Set(missing);
    std::vector<std::string> entries{"not read"};
    std::string error;
    RunWithDialog(ID_WORKSET_EDIT, missing,
                  {[&] {
                       entries = ListItems(Item(IDC_WS_ENTRIES));
                       PostMessageA(m_dialog, WM_COMMAND, IDOK, 0);
                   },
                   OnOwnedDialog("Error", [&](HWND box) {
                       error = fw::test::ItemText(box, 0xFFFF);
                       PostMessageA(box, WM_COMMAND, IDOK, 0);
                   })});
    EXPECT_TRUE(entries.empty()) << "an unreadable set is an empty list";
    EXPECT_EQ(error, "Cannot open file");

    std::string loadError;
    fw::test::OnNextDialog("Error", [&](HWND box) {
        loadError = fw::test::ItemText(box, 0xFFFF);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    Command(ID_WORKSET_LOAD);
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(loadError, "Cannot access file list");
    EXPECT_FALSE(m_app->GetWorksetList() && m_app->GetWorksetList()->IsOpen());
}

// A click on the list's item `index` (or outside the list for -1).
void ClickList(HWND list, int index)
{
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM where = index < 0 ? MAKELPARAM(static_cast<WORD>(-20), static_cast<WORD>(-20))
                                   : MAKELPARAM(5, index * height + height / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageA(list, WM_LBUTTONUP, 0, where);
}

TEST_F(WorksetTest, LoadFromWorksetOpensTheClickedFileInBothPresentations)
{
    const std::string set = Path("load.set");
    WriteText(set, Path("b.c") + "\r\n" + Path("a.c") + "\r\n");
    g_WorksetName.Set(set);
    auto openPaths = [&] {
        std::vector<std::string> paths;
        for (fw::Document* doc : Documents())
            paths.push_back(WorksetUpper(doc->GetPathName()));
        return paths;
    };

    Command(ID_WORKSET_LOAD);
    CWorksetListWindow* list = m_app->GetWorksetList();
    ASSERT_TRUE(list && list->IsOpen());
    EXPECT_EQ(fw::test::WindowText(list->GetHwnd()), set);
    EXPECT_EQ(GetWindowLongPtrA(list->GetHwnd(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(ListItems(list->GetHwnd()), (std::vector<std::string>{Upper("a.c"), Upper("b.c")}));
    ClickList(list->GetHwnd(), 1);
    Pump(*m_app);
    EXPECT_EQ(openPaths(), std::vector<std::string>{Upper("b.c")});
    EXPECT_TRUE(list->IsOpen()) << "the permanent list stays";

    g_pOptions->m_bPermanent = 0;
    Command(ID_WORKSET_LOAD);
    ASSERT_TRUE(list->IsOpen());
    EXPECT_FALSE(GetWindowLongPtrA(list->GetHwnd(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(GetCapture(), list->GetHwnd());
    ClickList(list->GetHwnd(), -1);
    Pump(*m_app);
    EXPECT_FALSE(list->IsOpen()) << "a click outside closes the list";
    EXPECT_EQ(openPaths().size(), 1u) << "and opens nothing";

    Command(ID_WORKSET_LOAD);
    ClickList(list->GetHwnd(), 0);
    Pump(*m_app);
    EXPECT_FALSE(list->IsOpen());
    EXPECT_EQ(openPaths(), (std::vector<std::string>{Upper("b.c"), Upper("a.c")}));
}

TEST_F(WorksetTest, WithoutAWorksetLoadAndEditAskForOneFirst)
{
    const std::string set = Path("first.set");
    WriteText(set, Path("a.c") + "\r\n");
    // Cancelled: nothing happens.
    RunWithDialog(ID_WORKSET_EDIT, "Load Workset",
                  {[&] { PostMessageA(m_dialog, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_TRUE(g_WorksetName.empty());
    EXPECT_FALSE(FindOwnedDialog(Frame().GetHwnd()));

    std::string filter;
    RunWithDialog(ID_WORKSET_LOAD, "Load Workset", {[&] {
                      char text[64] = {};
                      SendDlgItemMessageA(m_dialog, cmb1, CB_GETLBTEXT, 0,
                                          reinterpret_cast<LPARAM>(text));
                      filter = text;
                      SetWindowTextA(FileNameBox(m_dialog), set.c_str());
                      PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                  }});
    EXPECT_EQ(filter, "Workset files (*.set)");
    EXPECT_EQ(WorksetUpper(g_WorksetName.Get()), WorksetUpper(set));
    CWorksetListWindow* list = m_app->GetWorksetList();
    ASSERT_TRUE(list && list->IsOpen());
    EXPECT_EQ(ListItems(list->GetHwnd()), std::vector<std::string>{Upper("a.c")});
}

TEST_F(WorksetTest, ProgramRunsTheChosenFileOrTheTypedCommandLine)
{
    WriteText(Path("tool.exe"), "MZ");
    const struct {
        std::string typed, run;
    } cases[] = {
        {Path("tool.exe"), Path("tool.exe")},
        {"notepad readme.txt", "notepad readme.txt"},
    };
    for (const auto& c : cases) {
        m_launcher.m_lines.clear();
        RunWithDialog(ID_TOOLS_PROGRAM, "Execute program", {[&] {
                          SetWindowTextA(FileNameBox(m_dialog), c.typed.c_str());
                          PostMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                      }});
        EXPECT_EQ(m_launcher.m_lines, std::vector<std::string>{c.run}) << c.typed;
    }
}

TEST_F(WorksetTest, DosAndClipboardViewerStartWhatTheyFind)
{
    char saved[MAX_PATH] = {};
    const bool hadComSpec = GetEnvironmentVariableA("COMSPEC", saved, sizeof saved) > 0;
    SetEnvironmentVariableA("COMSPEC", "c:\\shell\\cmd.exe");
    Command(ID_TOOLS_DOS);
    WriteText(Path("dosprmpt.pif"), "");
    Command(ID_TOOLS_DOS);
    Command(ID_CLIPBOARD_VIEWER);
    SetEnvironmentVariableA("COMSPEC", hadComSpec ? saved : nullptr);
    EXPECT_EQ(m_launcher.m_lines,
              (std::vector<std::string>{"c:\\shell\\cmd.exe", "dosprmpt.pif", "Clipbrd.exe"}));
}

TEST_F(WorksetTest, DirectoryMakesTheChosenDirectoryCurrentAndShowsIt)
{
    std::vector<bool> fileParts;
    std::string dummy;
    auto enterSub = [&] {
        HWND dirs = Item(lst2);
        SendMessageA(dirs, LB_SETCURSEL, FindItem(dirs, "sub"), 0);
        SendMessageA(m_dialog, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(dirs));
    };
    // Cancelled after moving: the directory stays where it was.
    RunWithDialog(ID_FILE_DIRECTORY, "Change Working Directory",
                  {[&] {
                       for (int id : {stc3, edt1, lst1, stc2, cmb1})
                           fileParts.push_back(IsWindowVisible(Item(id)) != 0);
                       dummy = fw::test::ItemText(m_dialog, edt1);
                       enterSub();
                   },
                   [&] { PostMessageA(m_dialog, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(fileParts, std::vector<bool>(5, false));
    EXPECT_EQ(dummy, "Junk");
    EXPECT_EQ(WorksetUpper(Current()), WorksetUpper(m_folder->Path()));

    RunWithDialog(ID_FILE_DIRECTORY, "Change Working Directory",
                  {enterSub, [&] { PostMessageA(m_dialog, WM_COMMAND, IDOK, 0); }});
    EXPECT_EQ(Current(), Upper("sub"));
    ASSERT_TRUE(Frame().GetMessageBar());
    EXPECT_EQ(Frame().GetMessageBar()->GetPaneText(0), Upper("sub"));
}

// The platform's launcher really starts the command interpreter.  The test
// runs in a job so that the start is seen even when the interpreter ends at
// once; the test ends it if it is still there.  The interpreter is told to
// end by itself: one that waits for input would keep the test's output open
// (and the test running) for as long as that input stays open.
TEST(WorksetLaunch, DosStartsThePlatformsCommandInterpreter)
{
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    ASSERT_TRUE(job);
    ASSERT_TRUE(AssignProcessToJobObject(job, GetCurrentProcess()));
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    char saved[MAX_PATH] = {};
    const bool hadComSpec = GetEnvironmentVariableA("COMSPEC", saved, sizeof saved) > 0;
    SetEnvironmentVariableA("COMSPEC", (std::string(system) + "\\cmd.exe /c exit").c_str());
    Win32ProgramLauncher launcher;
    RunDosShell(launcher);
    SetEnvironmentVariableA("COMSPEC", hadComSpec ? saved : nullptr);
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts{};
    for (int i = 0; i < 100 && counts.TotalProcesses < 2; ++i) {
        Sleep(50);
        QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &counts, sizeof counts,
                                  nullptr);
    }
    EXPECT_EQ(counts.TotalProcesses, 2u) << "the interpreter did not start";
    struct {
        JOBOBJECT_BASIC_PROCESS_ID_LIST list;
        ULONG_PTR more[8];
    } ids{};
    ids.list.NumberOfAssignedProcesses = 9;
    QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr);
    for (DWORD i = 0; i < ids.list.NumberOfProcessIdsInList; ++i) {
        const DWORD id = static_cast<DWORD>(ids.list.ProcessIdList[i]);
        if (id == GetCurrentProcessId())
            continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(job);
}

} // namespace
