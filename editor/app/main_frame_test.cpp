// The main frame in process: its bars and panes, the bar toggles kept in the
// profile, the search history, the timer's temporary copies and the
// handling of the application's activation.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/marl_frame.h"
#include "editor/base/options.h"
#include "editor/res/resource.h"

using namespace shelltest;

namespace {

class MainFrameTest : public ShellTest {
protected:
    std::vector<UINT> ItemsOf(const fw::ToolBar& bar) const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < bar.GetItemCount(); ++i)
            ids.push_back(bar.GetItemId(i));
        return ids;
    }
    std::string PaneText(UINT id)
    {
        fw::StatusBar& status = Frame().GetStatusBar();
        return status.GetShownText(status.CommandToIndex(id));
    }
    void Tick(int minutes)
    {
        for (int i = 0; i < minutes; ++i)
            SendMessageA(Frame().GetHwnd(), WM_TIMER, kAutoSaveTimerId, 0);
    }
    // The program loses activation, then gets it back.
    void LeaveAndReturn()
    {
        Frame().OnActivateApp(false, 0);
        Frame().OnActivateApp(true, 0);
        Pump(*m_app);
    }
    // A document whose file the editor read at `recorded` and that now
    // carries `onDisk`.
    ShellTestDoc* OpenTouched(const std::string& name, std::int64_t recorded, std::int64_t onDisk)
    {
        const std::string path = Path(name);
        WriteText(path, "text\r\n");
        SetFileTimeOf(path, recorded);
        ShellTestDoc* doc = Open(path);
        SetFileTimeOf(path, onDisk);
        return doc;
    }
};

constexpr std::int64_t kSomeTime = 1700000000;

} // namespace

TEST_F(MainFrameTest, ToolBarsHoldTheirItemsInOrder)
{
    Start();
    const auto first = FirstToolBarItems();
    const auto second = SecondToolBarItems();
    EXPECT_EQ(ItemsOf(Frame().GetToolBar()), std::vector<UINT>(first.begin(), first.end()));
    EXPECT_EQ(ItemsOf(Frame().GetToolBar2()), std::vector<UINT>(second.begin(), second.end()));
    ASSERT_EQ(first.size(), 49u);
    ASSERT_EQ(second.size(), 14u);
    // The gap for the search history box: items 11 to 34 are separators.
    for (int i = 11; i <= 34; ++i)
        EXPECT_EQ(first[static_cast<size_t>(i)], static_cast<UINT>(ID_SEPARATOR)) << "item " << i;
    EXPECT_EQ(first[10], static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(first[35], static_cast<UINT>(ID_FIND_NEXT));
    EXPECT_EQ(first[48], static_cast<UINT>(ID_APP_ABOUT));
    EXPECT_EQ(Frame().GetToolBar().GetBarId(), static_cast<UINT>(FW_IDW_TOOLBAR));
    EXPECT_EQ(Frame().GetToolBar2().GetBarId(), static_cast<UINT>(IDW_TOOLBAR2));
}

TEST_F(MainFrameTest, SearchHistoryBoxFillsTheGapAsHighAsAButton)
{
    Start();
    fw::ToolBar& bar = Frame().GetToolBar();
    HWND box = Frame().GetSearchHistoryBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(GetParent(box), bar.GetHwnd());
    EXPECT_EQ(GetDlgCtrlID(box), IDC_SEARCH_HISTORY);
    RECT first = bar.GetItemRect(kHistoryFirstItem);
    RECT last = bar.GetItemRect(kHistoryLastItem);
    MapWindowPoints(bar.GetToolBarCtrl(), bar.GetHwnd(), reinterpret_cast<POINT*>(&first), 2);
    MapWindowPoints(bar.GetToolBarCtrl(), bar.GetHwnd(), reinterpret_cast<POINT*>(&last), 2);
    RECT field{};
    GetWindowRect(box, &field);
    MapWindowPoints(nullptr, bar.GetHwnd(), reinterpret_cast<POINT*>(&field), 2);
    EXPECT_EQ(field.left, first.left);
    EXPECT_EQ(field.right, last.right);
    EXPECT_EQ(field.bottom - field.top, first.bottom - first.top) << "selection field height";
    // Disabled at frame level: only an active editor view enables it.
    EXPECT_FALSE(IsWindowEnabled(box));
    // The bar is 14 pixels taller than its buttons on version 4 and later.
    RECT barRect{};
    GetWindowRect(bar.GetHwnd(), &barRect);
    EXPECT_GE(barRect.bottom - barRect.top, (first.bottom - first.top) + 14);
}

TEST_F(MainFrameTest, StatusBarHasTenPanesWithRecAndClock)
{
    Start();
    fw::StatusBar& status = Frame().GetStatusBar();
    const auto ids = StatusIndicators();
    ASSERT_EQ(status.GetPaneCount(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(status.GetItemId(i), ids[static_cast<size_t>(i)]) << "pane " << i;
    EXPECT_EQ(ids[1], static_cast<UINT>(59141));
    EXPECT_EQ(ids[9], static_cast<UINT>(59145));

    Frame().OnIdleUpdateCmdUI();
    EXPECT_EQ(PaneText(ID_INDICATOR_REC), "");
    EXPECT_TRUE(std::regex_match(PaneText(ID_INDICATOR_CLOCK), std::regex("[0-2][0-9]:[0-5][0-9]")))
        << PaneText(ID_INDICATOR_CLOCK);
    // No editor window: its panes are blank.
    EXPECT_EQ(PaneText(ID_INDICATOR_OVR), "");
    EXPECT_EQ(PaneText(ID_INDICATOR_LINE), "");
}

TEST_F(MainFrameTest, RecordingToggleDrivesTheRecPane)
{
    Start();
    Frame().m_strMacroPath = "C:\\OLD.MAC";
    // Without the recorder installed the commands are disabled: run the
    // handler as the recorder's key would once it exists.
    Frame().m_bRecording = true;
    Frame().OnIdleUpdateCmdUI();
    EXPECT_EQ(PaneText(ID_INDICATOR_REC), "REC");
    Frame().m_bRecording = false;
    Frame().OnIdleUpdateCmdUI();
    EXPECT_EQ(PaneText(ID_INDICATOR_REC), "");
}

TEST_F(MainFrameTest, IdlePromptIsTheWorkingDirectory)
{
    Start();
    SetCurrentDirectoryA(m_folder->Path().c_str());
    Frame().OnIdleUpdateCmdUI();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(Frame().GetStatusBar().GetShownText(0), current);
    // Any other prompt is shown as it comes.
    Frame().SetMessageText("Open an existing document");
    Frame().OnIdleUpdateCmdUI();
    EXPECT_EQ(Frame().GetStatusBar().GetShownText(0), "Open an existing document");
}

TEST_F(MainFrameTest, SecondToolBarToggleIsStoredInTheProfile)
{
    Start();
    ASSERT_TRUE(Frame().GetToolBar2().IsVisible());
    Command(ID_VIEW_TOOLBAR2);
    EXPECT_FALSE(Frame().GetToolBar2().IsVisible());
    EXPECT_EQ(Exit(), 0);
    EXPECT_EQ(ReadProfile("Options", "ToolBar2"), "0");

    // The next start begins with it hidden.
    Start();
    EXPECT_FALSE(Frame().GetToolBar2().IsVisible());
    Command(ID_VIEW_TOOLBAR2);
    EXPECT_TRUE(Frame().GetToolBar2().IsVisible());
    EXPECT_EQ(Exit(), 0);
    EXPECT_EQ(ReadProfile("Options", "ToolBar2"), "1");
}

TEST_F(MainFrameTest, TogglesOfBarsThatDoNotExistChangeNothing)
{
    Start("/NOSPLASH", "[Options]\r\nOpenDlg=0\r\nTabBar=0\r\n");
    Command(ID_VIEW_FILE_OPEN_WINDOW);
    Command(ID_VIEW_TAB_BAR);
    EXPECT_EQ(m_app->GetAppSettings().m_bOpenDlg, 0);
    EXPECT_EQ(m_app->GetAppSettings().m_bTabBar, 0);
    EXPECT_EQ(Exit(), 0);
    EXPECT_EQ(ReadProfile("Options", "OpenDlg"), "0");
    EXPECT_EQ(ReadProfile("Options", "TabBar"), "0");
}

TEST_F(MainFrameTest, SearchHistoryIsReadAtStartAndWrittenWhenTheFrameGoes)
{
    std::string profile = "[Search]\r\n";
    for (int i = 0; i < 12; ++i)
        profile += std::to_string(i) + "=word" + std::to_string(i) + "\r\nD" + std::to_string(i) +
                   "=" + std::to_string(i + 1) + "\r\n";
    Start("/NOSPLASH", profile);
    // Only the ten newest are read.
    std::vector<SearchHistoryEntry> history = Frame().GetSearchHistory();
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history[0], (SearchHistoryEntry{"word0", 1}));
    EXPECT_EQ(history[9], (SearchHistoryEntry{"word9", 10}));
    EXPECT_EQ(Frame().m_nHistoryCount, 10);

    // Twelve entries at the end: keys 0 to 11.
    HWND box = Frame().GetSearchHistoryBox();
    for (const char* text : {"new1", "new2"}) {
        SendMessageA(box, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(box, CB_SETITEMDATA, 0, 16);
    }
    EXPECT_EQ(Exit(), 0);
    EXPECT_EQ(ReadProfile("Search", "0"), "new2");
    EXPECT_EQ(ReadProfile("Search", "D0"), "16");
    EXPECT_EQ(ReadProfile("Search", "2"), "word0");
    EXPECT_EQ(ReadProfile("Search", "11"), "word9");
    EXPECT_EQ(ReadProfile("Search", "D11"), "10");
}

TEST_F(MainFrameTest, TimerWritesTemporaryCopiesEveryIntervall)
{
    Start("/NOSPLASH", "[Options]\r\nIntervall=2\r\nAutoSave=1\r\n");
    EXPECT_TRUE(Frame().IsTimerRunning());
    WriteText(Path("a.c"), "a\r\n");
    WriteText(Path("b.c"), "b\r\n");
    ShellTestDoc* modified = Open(Path("a.c"));
    ShellTestDoc* clean = Open(Path("b.c"));
    ASSERT_TRUE(modified && clean);
    modified->SetModifiedFlag(true);

    Tick(1);
    EXPECT_EQ(modified->m_tempCopies, 0);
    Tick(1);
    EXPECT_EQ(modified->m_tempCopies, 1);
    EXPECT_EQ(clean->m_tempCopies, 0);
    Tick(4);
    EXPECT_EQ(modified->m_tempCopies, 3);
}

TEST_F(MainFrameTest, TimerCountsWhileAutoSaveIsOff)
{
    Start("/NOSPLASH", "[Options]\r\nIntervall=5\r\nAutoSave=0\r\n");
    WriteText(Path("a.c"), "a\r\n");
    ShellTestDoc* doc = Open(Path("a.c"));
    doc->SetModifiedFlag(true);
    Tick(3);
    g_pOptions->m_bAutoSave = 1; // switched on at minute 3
    Tick(1);
    EXPECT_EQ(doc->m_tempCopies, 0);
    Tick(1);
    EXPECT_EQ(doc->m_tempCopies, 1) << "minute 5";
}

TEST_F(MainFrameTest, ReloadQuestionOnlyBeyondOneSecond)
{
    Start();
    ShellTestDoc* near1 = OpenTouched("near.c", kSomeTime, kSomeTime + 1);
    ShellTestDoc* distant = OpenTouched("far.c", kSomeTime, kSomeTime + 2);
    ShellTestDoc* older = OpenTouched("older.c", kSomeTime, kSomeTime - 2);
    ASSERT_TRUE(near1 && distant && older);
    LeaveAndReturn();
    ASSERT_EQ(m_app->m_shown.size(), 2u);
    EXPECT_EQ(m_app->m_shown[0].text,
              Path("far.c") + " was modified by another application.\nDo you want to reload it?");
    EXPECT_EQ(m_app->m_shown[0].type & (MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL),
              static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_NE(m_app->m_shown[1].text.find("older.c"), std::string::npos);
}

TEST_F(MainFrameTest, NoAsksAgainYesReloads)
{
    Start();
    ShellTestDoc* doc = OpenTouched("a.c", kSomeTime, kSomeTime + 60);
    auto* view = static_cast<ShellTestView*>(doc->GetViews().front());
    const int opens = doc->m_opens;
    m_app->m_answers = {IDNO};
    LeaveAndReturn();
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(doc->m_opens, opens);

    WriteText(Path("a.c"), "changed\r\n");
    SetFileTimeOf(Path("a.c"), kSomeTime + 120);
    view->m_hints.clear();
    m_app->m_answers = {IDYES};
    LeaveAndReturn();
    EXPECT_EQ(m_app->m_shown.size(), 2u);
    EXPECT_EQ(doc->m_opens, opens + 1);
    EXPECT_EQ(doc->m_text, "changed\r\n");
    EXPECT_NE(std::find(view->m_hints.begin(), view->m_hints.end(), 2), view->m_hints.end());

    // The reload recorded the new time: no more questions.
    LeaveAndReturn();
    EXPECT_EQ(m_app->m_shown.size(), 2u);
}

TEST_F(MainFrameTest, NoQuestionWhileSavingOrClosingOrForUntitled)
{
    Start();
    ShellTestDoc* doc = OpenTouched("a.c", kSomeTime, kSomeTime + 60);
    Command(ID_FILE_NEW); // untitled: nothing to compare
    doc->m_bSaving = true;
    LeaveAndReturn();
    EXPECT_TRUE(m_app->m_shown.empty());
    doc->m_bSaving = false;
    Frame().m_bClosing = true;
    LeaveAndReturn();
    EXPECT_TRUE(m_app->m_shown.empty());
}

TEST_F(MainFrameTest, ReturningRestoresTheWorkingDirectory)
{
    Start();
    SetCurrentDirectoryA(m_folder->Path().c_str());
    Frame().OnActivateApp(false, 0);
    EXPECT_EQ(Frame().GetSavedDirectory(), m_folder->Path());
    SetCurrentDirectoryA(m_startDirectory.c_str());
    Frame().OnActivateApp(true, 0);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STRCASEEQ(current, m_folder->Path().c_str());
}

TEST_F(MainFrameTest, SaveOnFocusSavesNamedModifiedDocuments)
{
    Start("/NOSPLASH", "[Options]\r\nSave on focus=1\r\n");
    WriteText(Path("a.c"), "old");
    ShellTestDoc* doc = Open(Path("a.c"));
    doc->m_text = "new";
    doc->SetModifiedFlag(true);
    Command(ID_FILE_NEW);
    fw::Document* untitled = m_app->GetDocuments().back();
    untitled->SetModifiedFlag(true);
    Frame().OnActivateApp(false, 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(untitled->IsModified());
    std::ifstream in(Path("a.c"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "new");
    EXPECT_TRUE(m_app->m_shown.empty()) << "no question, no Save As";
}

TEST_F(MainFrameTest, CloseAllSkipsOnlyTheCancelledDocument)
{
    Start();
    WriteText(Path("a.c"), "a");
    WriteText(Path("b.c"), "b");
    Open(Path("a.c"))->SetModifiedFlag(true);
    Open(Path("b.c"));
    m_app->m_answers = {IDCANCEL};
    Command(ID_FILE_CLOSE_ALL);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents()[0]->GetPathName(), Path("a.c"));
}

TEST_F(MainFrameTest, ChildFramesHoldADynamicSplitter)
{
    Start();
    WriteText(Path("a.c"), "a");
    ShellTestDoc* doc = Open(Path("a.c"));
    ASSERT_TRUE(doc);
    auto* child = dynamic_cast<CMarlFrame*>(doc->GetFrames().front());
    ASSERT_TRUE(child);
    EXPECT_EQ(child->GetSplitter().GetMaxRows(), 2);
    EXPECT_EQ(child->GetSplitter().GetRowCount(), 1);
    ASSERT_TRUE(child->GetSplitter().SplitRow(60));
    EXPECT_EQ(doc->GetViews().size(), 2u);
}
