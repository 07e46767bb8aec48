// The tools in the profile: the value form, the key of each record, and
// values that are malformed or longer than the records hold.
#include <gtest/gtest.h>

#include "editor/automation/testing/memory_tools_section.h"
#include "editor/automation/testing/tool_entries.h"
#include "editor/automation/tool_profile.h"

namespace {

TEST(ToolProfile, ValuesReadAsTheirFields)
{
    const std::string longText(400, 'a');
    struct Case {
        const char* what;
        std::string value;
        ToolEntry expected;
    } cases[] = {
        {"all five", "&Make;c:\\bin\\make.exe;-f $FileName$;$FileDir$;1",
         Tool("&Make", "c:\\bin\\make.exe", "-f $FileName$", "$FileDir$", 1)},
        {"ask flag 0", "Lint;lint.exe;;;0", Tool("Lint", "lint.exe")},
        {"fewer than four semicolons", "Lint;lint.exe", Tool("Lint", "lint.exe")},
        {"menu text only", "Lint", Tool("Lint", "")},
        {"flag missing", "a;b;c;d;", Tool("a", "b", "c", "d", 0)},
        {"flag with trailing text", "a;b;c;d;1;x", Tool("a", "b", "c", "d", 1)},
        {"flag not a number", "a;b;c;d;yes", Tool("a", "b", "c", "d", 0)},
        {"flag another number", "a;b;c;d;007", Tool("a", "b", "c", "d", 1)},
        {"empty value", "", ToolEntry{}},
        {"one character over the field", std::string(40, 'm') + ";c",
         Tool(std::string(39, 'm').c_str(), "c")},
        {"a NUL ends its text", std::string("ab\0cd;x\0y;;;1", 13), Tool("ab", "x", "", "", 1)},
        {"empty menu text is free", ";cmd;args;dir;1", ToolEntry{}},
        {"long texts cut to their fields", longText + ";" + longText + ";x;" + longText + ";1",
         Tool(longText.substr(0, 39).c_str(), longText.substr(0, 259).c_str(), "x",
              longText.substr(0, 259).c_str(), 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseToolValue(c.value), c.expected) << c.what;
}

TEST(ToolProfile, SaveWritesUsedRecordsAndRemovesFreeOnes)
{
    MemoryToolsSection section;
    section.Write("Tools3", "stale;x;;;0");
    ToolTable table;
    table[0] = Tool("&Make", "make.exe", "$FileName$", "c:\\src", 1);
    table[1] = Tool("Lint", "lint.exe");
    SaveTools(table, section);
    EXPECT_EQ(section.m_values, (std::map<std::string, std::string>{
                                    {"tools1", "&Make;make.exe;$FileName$;c:\\src;1"},
                                    {"tools2", "Lint;lint.exe;;;0"},
                                }));

    ToolTable back;
    back[5] = Tool("old", "old.exe");
    LoadTools(back, section);
    EXPECT_EQ(back, table);
}

TEST(ToolProfile, LoadGathersToolsAfterAGapInTheKeys)
{
    MemoryToolsSection section;
    section.Write("Tools2", "two;2.exe;;;0");
    section.Write("Tools5", "five;5.exe;;;0");
    section.Write("Tools7", ";lost.exe;;;0");
    section.Write("Tools10", "ten;10.exe;;;1");
    ToolTable table;
    LoadTools(table, section);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table[0], Tool("two", "2.exe"));
    EXPECT_EQ(table[1], Tool("five", "5.exe"));
    EXPECT_EQ(table[2], Tool("ten", "10.exe", "", "", 1));
    for (int i = 3; i < kToolCount; ++i)
        EXPECT_EQ(table[i], ToolEntry{}) << i;
}

TEST(ToolTable, RemoveAndSwapKeepToolsTogether)
{
    ToolTable table;
    const char* names[] = {"one", "two", "three", "four", "five"};
    for (int i = 0; i < 5; ++i)
        table[i] = Tool(names[i], "x.exe");
    table.Remove(2);
    EXPECT_EQ(table.Count(), 4);
    EXPECT_EQ(ToolField(table[2].menuText), "four");
    EXPECT_EQ(ToolField(table[3].menuText), "five");
    EXPECT_EQ(table[4], ToolEntry{});
    EXPECT_EQ(table.FirstFree(), 4);
    table.Swap(0, 1);
    EXPECT_EQ(ToolField(table[0].menuText), "two");
    EXPECT_EQ(ToolField(table[1].menuText), "one");
    table.Remove(-1);
    table.Remove(kToolCount);
    EXPECT_EQ(table.Count(), 4);
    for (int i = 4; i < kToolCount; ++i)
        table[i] = Tool("more", "x.exe");
    EXPECT_EQ(table.FirstFree(), -1);
}

} // namespace
