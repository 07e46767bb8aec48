// The desktop across runs of the real application: the exit snapshot and
// the profile it leaves, and the windows the next start brings back.
#include <algorithm>
#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/desktop_record.h"
#include "editor/app/persistent_frames.h"
#include "editor/res/resource.h"

namespace shelltest {
namespace {

class DesktopTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
    }

    // Opens each file (written first), the last one ending topmost.
    void OpenFiles(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            WriteText(Path(name), std::string(name) + " text\r\n");
            ASSERT_TRUE(m_app->OpenDocumentFile(Path(name))) << name;
        }
        Pump(*m_app);
    }

    // The editor windows, topmost first.
    std::vector<CPerMDIChildWnd*> Windows() const
    {
        std::vector<CPerMDIChildWnd*> windows;
        for (HWND child = GetWindow(Frame().GetMDIClient(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            if (auto* frame = dynamic_cast<CPerMDIChildWnd*>(fw::Window::FromHandle(child)))
                windows.push_back(frame);
        return windows;
    }

    // The file names the editor windows show, topmost first.
    std::vector<std::string> WindowFiles() const
    {
        std::vector<std::string> names;
        for (CPerMDIChildWnd* window : Windows()) {
            names.push_back(FileName(window->GetActiveDocument()));
        }
        return names;
    }

    std::string ActiveFile() const { return FileName(Frame().GetActiveDocument()); }

    static std::string FileName(const fw::Document* doc)
    {
        const std::string& path = doc ? doc->GetPathName() : std::string();
        return path.substr(path.find_last_of('\\') + 1);
    }

    // The files ZOrder names, bottom-most first.
    std::vector<std::string> StoredFiles() const
    {
        std::vector<std::string> files;
        for (const std::string& key : SplitZOrder(ReadProfile("Settings", "ZOrder"))) {
            const std::string path = ReadProfile("Desktop", ("DocPath" + key).c_str());
            files.push_back(path.substr(path.find_last_of('\\') + 1));
        }
        return files;
    }

    // A stored desktop: ZOrder, then per entry its key, path and record.
    struct Entry {
        const char* key;
        std::string path;
        const char* placement;
        int templateId = IDR_MARLTYPE;
    };
    std::string DesktopProfile(const std::string& zOrder, const std::vector<Entry>& entries) const
    {
        std::string text = "[Settings]\r\nZOrder=" + zOrder + "\r\n[Desktop]\r\n";
        for (const Entry& e : entries)
            text += std::string("TpltID") + e.key + "=" + std::to_string(e.templateId) +
                    "\r\nDocPath" + e.key + "=" + e.path + "\r\nPlacement" + e.key + "=" +
                    e.placement + "\r\n";
        return text;
    }
};

// ---- The exit snapshot and the next start ------------------------------------

TEST_F(DesktopTest, ThreeWindowsComeBackInTheirStackingOrder)
{
    Start();
    OpenFiles({"c.txt", "b.txt", "a.txt"});
    ASSERT_EQ(WindowFiles(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    Exit();
    // Bottom-most first: C, B, A; keys are numbers from 1 without gaps.
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{"c.txt", "b.txt", "a.txt"}));
    for (const char* key : {"1", "2", "3"})
        EXPECT_EQ(ReadProfile("Desktop", (std::string("TpltID") + key).c_str()),
                  std::to_string(IDR_MARLTYPE));
    EXPECT_EQ(ReadProfile("Settings", "MainFrame").size(), kPlacementRecordLength);

    Start();
    EXPECT_EQ(WindowFiles(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(ActiveFile(), "a.txt");
}

TEST_F(DesktopTest, AnUntitledWindowLeavesAnEmptyItem)
{
    Start();
    OpenFiles({"b.txt"});
    Command(ID_FILE_NEW);
    OpenFiles({"a.txt"});
    Exit();
    const std::string zOrder = ReadProfile("Settings", "ZOrder");
    EXPECT_EQ(std::count(zOrder.begin(), zOrder.end(), ','), 2) << zOrder;
    EXPECT_NE(zOrder.find(",,"), std::string::npos) << zOrder;
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{"b.txt", "a.txt"}));

    Start();
    EXPECT_EQ(WindowFiles(), (std::vector<std::string>{"a.txt", "b.txt"}));
}

TEST_F(DesktopTest, OneDocumentInTwoWindowsComesBackAsTwoDocuments)
{
    Start();
    OpenFiles({"a.txt"});
    Command(ID_WINDOW_NEW);
    Exit();
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{"a.txt", "a.txt"}));
    Start();
    EXPECT_EQ(Documents().size(), 2u);
    EXPECT_EQ(WindowFiles(), (std::vector<std::string>{"a.txt", "a.txt"}));
}

struct StateCase {
    const char* name;
    std::vector<int> shows; // after the normal rectangle is set
    const char* flagsText;  // the record's last two fields
    bool iconic, zoomed, restoresMaximized;
};

const StateCase kStates[] = {
    {"normal", {}, "0000 0000", false, false, false},
    {"maximised", {SW_SHOWMAXIMIZED}, "0000 0001", false, true, false},
    {"minimised", {SW_SHOWMINIMIZED}, "0001 0000", true, false, false},
    {"minimised from maximised",
     {SW_SHOWMAXIMIZED, SW_SHOWMINIMIZED},
     "0001 0001",
     true,
     false,
     true},
};

TEST_F(DesktopTest, PlacementAndStateComeBack)
{
    for (const StateCase& c : kStates) {
        SCOPED_TRACE(c.name);
        Start();
        OpenFiles({"a.txt"});
        HWND opened = Windows().at(0)->GetHwnd();
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        placement.showCmd = SW_SHOWNORMAL;
        placement.rcNormalPosition = {10, 20, 300, 200};
        SetWindowPlacement(opened, &placement);
        for (int show : c.shows)
            ShowWindow(opened, show);
        Pump(*m_app);
        Exit();
        EXPECT_EQ(ReadProfile("Desktop", "Placement1"),
                  std::string("0010 0020 0300 0200 ") + c.flagsText);

        Start();
        ASSERT_EQ(Windows().size(), 1u);
        HWND window = Windows()[0]->GetHwnd();
        EXPECT_EQ(IsIconic(window) != FALSE, c.iconic);
        EXPECT_EQ(IsZoomed(window) != FALSE, c.zoomed);
        WINDOWPLACEMENT restored{};
        restored.length = sizeof restored;
        GetWindowPlacement(window, &restored);
        EXPECT_EQ(restored.rcNormalPosition.left, 10);
        EXPECT_EQ(restored.rcNormalPosition.bottom, 200);
        if (c.iconic) {
            EXPECT_EQ((restored.flags & WPF_RESTORETOMAXIMIZED) != 0, c.restoresMaximized);
        }
        Exit();
    }
}

// ---- The restore reads only what it can use ------------------------------------

TEST_F(DesktopTest, RestoreSkipsWhatItCannotOpenAndGoesOn)
{
    WriteText(Path("a.txt"), "a\r\n");
    WriteText(Path("c.txt"), "c\r\n");
    const char* record = "0010 0020 0300 0200 0000 0000";
    Start("/NOSPLASH", DesktopProfile("1,2,,3,4", {{"1", Path("c.txt"), record},
                                                   {"2", Path("gone.txt"), record},
                                                   {"3", Path("a.txt"), record},
                                                   {"4", Path("a.txt"), record, 999}}));
    // The missing file is reported; the others follow it.
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(WindowFiles(), (std::vector<std::string>{"a.txt", "c.txt"}));
    EXPECT_EQ(ActiveFile(), "a.txt");
}

TEST_F(DesktopTest, AnEditorRecordOfAnotherLengthIsIgnored)
{
    WriteText(Path("a.txt"), "a\r\n");
    Start("/NOSPLASH",
          DesktopProfile("1", {{"1", Path("a.txt"), "-1000 0020 0300 0200 0000 0000"}}));
    ASSERT_EQ(Windows().size(), 1u);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Windows()[0]->GetHwnd(), &placement);
    EXPECT_NE(placement.rcNormalPosition.left, -1000);
    EXPECT_NE(placement.rcNormalPosition.right, 300);
}

TEST_F(DesktopTest, SlashDSkipsTheDesktop)
{
    WriteText(Path("a.txt"), "a\r\n");
    Start("/NOSPLASH /d",
          DesktopProfile("1", {{"1", Path("a.txt"), "0010 0020 0300 0200 0000 0000"}}));
    EXPECT_TRUE(Documents().empty());
}

struct MainRecordCase {
    const char* record;
    bool applied;
    POINT normal; // its top-left corner
};

const MainRecordCase kMainRecords[] = {
    {"0030 0040 0500 0400 0000 0000", true, {30, 40}},
    // The main window takes a longer record too, each field at its offset.
    {"-1000 0040 0500 0400 0000 0000", true, {-1000, 40}},
    {"0030 0040 0500 0400 0000", false, {30, 40}}, // one field short
};

TEST_F(DesktopTest, TheMainWindowTakesItsPlacementWhenFirstShown)
{
    for (const MainRecordCase& c : kMainRecords) {
        SCOPED_TRACE(c.record);
        Start("/NOSPLASH", std::string("[Settings]\r\nMainFrame=") + c.record + "\r\n");
        EXPECT_FALSE(Frame().m_bFirstShow);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(Frame().GetHwnd(), &placement);
        const RECT& normal = placement.rcNormalPosition;
        // The platform may fit the size to the screen; the corner is the record's.
        const bool same = normal.left == c.normal.x && normal.top == c.normal.y;
        EXPECT_EQ(same, c.applied) << normal.left << "," << normal.top;
        Exit();
    }
}

// ---- The flag, a cancelled exit, an unwritable profile ----------------------------

TEST_F(DesktopTest, FlagOffWritesAnEmptyZOrderAndKeepsTheRest)
{
    const char* mainRecord = "0010 0020 0600 0400 0000 0000";
    Start("/NOSPLASH", "[Settings]\r\nSaveDesktop=0\r\nMainFrame=" + std::string(mainRecord) +
                           "\r\n[Desktop]\r\nDocPath1=old.txt\r\n");
    OpenFiles({"a.txt"});
    Exit();
    EXPECT_EQ(ReadProfile("Settings", "ZOrder"), "");
    EXPECT_EQ(ReadProfile("Settings", "SaveDesktop"), "0");
    EXPECT_EQ(ReadProfile("Desktop", "DocPath1"), "old.txt");
    EXPECT_EQ(ReadProfile("Settings", "MainFrame"), mainRecord);
}

TEST_F(DesktopTest, ACancelledExitStartsTheKeysAfreshNextTime)
{
    Start();
    OpenFiles({"b.txt", "a.txt"});
    Frame().GetActiveDocument()->SetModifiedFlag(true); // a.txt asks
    m_app->m_answers.push_back(IDCANCEL);
    SendMessageA(Frame().GetHwnd(), WM_CLOSE, 0, 0);
    Pump(*m_app);
    ASSERT_TRUE(IsWindow(Frame().GetHwnd()));
    ASSERT_EQ(Windows().size(), 2u);

    // Closed after the cancel: b.txt writes its entry at once.
    SendMessageA(Windows()[1]->GetHwnd(), WM_CLOSE, 0, 0);
    Pump(*m_app);
    EXPECT_NE(ReadProfile("Desktop", "DocPath1").find("b.txt"), std::string::npos);

    Exit(); // answers "no" to a.txt's question
    EXPECT_EQ(ReadProfile("Settings", "ZOrder"), "1");
    EXPECT_NE(ReadProfile("Desktop", "DocPath1").find("a.txt"), std::string::npos);
    EXPECT_EQ(ReadProfile("Desktop", "DocPath2"), "<none>");
}

TEST_F(DesktopTest, AProfileLockedAtExitKeepsTheStoredDesktop)
{
    WriteText(Path("a.txt"), "a\r\n");
    Start("/NOSPLASH /d",
          DesktopProfile("7", {{"7", Path("a.txt"), "0010 0020 0300 0200 0000 0000"}}));
    OpenFiles({"b.txt"});
    // Another program holds the profile while the windows close, and lets
    // it go before the settings are written.
    HANDLE lock = CreateFileA(ProfilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SendMessageA(Frame().GetHwnd(), WM_CLOSE, 0, 0);
    CloseHandle(lock);
    Exit();
    EXPECT_EQ(ReadProfile("Settings", "ZOrder"), "7");
    EXPECT_EQ(StoredFiles(), (std::vector<std::string>{"a.txt"}));
}

} // namespace
} // namespace shelltest
