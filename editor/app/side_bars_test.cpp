// The file-open window and the document tab bar in the running editor, over
// real files in a test folder: real mouse and command messages to the bars,
// the documents, the windows and the files on disk checked.
#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/file_open_window.h"
#include "editor/app/tab_bar.h"
#include "editor/res/resource.h"
#include "framework/mdi_child.h"
#include "framework/view.h"

using namespace shelltest;
using fw::test::ItemText;
using fw::test::OnNextDialog;

namespace {

class SideBarsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        // The profile lies in the test folder: the listed files get their own.
        m_dir = Path("list");
        CreateDirectoryA(m_dir.c_str(), nullptr);
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        for (const std::string& name : m_readOnly)
            SetFileAttributesA((m_dir + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    void StartIn(std::initializer_list<const char*> files)
    {
        for (const char* name : files)
            WriteText(File(name), name);
        SetCurrentDirectoryA(m_dir.c_str());
        m_editorDocuments = true;
        m_hooks.fileOpenWindow = &m_window;
        m_hooks.tabBar = &m_tabs;
        m_window.SetShellOpen([this](HWND, const std::string& name) {
            char current[MAX_PATH] = {};
            GetCurrentDirectoryA(sizeof current, current);
            m_shellOpened.push_back(std::string(current) + "|" + name);
        });
        Start();
    }
    std::string File(const std::string& name) const { return m_dir + "\\" + name; }
    HWND List() const { return m_window.GetList(); }

    // Each line as shown: a group's description or "  " and a file's name.
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        const int count = static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            const auto item = static_cast<std::uint32_t>(SendMessageA(List(), LB_GETITEMDATA, i, 0));
            if (IsHeaderItem(item))
                lines.push_back(m_window.Model().Groups()[ItemGroup(item)].description);
            else
                lines.push_back("  " + m_window.Model().EntryOf(item)->name);
        }
        return lines;
    }
    int LineOf(const std::string& text) const
    {
        const std::vector<std::string> lines = Lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == text)
                return static_cast<int>(i);
        ADD_FAILURE() << "no line " << text;
        return -1;
    }
    POINT LinePoint(int line, int dx = 0) const
    {
        RECT r{};
        SendMessageA(List(), LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
        return POINT{(r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2};
    }
    void Mouse(HWND window, UINT msg, POINT at, WPARAM keys = 0)
    {
        SendMessageA(window, msg, keys, MAKELPARAM(at.x, at.y));
    }
    void DoubleClick(int line)
    {
        const POINT at = LinePoint(line);
        Mouse(List(), WM_LBUTTONDOWN, at, MK_LBUTTON);
        Mouse(List(), WM_LBUTTONUP, at);
        Mouse(List(), WM_LBUTTONDBLCLK, at, MK_LBUTTON);
        Mouse(List(), WM_LBUTTONUP, at);
        Pump(*m_app);
    }
    void Select(std::initializer_list<const char*> names)
    {
        SendMessageA(List(), LB_SETSEL, FALSE, -1);
        for (const char* name : names) {
            const int line = LineOf(std::string("  ") + name);
            SendMessageA(List(), LB_SETSEL, TRUE, line);
            SendMessageA(List(), LB_SETCARETINDEX, static_cast<WPARAM>(line), 0);
        }
    }
    void BarCommand(UINT id)
    {
        SendMessageA(m_window.GetHwnd(), WM_COMMAND, id, 0);
        Pump(*m_app);
    }
    std::vector<std::string> Tabs() const
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < m_tabs.TabCount(); ++i)
            tabs.push_back(m_tabs.TabText(i));
        return tabs;
    }
    fw::Document* ActiveDocument() const { return Frame().GetActiveDocument(); }
    HWND WindowOf(fw::Document* document) const
    {
        return document->GetViews().front()->GetParentFrame()->GetHwnd();
    }

    std::string m_dir;
    std::vector<std::string> m_readOnly;
    std::vector<std::string> m_shellOpened;
    CFileOpenWindow m_window;
    CTabBar m_tabs;
};

TEST_F(SideBarsTest, GroupsOfTheFolderOpenAndCloseOnDoubleClick)
{
    StartIn({"x.h", "b.cpp", "a.c", "notes.txt"});
    const std::vector<std::string> groups{"C/C++ Source", "Headers",   "Resource Scripts",
                                          "Module Definitions", "Make Files", "Ini Files",
                                          "Text files", "All Files"};
    EXPECT_EQ(Lines(), groups);
    EXPECT_GE(SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(SendMessageA(List(), LB_GETITEMHEIGHT, 0, 0), m_window.LineHeight());
    struct Step {
        const char* header;
        std::vector<std::string> lines;
    } steps[] = {
        {"All Files",
         {"C/C++ Source", "Headers", "Resource Scripts", "Module Definitions", "Make Files",
          "Ini Files", "Text files", "All Files", "  a.c", "  b.cpp", "  notes.txt", "  x.h"}},
        {"C/C++ Source",
         {"C/C++ Source", "  a.c", "  b.cpp", "Headers", "Resource Scripts", "Module Definitions",
          "Make Files", "Ini Files", "Text files", "All Files", "  a.c", "  b.cpp", "  notes.txt",
          "  x.h"}},
        {"Headers",
         {"C/C++ Source", "  a.c", "  b.cpp", "Headers", "  x.h", "Resource Scripts",
          "Module Definitions", "Make Files", "Ini Files", "Text files", "All Files", "  a.c",
          "  b.cpp", "  notes.txt", "  x.h"}},
        {"All Files",
         {"C/C++ Source", "  a.c", "  b.cpp", "Headers", "  x.h", "Resource Scripts",
          "Module Definitions", "Make Files", "Ini Files", "Text files", "All Files"}},
        {"C/C++ Source",
         {"C/C++ Source", "Headers", "  x.h", "Resource Scripts", "Module Definitions",
          "Make Files", "Ini Files", "Text files", "All Files"}},
    };
    for (const Step& s : steps) {
        DoubleClick(LineOf(s.header));
        EXPECT_EQ(Lines(), s.lines) << s.header;
    }
}

TEST_F(SideBarsTest, DoubleClickAFileAsksTheShellInTheListDirectory)
{
    StartIn({"a.c"});
    DoubleClick(LineOf("C/C++ Source"));
    SetCurrentDirectoryA(Path("").c_str());
    DoubleClick(LineOf("  a.c"));
    EXPECT_EQ(m_shellOpened, std::vector<std::string>{m_dir + "|a.c"});
}

TEST_F(SideBarsTest, OpenBringsTheSelectedFilesIntoTheEditorWithTheirTabs)
{
    StartIn({"b.cpp", "a.c", "x.h"});
    DoubleClick(LineOf("C/C++ Source"));
    Select({"a.c", "b.cpp"});
    BarCommand(ID_FILE_OPEN);
    ASSERT_EQ(Documents().size(), 2u);
    for (fw::Document* document : Documents())
        EXPECT_TRUE(document->GetPathName() == File("a.c") || document->GetPathName() == File("b.cpp"))
            << document->GetPathName();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"a.c", "b.cpp"}));
}

TEST_F(SideBarsTest, DeleteAsksOnceThenDeletesAndReportsWhatItCannot)
{
    StartIn({"a.c", "b.cpp", "c.c", "keep.c"});
    SetFileAttributesA(File("c.c").c_str(), FILE_ATTRIBUTE_READONLY);
    m_readOnly.push_back("c.c");
    DoubleClick(LineOf("C/C++ Source"));
    DoubleClick(LineOf("All Files"));
    Select({"a.c", "b.cpp", "c.c"});

    m_app->m_answers.push_back(IDNO);
    BarCommand(ID_FILE_LIST_DELETE);
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(m_app->m_shown[0].text, "Delete 3 files?");
    EXPECT_TRUE(fw::test::FileExists(File("a.c")));

    m_app->m_shown.clear();
    m_app->m_answers.push_back(IDYES);
    BarCommand(ID_FILE_LIST_DELETE);
    EXPECT_FALSE(fw::test::FileExists(File("a.c")));
    EXPECT_FALSE(fw::test::FileExists(File("b.cpp")));
    EXPECT_TRUE(fw::test::FileExists(File("c.c")));
    ASSERT_EQ(m_app->m_shown.size(), 2u);
    EXPECT_EQ(m_app->m_shown[1].text, "Cannot delete:\n" + File("c.c"));
    // Both open groups are read anew.
    EXPECT_EQ(Lines(), (std::vector<std::string>{"C/C++ Source", "  c.c", "  keep.c", "Headers",
                                                 "Resource Scripts", "Module Definitions",
                                                 "Make Files", "Ini Files", "Text files",
                                                 "All Files", "  c.c", "  keep.c"}));
}

TEST_F(SideBarsTest, DeleteReportsALockedFile)
{
    StartIn({"a.c"});
    DoubleClick(LineOf("C/C++ Source"));
    Select({"a.c"});
    HANDLE locked = CreateFileA(File("a.c").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                                nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    m_app->m_answers.push_back(IDYES);
    BarCommand(ID_FILE_LIST_DELETE);
    CloseHandle(locked);
    ASSERT_EQ(m_app->m_shown.size(), 2u);
    EXPECT_EQ(m_app->m_shown[0].text, "Delete " + File("a.c") + "?");
    EXPECT_EQ(m_app->m_shown[1].text, "Cannot delete:\n" + File("a.c"));
    EXPECT_TRUE(fw::test::FileExists(File("a.c")));
}

TEST_F(SideBarsTest, PropertiesShowNameTimeAndSize)
{
    StartIn({"a.c"});
    WriteText(File("a.c"), "12345");
    DoubleClick(LineOf("C/C++ Source"));
    Select({"a.c"});
    std::string name, size, time;
    OnNextDialog("File Properties", [&](HWND dialog) {
        name = ItemText(dialog, IDC_FILE_PROP_NAME);
        time = ItemText(dialog, IDC_FILE_PROP_TIME);
        size = ItemText(dialog, IDC_FILE_PROP_SIZE);
        fw::test::ClickButton(dialog, IDOK);
    });
    BarCommand(ID_FILE_LIST_PROPERTIES);
    ASSERT_TRUE(fw::test::DialogCame());
    std::string upper = File("a.c");
    CharUpperA(upper.data());
    EXPECT_EQ(name, ShortenPropertiesPath(upper));
    EXPECT_EQ(size, "5 bytes");
    EXPECT_EQ(time.size(), std::string("hh:mm,ss  dd.mm.yyyy").size()) << time;
}

TEST_F(SideBarsTest, DraggingAFileOntoTheMainWindowOpensItPastTheThreshold)
{
    StartIn({"a.c"});
    DoubleClick(LineOf("C/C++ Source"));
    RECT list{};
    GetClientRect(List(), &list);
    const int line = LineOf("  a.c");
    POINT down = LinePoint(line);
    down.x = list.right - 2; // beside the documents' area
    struct Case {
        int dx;
        bool opens;
    } cases[] = {{4, false}, {5, true}};
    for (const Case& c : cases) {
        SendMessageA(List(), LB_SETSEL, FALSE, -1);
        Mouse(List(), WM_LBUTTONDOWN, down, MK_LBUTTON);
        Mouse(List(), WM_MOUSEMOVE, POINT{down.x + c.dx, down.y}, MK_LBUTTON);
        Mouse(List(), WM_LBUTTONUP, POINT{down.x + c.dx, down.y});
        Pump(*m_app);
        EXPECT_EQ(Documents().size(), c.opens ? 1u : 0u) << c.dx;
    }
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents().front()->GetPathName(), File("a.c"));
}

TEST_F(SideBarsTest, DraggingOntoAWindowThatTakesNoFilesDropsNothing)
{
    StartIn({"a.c"});
    DoubleClick(LineOf("C/C++ Source"));
    const POINT down = LinePoint(LineOf("  a.c"));
    // The tab list: neither it nor its bar takes dropped files.
    RECT tabs{};
    GetWindowRect(m_tabs.GetTabList(), &tabs);
    POINT over{(tabs.left + tabs.right) / 2, (tabs.top + tabs.bottom) / 2};
    ScreenToClient(List(), &over);
    Mouse(List(), WM_LBUTTONDOWN, down, MK_LBUTTON);
    Mouse(List(), WM_MOUSEMOVE, over, MK_LBUTTON);
    EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
    Mouse(List(), WM_LBUTTONUP, over);
    Pump(*m_app);
    EXPECT_TRUE(Documents().empty());
}

TEST_F(SideBarsTest, TabsFollowTheDocumentsAndNavigate)
{
    StartIn({"c.txt", "a.txt", "b.txt"});
    fw::Document* c = Open(File("c.txt"));
    fw::Document* a = Open(File("a.txt"));
    fw::Document* b = Open(File("b.txt"));
    Pump(*m_app);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(m_tabs.TabDocument(m_tabs.CurrentTab()), b);
    struct Step {
        UINT command;
        fw::Document* active;
    } steps[] = {
        {ID_TAB_FIRST, a}, {ID_TAB_PREVIOUS, a}, {ID_TAB_NEXT, b}, {ID_TAB_LAST, c},
        {ID_TAB_NEXT, c},  {ID_TAB_PREVIOUS, b},
    };
    for (const Step& s : steps) {
        Command(s.command);
        EXPECT_EQ(ActiveDocument(), s.active) << s.command;
        EXPECT_EQ(m_tabs.TabDocument(m_tabs.CurrentTab()), s.active) << s.command;
    }
    // Closing a document takes its tab away.
    SendMessageA(WindowOf(b), WM_CLOSE, 0, 0);
    Pump(*m_app);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"a.txt", "c.txt"}));
}

TEST_F(SideBarsTest, ClickingATabActivatesAndRestoresItsWindow)
{
    StartIn({"a.txt", "b.txt"});
    fw::Document* a = Open(File("a.txt"));
    Open(File("b.txt"));
    ShowWindow(WindowOf(a), SW_MINIMIZE);
    Pump(*m_app);
    ASSERT_TRUE(IsIconic(WindowOf(a)));
    RECT r{};
    SendMessageA(m_tabs.GetTabList(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    Mouse(m_tabs.GetTabList(), WM_LBUTTONDOWN, at, MK_LBUTTON);
    Mouse(m_tabs.GetTabList(), WM_LBUTTONUP, at);
    Pump(*m_app);
    EXPECT_EQ(ActiveDocument(), a);
    EXPECT_FALSE(IsIconic(WindowOf(a)));
}

TEST_F(SideBarsTest, SameNamesTwoTabsAndUntitledRenamedOnSaveAs)
{
    StartIn({"a.txt"});
    CreateDirectoryA(File("sub").c_str(), nullptr);
    WriteText(File("sub\\a.txt"), "other");
    fw::Document* first = Open(File("a.txt"));
    fw::Document* second = Open(File("sub\\a.txt"));
    Command(ID_FILE_NEW);
    fw::Document* untitled = ActiveDocument();
    ASSERT_NE(untitled, nullptr);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"a.txt", "a.txt", "Untitled"}));
    for (int i = 0; i <= 1; ++i) {
        fw::Document* document = m_tabs.TabDocument(i);
        m_tabs.Activate(3); // away first
        Pump(*m_app);
        RECT r{};
        SendMessageA(m_tabs.GetTabList(), LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        Mouse(m_tabs.GetTabList(), WM_LBUTTONDOWN, at, MK_LBUTTON);
        Mouse(m_tabs.GetTabList(), WM_LBUTTONUP, at);
        Pump(*m_app);
        EXPECT_EQ(ActiveDocument(), document) << i;
        EXPECT_TRUE(document == first || document == second);
    }
    ASSERT_TRUE(untitled->DoSave(File("named.txt")));
    Pump(*m_app);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"a.txt", "a.txt", "named.txt"}));
}

} // namespace

namespace {

TEST_F(SideBarsTest, ChangeDirectoryFromTheListFillsItFromTheNewDirectory)
{
    StartIn({"a.c"});
    CreateDirectoryA(File("sub").c_str(), nullptr);
    WriteText(File("sub\\s.h"), "");
    OnNextDialog("Change Working Directory", [](HWND dialog) {
        HWND dirs = GetDlgItem(dialog, lst2);
        const int count = static_cast<int>(SendMessageA(dirs, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[MAX_PATH] = {};
            SendMessageA(dirs, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            CharLowerA(text);
            if (std::string(text).find("sub") != std::string::npos)
                SendMessageA(dirs, LB_SETCURSEL, i, 0);
        }
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(dirs));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    BarCommand(ID_FILE_DIRECTORY);
    ASSERT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(lstrcmpiA(m_window.Model().Directory().c_str(), File("sub").c_str()), 0)
        << m_window.Model().Directory();
    DoubleClick(LineOf("Headers"));
    DoubleClick(LineOf("C/C++ Source"));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"C/C++ Source", "Headers", "  s.h",
                                                 "Resource Scripts", "Module Definitions",
                                                 "Make Files", "Ini Files", "Text files",
                                                 "All Files"}));
}

} // namespace

namespace {

TEST_F(SideBarsTest, DraggingSeveralSelectedFilesDropsThemAll)
{
    StartIn({"a.c", "b.c", "c.c"});
    DoubleClick(LineOf("C/C++ Source"));
    Select({"a.c", "b.c", "c.c"});
    RECT list{};
    GetClientRect(List(), &list);
    POINT down = LinePoint(LineOf("  b.c"));
    down.x = list.right - 2;
    Mouse(List(), WM_LBUTTONDOWN, down, MK_LBUTTON);
    EXPECT_EQ(SendMessageA(List(), LB_GETSELCOUNT, 0, 0), 3);
    Mouse(List(), WM_MOUSEMOVE, POINT{down.x + 10, down.y}, MK_LBUTTON);
    Mouse(List(), WM_LBUTTONUP, POINT{down.x + 10, down.y});
    Pump(*m_app);
    EXPECT_EQ(Documents().size(), 3u);
    // A click without a drag still selects the one line.
    Mouse(List(), WM_LBUTTONDOWN, down, MK_LBUTTON);
    Mouse(List(), WM_LBUTTONUP, down);
    EXPECT_EQ(SendMessageA(List(), LB_GETSELCOUNT, 0, 0), 1);
}

TEST(FileListMenu, ItemsFollowTheSelection)
{
    struct Case {
        int selected;
        bool propertiesEnabled;
        bool hasDelete;
    } cases[] = {{0, false, false}, {1, true, true}, {2, false, true}};
    for (const Case& c : cases) {
        const fw::OwnedMenu menu = MakeFileListMenu(c.selected);
        EXPECT_EQ(GetMenuItemCount(menu.get()), c.hasDelete ? 4 : 3) << c.selected;
        EXPECT_EQ(GetMenuItemID(menu.get(), 0), static_cast<UINT>(ID_FILE_OPEN));
        EXPECT_EQ(GetMenuItemID(menu.get(), 1), static_cast<UINT>(ID_FILE_DIRECTORY));
        EXPECT_EQ((GetMenuState(menu.get(), ID_FILE_LIST_PROPERTIES, MF_BYCOMMAND) & MF_GRAYED) == 0,
                  c.propertiesEnabled)
            << c.selected;
        EXPECT_EQ(GetMenuState(menu.get(), ID_FILE_LIST_DELETE, MF_BYCOMMAND) != UINT(-1),
                  c.hasDelete)
            << c.selected;
    }
}

} // namespace

namespace {

TEST_F(SideBarsTest, FileOpenWithTheListFocusedOpensItsSelection)
{
    StartIn({"a.c", "b.c"});
    DoubleClick(LineOf("C/C++ Source"));
    Select({"b.c"});
    SetFocus(List());
    Command(ID_FILE_OPEN);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents().front()->GetPathName(), File("b.c"));
}

} // namespace

namespace {

// The bars never take the keyboard from the documents.
TEST_F(SideBarsTest, AnOpenedDocumentKeepsTheFocus)
{
    StartIn({"a.c"});
    fw::Document* a = Open(File("a.c"));
    Pump(*m_app);
    EXPECT_EQ(GetFocus(), a->GetViews().front()->GetHwnd());
}

} // namespace
