#include "editor/automation/workset_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

TEST(WorksetFile, ReadsOneUpperCaseEntryPerLine)
{
    const std::string longPath = "c:\\" + std::string(300, 'a') + ".c";
    const struct {
        const char* name;
        std::string bytes;
        Entries entries;
    } cases[] = {
        {"CR LF lines",
         "c:\\src\\main.c\r\nc:\\src\\util.h\r\n",
         {"C:\\SRC\\MAIN.C", "C:\\SRC\\UTIL.H"}},
        {"LF-only lines", "a.c\nb.c\n", {"A.C", "B.C"}},
        {"last line without end", "a.c\r\nb.c", {"A.C", "B.C"}},
        {"empty lines are no entries", "\r\n\na.c\r\n\r\n", {"A.C"}},
        {"code page 1252 letters", "c:\\m\xe4rz.c\n", {"C:\\M\xc4RZ.C"}},
        {"a line longer than the read buffer stays one entry",
         longPath + "\r\nb.c\r\n",
         {"C:\\" + std::string(300, 'A') + ".C", "B.C"}},
        {"a NUL ends its line's entry", std::string("a.c\0junk\r\nb.c\r\n", 15), {"A.C", "B.C"}},
        {"Ctrl+Z ends the file",
         "a.c\r\n\x1a"
         "b.c\r\n",
         {"A.C"}},
        {"a lone CR stays in the path", "a\rb.c\n", {"A\rB.C"}},
        {"CRs before the line end are dropped", "a.c\r\r\nb.c\r\n", {"A.C", "B.C"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWorksetText(c.bytes), c.entries) << c.name;
}

TEST(WorksetFile, WritesEachEntryAsACrLfLineInOrder)
{
    EXPECT_EQ(FormatWorksetText({"B.C", "A.C"}), "B.C\r\nA.C\r\n");
    EXPECT_EQ(FormatWorksetText({}), "");
    const Entries entries{"C:\\X\\" + std::string(400, 'Y'), "Z.H"};
    EXPECT_EQ(ParseWorksetText(FormatWorksetText(entries)), entries);
}

TEST(WorksetFile, SaveNameIsUpperCaseWithSetExtension)
{
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {
        {"proj", "PROJ.SET"},
        {"c:\\work\\proj.set", "C:\\WORK\\PROJ.SET"},
        {"proj.settings", "PROJ.SETTINGS"}, // ".SET" anywhere: nothing appended
        {"proj.txt", "PROJ.TXT.SET"},
        {"c:\\a.set\\b", "C:\\A.SET\\B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorksetSaveName(c.typed), c.saved) << c.typed;
}

TEST(WorksetFile, EntryOfAChosenFile)
{
    EXPECT_EQ(WorksetEntryPath("c:\\src", "main.c"), "C:\\SRC\\MAIN.C");
    EXPECT_EQ(WorksetEntryPath("c:\\", "main.c"), "C:\\MAIN.C");
}

TEST(WorksetFile, AddingTheSameEntryTwiceKeepsOne)
{
    Entries entries;
    EXPECT_EQ(AddWorksetEntry(entries, "A.C"), 0u);
    EXPECT_EQ(AddWorksetEntry(entries, "B.C"), 1u);
    EXPECT_EQ(AddWorksetEntry(entries, "A.C"), 0u);
    EXPECT_EQ(entries, (Entries{"A.C", "B.C"}));
}

TEST(WorksetFile, PatternsSplitAtSemicolons)
{
    EXPECT_EQ(SplitWorksetPatterns("*.c;*.cpp"), (Entries{"*.c", "*.cpp"}));
    EXPECT_EQ(SplitWorksetPatterns(" *.h ; ;*.hpp;"), (Entries{"*.h", "*.hpp"}));
    EXPECT_EQ(SplitWorksetPatterns(""), Entries{});
}

TEST(WorksetFile, PickListHeightIsCappedAtEightItems)
{
    const struct {
        std::size_t lines;
        int itemHeight, height;
    } cases[] = {
        {5, 16, 80}, {30, 16, 128}, {12, 16, 192}, {13, 16, 128}, {0, 16, 0}, {25, 8, 200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorksetListHeight(c.lines, c.itemHeight), c.height) << c.lines << " lines";
}

} // namespace
