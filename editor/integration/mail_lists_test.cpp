#include "editor/integration/mail_lists.h"

#include <set>

#include <gtest/gtest.h>

namespace {

TEST(MailLists, DisplayNames)
{
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"C:\\SRC\\MAIN.C", "MAIN.C"},
        {"", "Untitled"},
        {"C:\\A;B\\X;Y.TXT", "X_Y.TXT"}, // ";" would split the list
        {"D:\\README", "README"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MailDisplayName(c.path), c.name) << c.path;
}

TEST(MailLists, CopyNamesAreUniqueAmongTakenPaths)
{
    const struct {
        const char* temp;
        const char* document;
        std::set<std::string> taken;
        const char* copy;
    } cases[] = {
        {"C:\\TEMP", "C:\\SRC\\MAIN.C", {}, "C:\\TEMP\\MAIN.C"},
        {"C:\\TEMP\\", "C:\\SRC\\MAIN.C", {}, "C:\\TEMP\\MAIN.C"},
        {"C:\\TEMP", "C:\\LIB\\MAIN.C", {"C:\\TEMP\\MAIN.C"}, "C:\\TEMP\\MAIN-2.C"},
        {"C:\\TEMP",
         "C:\\X\\MAIN.C",
         {"C:\\TEMP\\MAIN.C", "C:\\TEMP\\MAIN-2.C"},
         "C:\\TEMP\\MAIN-3.C"},
        {"C:\\TEMP", "", {"C:\\TEMP\\Untitled"}, "C:\\TEMP\\Untitled-2"},
        // A dot in the directory is no extension.
        {"C:\\T.D", "C:\\X\\MAKEFILE", {"C:\\T.D\\MAKEFILE"}, "C:\\T.D\\MAKEFILE-2"},
        {"C:\\TEMP", "C:\\X\\A.B.C", {"C:\\TEMP\\A.B.C"}, "C:\\TEMP\\A.B-2.C"},
    };
    for (const auto& c : cases) {
        const std::string copy = UniqueMailCopyPath(
            c.temp, c.document, [&](const std::string& p) { return c.taken.count(p) > 0; });
        EXPECT_EQ(copy, c.copy) << c.document;
    }
}

TEST(MailLists, ListsAreJoinedBySemicolonsWithoutTheLast)
{
    MailLists lists;
    EXPECT_EQ(lists.Paths(), "");
    ASSERT_TRUE(lists.Add("C:\\TEMP\\A.C", "A.C"));
    EXPECT_EQ(lists.Paths(), "C:\\TEMP\\A.C");
    ASSERT_TRUE(lists.Add("C:\\TEMP\\A-2.C", "A.C"));
    EXPECT_EQ(lists.Paths(), "C:\\TEMP\\A.C;C:\\TEMP\\A-2.C");
    EXPECT_EQ(lists.Names(), "A.C;A.C");
    EXPECT_EQ(lists.Files().size(), 2u);
    EXPECT_TRUE(lists.Contains("c:\\temp\\a-2.c"));
    EXPECT_FALSE(lists.Contains("C:\\TEMP\\B.C"));
}

TEST(MailLists, EntriesThatNoLongerFitAreLeftOut)
{
    // 4096 bytes with the NUL: 4095 characters of "path;" entries at most.
    const struct {
        std::size_t pathLength;
        std::size_t nameLength;
        bool fits;
    } cases[] = {
        {4094, 1, true},  // 4095 with its ";", then the NUL
        {4095, 1, false}, // no room left for the NUL
        {1, 4095, false}, // the names list decides too
        {1, 4094, true},
    };
    for (const auto& c : cases) {
        MailLists lists;
        EXPECT_EQ(lists.Add(std::string(c.pathLength, 'p'), std::string(c.nameLength, 'n')), c.fits)
            << c.pathLength << " " << c.nameLength;
        EXPECT_EQ(lists.Files().size(), c.fits ? 1u : 0u);
    }
    MailLists lists;
    ASSERT_TRUE(lists.Add(std::string(4000, 'p'), "a"));
    EXPECT_FALSE(lists.Add(std::string(100, 'q'), "b"));
    EXPECT_TRUE(lists.Add(std::string(90, 'r'), "c")); // a shorter one still fits
    EXPECT_EQ(lists.Names(), "a;c");
}

} // namespace
