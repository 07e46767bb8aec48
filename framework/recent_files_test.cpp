// The recent-file list: order, duplicates, size, the File menu entries and
// the profile that carries it from one run to the next.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

std::vector<std::string> Entries(const fw::RecentFileList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i)
        out.push_back(list[i]);
    return out;
}

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndNoLongerThanItsSize)
{
    struct Case {
        const char* name;
        std::vector<std::string> added;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"newest first", {"C:\\a", "C:\\b"}, {"C:\\b", "C:\\a"}},
        {"again moves up", {"C:\\a", "C:\\b", "C:\\a"}, {"C:\\a", "C:\\b"}},
        {"any case is the same file", {"C:\\a", "C:\\b", "c:\\A"}, {"c:\\A", "C:\\b"}},
        {"the oldest drops off",
         {"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"},
         {"C:\\5", "C:\\4", "C:\\3", "C:\\2"}},
        {"empty paths are ignored", {"", "C:\\a", ""}, {"C:\\a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::RecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
        for (const std::string& path : c.added)
            list.Add(path);
        EXPECT_EQ(Entries(list), c.expected);
    }
}

TEST(RecentFileList, MenuTextIsNumberedAndKeepsAmpersands)
{
    fw::RecentFileList list(ID_FILE_MRU_FILE1, "Recent File List", "File%d", 4);
    list.Add("C:\\R&D\\plan.txt");
    list.Add("C:\\b.txt");
    EXPECT_EQ(list.MenuText(0), "&1 C:\\b.txt");
    EXPECT_EQ(list.MenuText(1), "&2 C:\\R&&D\\plan.txt");
    list.Remove(0);
    EXPECT_EQ(Entries(list), std::vector<std::string>{"C:\\R&D\\plan.txt"});
}

class RecentFilesTest : public AppTest {
protected:
    HMENU FileMenu() const { return GetSubMenu(GetMenu(Main().GetHwnd()), 0); }
    void OpenFileMenu() const
    {
        SendMessageA(Main().GetHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(FileMenu()), 0);
    }
    std::string ItemText(UINT id) const
    {
        char text[300] = {};
        GetMenuStringA(FileMenu(), id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }
};

TEST_F(RecentFilesTest, TheListSurvivesARestartInTheProfile)
{
    for (const char* name : {"a.tst", "b.tst", "c.tst"}) {
        WriteText(Path(name), name);
        ASSERT_NE(Open(Path(name)), nullptr);
    }
    m_app->CloseAllDocuments(false);
    m_app->ExitInstance();
    EXPECT_EQ(m_app->GetProfileString("Recent File List", "File1"), Path("c.tst"));

    // The next run.
    DestroyApp();
    MakeApp();
    MakeMainFrame();
    const std::vector<std::string> expected{Path("c.tst"), Path("b.tst"), Path("a.tst")};
    EXPECT_EQ(Entries(*m_app->GetRecentFileList()), expected);

    OpenFileMenu();
    EXPECT_EQ(ItemText(ID_FILE_MRU_FILE1), "&1 " + Path("c.tst"));
    EXPECT_EQ(ItemText(ID_FILE_MRU_FILE3), "&3 " + Path("a.tst"));
    EXPECT_FALSE(GetMenuState(FileMenu(), ID_FILE_MRU_FILE2, MF_BYCOMMAND) & MF_GRAYED);
    OpenFileMenu(); // opened again: the entries are not doubled
    EXPECT_EQ(GetMenuItemCount(FileMenu()), 8);

    Command(ID_FILE_MRU_FILE2);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(static_cast<TestDoc*>(Documents()[0])->m_text, "b.tst");
    EXPECT_EQ((*m_app->GetRecentFileList())[0], Path("b.tst"));
}

TEST_F(RecentFilesTest, AnEntryThatCannotBeOpenedLeavesTheList)
{
    WriteText(Path("gone.tst"), "x");
    ASSERT_NE(Open(Path("gone.tst")), nullptr);
    m_app->CloseAllDocuments(false);
    DeleteFileA(Path("gone.tst").c_str());
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(m_app->GetRecentFileList()->GetCount(), 0);
}

TEST_F(RecentFilesTest, AnEmptyListShowsAGreyedPlaceholder)
{
    OpenFileMenu();
    EXPECT_EQ(ItemText(ID_FILE_MRU_FILE1), "Recent File");
    EXPECT_TRUE(GetMenuState(FileMenu(), ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED);
}

} // namespace
} // namespace fwtest
