#include "editor/app/file_list.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A folder of names; '*' and '?' patterns as the platform matches them.
class FakeLister : public FileLister {
public:
    std::vector<FileListEntry> m_files;
    int m_lists = 0;

    std::vector<FileListEntry> List(const std::string&, const std::string& pattern) override
    {
        ++m_lists;
        std::vector<FileListEntry> found;
        for (const FileListEntry& file : m_files)
            if (Matches(pattern, file.name))
                found.push_back(file);
        return found;
    }

private:
    static bool Matches(std::string_view p, std::string_view s)
    {
        if (p == "*.*")
            return true;
        if (p.empty())
            return s.empty();
        if (p[0] == '*')
            return Matches(p.substr(1), s) || (!s.empty() && Matches(p, s.substr(1)));
        return !s.empty() && (p[0] == '?' || p[0] == s[0]) && Matches(p.substr(1), s.substr(1));
    }
};

std::vector<std::string> Names(const std::vector<FileListEntry>& files)
{
    std::vector<std::string> names;
    for (const FileListEntry& file : files)
        names.push_back(file.name);
    return names;
}

const std::vector<ExtensionEntry> kTable{
    {"C/C++ Source", "*.c;*.cpp"}, {"Headers", "*.h"}, {"All Files", "*.*"}};

TEST(FileList, GroupsCollectTheirPatternsSorted)
{
    FakeLister lister;
    lister.m_files = {{"x.h", 0}, {"b.cpp", 0}, {"a.c", kFileReadOnly}, {"B.c", 0}};
    struct Case {
        const char* mask;
        std::vector<std::string> names;
    } cases[] = {
        {"*.c;*.cpp", {"a.c", "B.c", "b.cpp"}},
        {"*.h", {"x.h"}},
        {"*.*", {"a.c", "B.c", "b.cpp", "x.h"}},
        {"*.c;*.?", {"a.c", "a.c", "B.c", "B.c", "x.h"}}, // overlapping patterns keep both
        {";;*.h;", {"x.h"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Names(CollectGroupFiles(lister, "C:\\d", c.mask)), c.names) << c.mask;
}

TEST(FileList, FillMakesClosedGroupsAndToggleOpensAndClosesThem)
{
    FakeLister lister;
    lister.m_files = {{"a.c", 0}, {"b.cpp", 0}, {"x.h", kFileReadOnly}};
    FileListModel model;
    model.Fill(lister, "C:\\work\\", kTable);
    ASSERT_EQ(model.Lines().size(), 3u);
    for (std::uint32_t g = 0; g < 3; ++g) {
        EXPECT_EQ(model.Lines()[g], MakeFileItem(g, kHeaderEntry));
        EXPECT_FALSE(model.Groups()[g].open);
    }
    struct Step {
        std::size_t line;
        int change;
        std::vector<std::uint32_t> lines;
    } steps[] = {
        {1, 1, {0xFFFF0000, 0xFFFF0001, 0x00000001, 0xFFFF0002}},             // Headers: x.h
        {0, 2, {0xFFFF0000, 0x0000, 0x10000, 0xFFFF0001, 0x0001, 0xFFFF0002}}, // a.c, b.cpp
        {1, 0, {0xFFFF0000, 0x0000, 0x10000, 0xFFFF0001, 0x0001, 0xFFFF0002}}, // a file line
        {3, -1, {0xFFFF0000, 0x0000, 0x10000, 0xFFFF0001, 0xFFFF0002}},
        {0, -2, {0xFFFF0000, 0xFFFF0001, 0xFFFF0002}},
        {9, 0, {0xFFFF0000, 0xFFFF0001, 0xFFFF0002}},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(model.Toggle(lister, s.line), s.change) << s.line;
        EXPECT_EQ(model.Lines(), s.lines) << s.line;
    }
    model.Toggle(lister, 1);
    EXPECT_EQ(model.PathOf(0x0001), "C:\\work\\x.h");
    EXPECT_TRUE(model.EntryOf(0x0001)->ReadOnly());
    EXPECT_EQ(model.PathOf(MakeFileItem(1, kHeaderEntry)), "");
    EXPECT_EQ(model.HeaderLine(2), std::optional<std::size_t>(3));
}

TEST(FileList, ReopeningAGroupReadsItsFilesAnew)
{
    FakeLister lister;
    lister.m_files = {{"a.c", 0}, {"b.cpp", 0}};
    FileListModel model;
    model.Fill(lister, "C:\\w", kTable);
    model.Toggle(lister, 0);
    lister.m_files.erase(lister.m_files.begin()); // deleted on disk
    model.Toggle(lister, 0);
    EXPECT_EQ(model.Toggle(lister, 0), 1);
    EXPECT_EQ(Names(model.Groups()[0].entries), std::vector<std::string>{"b.cpp"});
}

TEST(FileList, PathsAndTexts)
{
    struct Case {
        std::string got, want;
    } cases[] = {
        {JoinFilePath("C:\\", "a.c"), "C:\\a.c"},
        {JoinFilePath("C:\\dir", "a.c"), "C:\\dir\\a.c"},
        {JoinFilePath("", "a.c"), "\\a.c"},
        {ShortenPropertiesPath("C:\\SHORT\\A.C"), "C:\\SHORT\\A.C"},
        {ShortenPropertiesPath(std::string(30, 'x')), std::string(30, 'x')},
        {ShortenPropertiesPath("C:\\" + std::string(20, 'D') + "\\ABCDEFGHIJKLMNOPQRSTUVW.TXT"),
         "C:\\...BCDEFGHIJKLMNOPQRSTUVW.TXT"},
        {FormatFileSize(0), "0 bytes"},
        {FormatFileSize(5000000000ull), "5000000000 bytes"},
        {TabTextOfPath("C:\\a\\b.txt"), "b.txt"},
        {TabTextOfPath("plain"), "plain"},
        {TabTextOfPath("C:\\a\\"), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(ShortenPropertiesPath(std::string(31, 'y')).size(), 32u);
    std::tm time{};
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 7;
    time.tm_mday = 3;
    time.tm_mon = 0;
    time.tm_year = 99;
    EXPECT_EQ(FormatModifiedTime(time), "09:05,07  03.01.1999");
}

TEST(FileList, DragStartsFiveOrMorePixelsAway)
{
    struct Case {
        int x, y;
        bool started;
    } cases[] = {{0, 0, false}, {4, 4, false}, {-4, 4, false}, {5, 0, true},
                 {0, -5, true}, {-5, 0, true}, {3, 7, true}};
    for (const Case& c : cases)
        EXPECT_EQ(IsDragStarted(100, 200, 100 + c.x, 200 + c.y), c.started) << c.x << "," << c.y;
}

TEST(FileList, DropBlockLayout)
{
    const std::vector<unsigned char> empty = BuildDropFilesBlock(1, 2, false, {}, false);
    EXPECT_EQ(empty.size(), 17u);
    const std::vector<unsigned char> narrow =
        BuildDropFilesBlock(-3, 258, true, {"C:\\a.c", "b"}, false);
    const std::vector<unsigned char> header{16, 0, 0, 0, 0xFD, 0xFF, 0xFF, 0xFF,
                                            2,  1, 0, 0, 1,    0,    0,    0};
    EXPECT_EQ(std::vector<unsigned char>(narrow.begin(), narrow.begin() + 16), header);
    EXPECT_EQ(std::string(narrow.begin() + 16, narrow.end()), std::string("C:\\a.c\0b\0\0", 10));
    const std::vector<unsigned char> wide = BuildDropFilesBlock(0, 0, false, {"ab", "c"}, true);
    EXPECT_EQ(std::string(wide.begin() + 16, wide.end()),
              std::string("a\0b\0\0\0c\0\0\0\0\0", 12));
}

TEST(FileList, TabNavigation)
{
    struct Case {
        int current, count, which;
        std::optional<int> target;
    } cases[] = {
        {2, 4, 0, 0},  {2, 4, 1, 1},           {2, 4, 2, 3},           {2, 4, 3, 3},
        {0, 4, 1, {}}, {3, 4, 2, {}},          {0, 4, 0, {}},          {3, 4, 3, {}},
        {-1, 4, 0, {}}, {0, 0, 3, {}},          {0, 1, 2, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NavigateTabIndex(c.current, c.count, c.which), c.target)
            << c.current << " " << c.count << " " << c.which;
}

} // namespace
