// The placeholder engine and the tool and print placeholders: what each
// name gives, when it exists, and how an expansion fails.
#include <gtest/gtest.h>

#include "editor/automation/placeholders.h"
#include "editor/automation/print_placeholders.h"
#include "editor/automation/tool_text.h"

namespace {

ToolFacts EditC()
{
    ToolFacts facts;
    facts.view = ActiveViewFacts{"c:\\src\\edit.c", 12, 5};
    facts.worksetPath = "c:\\proj\\app.set";
    facts.currentDir = "c:\\work";
    return facts;
}

TEST(Placeholders, ToolTextExpandsAsTheUserExpects)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"$FileName$ -l$Line$", "edit.c -l12"},
        {"$FileDir$", "c:\\src\\"},
        {"$File$", "c:\\src\\edit.c"},
        {"$Col$", "5"},
        {"$file$ $Unknown$.", " ."}, // names keep their case; unknown ones drop
        {"100$$", "100"},
        {"$Set$ $Target$ $SetDir$", "app.set app c:\\proj\\"},
        {"$Dir$make", "c:\\work\\make"},
        {"no placeholders", "no placeholders"},
        {"", ""},
        {"$Line$$Col$", "125"},
        {"a$$b$$c", "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandToolText(c.text, EditC()), c.expected) << c.text;
}

TEST(Placeholders, ToolNamesExistOnlyWithTheirFacts)
{
    struct Case {
        const char* what;
        ToolFacts facts;
        const char* text;
        const char* expected;
    } cases[] = {
        {"no window", {std::nullopt, "", "c:\\w"}, "[$File$|$FileName$|$Line$|$Col$]", "[|||]"},
        {"untitled", {ActiveViewFacts{"", 3, 4}, "", ""}, "[$File$|$FileDir$|$Line$]", "[||3]"},
        {"path without backslash",
         {ActiveViewFacts{"edit.c", 1, 1}, "", ""},
         "[$File$|$FileName$|$FileDir$]",
         "[edit.c||]"},
        {"set without backslash",
         {std::nullopt, "app.set", ""},
         "[$Set$|$SetDir$|$Target$]",
         "[||]"},
        {"set without dot",
         {std::nullopt, "c:\\p\\makefile", ""},
         "[$Set$|$Target$]",
         "[makefile|]"},
        {"target up to the first dot", {std::nullopt, "c:\\p\\a.b.set", ""}, "$Target$", "a"},
        {"dir ending in a backslash", {std::nullopt, "", "c:\\"}, "$Dir$", "c:\\"},
        {"no current dir", {std::nullopt, "", ""}, "[$Dir$]", "[]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandToolText(c.text, c.facts), c.expected) << c.what;
}

TEST(Placeholders, FailureLeavesTheTextAsItWas)
{
    const std::string big(5000, 'x');
    ToolFacts facts = EditC();
    facts.view->path = "c:\\" + std::string(3000, 'p');
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"unpaired dollar", "$FileName$ costs $5"},
        {"lone dollar", "$"},
        {"result over the capacity", "$File$ $File$"},
        {"plain text over the capacity", big},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandToolText(c.text, facts), c.text) << c.what;
}

TEST(Placeholders, CapacityCountsTheTerminatingZero)
{
    PlaceholderTable table;
    table.Set("V", "1234");
    struct Case {
        const char* text;
        std::size_t capacity;
        bool ok;
    } cases[] = {
        {"a$V$", 6, true},   // five characters and the zero
        {"a$V$", 5, false},  // the value would not fit
        {"abcdef", 6, false} // nor would plain text
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ExpandPlaceholders(text, table, c.capacity), c.ok) << c.text << " " << c.capacity;
        EXPECT_EQ(text, c.ok ? std::string("a1234") : std::string(c.text));
    }
}

TEST(Placeholders, SettingANameAgainReplacesItsValue)
{
    PlaceholderTable table;
    table.Set("Page", "1");
    table.Set("page", "x");
    table.Set("Page", "2");
    std::string text = "$Page$$page$";
    ASSERT_TRUE(ExpandPlaceholders(text, table));
    EXPECT_EQ(text, "2x");
}

std::tm At(int year, int month, int day, int hour, int minute)
{
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    return when;
}

TEST(Placeholders, PrintTextInTheRegionalForms)
{
    using Forms = RegionalForms;
    struct Case {
        const char* what;
        Forms forms;
        const char* expected; // of "$Date$ $Time$"
    } cases[] = {
        {"day first, 24 hours", {"1", ".", "1", ":"}, "17.08.95 15:03"},
        {"year first", {"2", "-", "1", "."}, "95-08-17 15.03"},
        {"month first, 12 hours", {"0", "/", "0", ":"}, "08/17/95 03:03 PM"},
        {"unknown numbers", {"7", "/", "5", ":"}, "08/17/95 03:03 PM"},
        {"nothing set", {}, "08/17/95 03:03 PM"},
        {"empty separators", {"1", "", "1", ""}, "17/08/95 15:03"},
        {"percent separator", {"1", "%", "1", "%"}, "17%08%95 15%03"},
        {"separator is the first character", {"1", ". ", "1", ":x"}, "17.08.95 15:03"},
    };
    for (const Case& c : cases) {
        PrintFacts facts;
        facts.now = At(1995, 8, 17, 15, 3);
        facts.forms = c.forms;
        EXPECT_EQ(ExpandPrintText("$Date$ $Time$", facts), c.expected) << c.what;
    }
}

TEST(Placeholders, PrintTextNamesTheFileAndPage)
{
    PrintFacts facts;
    facts.path = "c:\\src\\edit.c";
    facts.page = 7;
    facts.now = At(2001, 1, 2, 9, 5);
    facts.forms = {"1", ".", "1", ":"};
    EXPECT_EQ(ExpandPrintText("$FileName$ in $FileDir$ p.$Page$ [$FileDate$ $FileTime$]", facts),
              "edit.c in c:\\src\\ p.7 [ ]")
        << "no recorded file time: the file's date and time drop";
    facts.fileTime = At(1999, 12, 31, 23, 59);
    EXPECT_EQ(ExpandPrintText("$FileDate$ $FileTime$ $File$", facts),
              "31.12.99 23:59 c:\\src\\edit.c");
    EXPECT_EQ(ExpandPrintText("$Date$ $Time$ $", facts), "$Date$ $Time$ $");
}

} // namespace
