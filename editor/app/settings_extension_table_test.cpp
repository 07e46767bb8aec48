#include "editor/app/testing/profile_memory.h"
#include "editor/app/settings_extension_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<ExtensionEntry>;

const Entries kBuiltIn = {
    {"C/C++ Source", "*.c;*.cpp"},   {"Headers", "*.h"},      {"Resource Scripts", "*.rc;*.dlg"},
    {"Module Definitions", "*.def"}, {"Make Files", "*.mak"}, {"Ini Files", "*.ini"},
    {"Text files", "*.txt;*.doc"},   {"All Files", "*.*"},
};

Entries ReadTable(std::string_view profileText)
{
    MemoryProfile store(profileText);
    ExtensionTable table;
    table.ReadFromProfile(Profile(store));
    return table.Entries();
}

// The buffer holds the entries and then nothing but NULs: a file dialog
// reading it as a filter list sees exactly these pairs.
void ExpectBufferHolds(const ExtensionTable& table, const Entries& entries)
{
    std::string expected;
    for (const ExtensionEntry& entry : entries) {
        expected += entry.description + '\0';
        expected += entry.mask + '\0';
    }
    std::string actual(table.Buffer().data(), table.Buffer().size());
    EXPECT_EQ(actual.substr(0, expected.size()), expected);
    EXPECT_EQ(actual.find_first_not_of('\0', expected.size()), std::string::npos);
}

} // namespace

TEST(ExtensionTable, StartsWithTheBuiltInTable)
{
    ExtensionTable table;
    EXPECT_EQ(table.Entries(), kBuiltIn);
    ExpectBufferHolds(table, kBuiltIn);
    EXPECT_EQ(g_ExtensionTable.Entries(), kBuiltIn);
}

TEST(ExtensionTable, ReadsEntriesSplitAtTheFirstSemicolon)
{
    struct Case {
        const char* name;
        const char* profile;
        Entries expected;
    };
    const Case cases[] = {
        {"no section keeps the built-in table", "", kBuiltIn},
        {"empty key 1 keeps the built-in table", "[Extensions]\r\n1=\r\n2=H;*.h\r\n", kBuiltIn},
        {"masks keep their further semicolons",
         "[Extensions]\r\n1=Sources;*.c;*.h\r\n2=All;*.*\r\n",
         {{"Sources", "*.c;*.h"}, {"All", "*.*"}}},
        {"key 2 without a semicolon ends the table",
         "[Extensions]\r\n1=C;*.c\r\n2=Headers *.h\r\n3=All;*.*\r\n",
         {{"C", "*.c"}}},
        {"a gap in the numbers ends the table",
         "[Extensions]\r\n1=C;*.c\r\n3=All;*.*\r\n",
         {{"C", "*.c"}}},
        {"an empty mask is kept",
         "[extensions]\r\n1=Nothing;\r\n2=All;*.*\r\n",
         {{"Nothing", ""}, {"All", "*.*"}}},
        {"values are trimmed and unquoted",
         "[Extensions]\r\n1 =  \"C; *.c\"  \r\n",
         {{"C", " *.c"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadTable(c.profile), c.expected) << c.name;
}

TEST(ExtensionTable, KeyOneWithoutSemicolonLeavesAnEmptyTable)
{
    MemoryProfile store("[Extensions]\r\n1=Everything\r\n");
    ExtensionTable table;
    table.ReadFromProfile(Profile(store));
    EXPECT_TRUE(table.Entries().empty());
    ExpectBufferHolds(table, {});
}

TEST(ExtensionTable, StopsAfterTheEntryThatUsesUpTheBudget)
{
    // Entries of 49 characters cost 50 of the 255: the sixth is the one that
    // uses the budget up and is still loaded, the seventh is not.
    std::string text = "[Extensions]\r\n";
    Entries expected;
    for (int n = 1; n <= 7; ++n) {
        std::string description = "Type" + std::to_string(n) + std::string(30, 'd');
        std::string mask = "*." + std::string(49 - description.size() - 3, 'm');
        text += std::to_string(n) + "=" + description + ";" + mask + "\r\n";
        if (n <= 6)
            expected.push_back({description, mask});
    }
    MemoryProfile store(text);
    ExtensionTable table;
    table.ReadFromProfile(Profile(store));
    EXPECT_EQ(table.Entries(), expected);
    ExpectBufferHolds(table, expected);
}

TEST(ExtensionTable, EntryEndingExactlyAtTheBudgetIsTheLast)
{
    // 254 characters cost 255: the budget is 0 after the first entry.
    std::string value = std::string(200, 'd') + ";" + std::string(53, 'm');
    Entries entries = ReadTable("[Extensions]\r\n1=" + value + "\r\n2=All;*.*\r\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].mask.size(), 53u);
}

TEST(ExtensionTable, OverlongHandEditedValuesStayInsideTheBuffer)
{
    // A first entry of 200 leaves the write position at 201 with budget
    // left; a 10,000-character second value must be cut to what fits.
    std::string first = std::string(100, 'a') + ";" + std::string(99, 'b');
    std::string huge = "Huge;" + std::string(9995, '*');
    MemoryProfile store("[Extensions]\r\n1=" + first + "\r\n2=" + huge + "\r\n3=All;*.*\r\n");
    ExtensionTable table;
    table.ReadFromProfile(Profile(store));
    Entries entries = table.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].description, "Huge");
    // 201 + "Huge\0" + mask + "\0" leaves the buffer's last byte as the end.
    EXPECT_EQ(entries[1].mask, std::string(kExtensionTableSize - 201 - 5 - 2, '*'));
    EXPECT_EQ(table.Buffer()[kExtensionTableSize - 1], '\0');
    EXPECT_EQ(table.Buffer()[kExtensionTableSize - 2], '\0');
}

TEST(ExtensionTable, WritingStoresEachPairAndDeletesTheRest)
{
    MemoryProfile store;
    Profile profile(store);
    for (int n = 1; n <= 30; ++n)
        profile.WriteString("Extensions", std::to_string(n), "Old;*.old");

    ExtensionTable table;
    const Entries page = {{"Sources", "*.c;*.h"}, {std::string(40, 'D'), std::string(35, 'M')}};
    WriteExtensionTable(profile, page, table);

    EXPECT_EQ(profile.ReadString("Extensions", "1"), "Sources;*.c;*.h");
    EXPECT_EQ(profile.ReadString("Extensions", "2"),
              std::string(29, 'D') + ";" + std::string(29, 'M'));
    for (int n = 3; n <= 30; ++n)
        EXPECT_EQ(profile.ReadString("Extensions", std::to_string(n), "gone"), "gone") << n;
    EXPECT_EQ(table.Entries(),
              (Entries{{"Sources", "*.c;*.h"}, {std::string(29, 'D'), std::string(29, 'M')}}));
}

TEST(ExtensionTable, WritingMoreThanThirtyKeepsThirty)
{
    MemoryProfile store;
    Profile profile(store);
    Entries page;
    for (int n = 1; n <= 31; ++n)
        page.push_back({"T" + std::to_string(n), "*.x"});
    ExtensionTable table;
    WriteExtensionTable(profile, page, table);
    EXPECT_EQ(profile.ReadString("Extensions", "30"), "T30;*.x");
    EXPECT_EQ(profile.ReadString("Extensions", "31", "none"), "none");
    EXPECT_EQ(table.Entries().size(), 30u);
}

TEST(ExtensionTable, WritingAnEmptyTableKeepsTheTableInMemory)
{
    MemoryProfile store("[Extensions]\r\n1=C;*.c\r\n");
    Profile profile(store);
    ExtensionTable table;
    table.ReadFromProfile(profile);
    WriteExtensionTable(profile, {}, table);
    EXPECT_EQ(profile.ReadString("Extensions", "1", "gone"), "gone");
    EXPECT_EQ(table.Entries(), (Entries{{"C", "*.c"}}));
}
