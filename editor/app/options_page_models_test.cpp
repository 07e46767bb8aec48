// The working data of the Extensions and Colors option pages.
#include <gtest/gtest.h>

#include <functional>

#include "editor/app/options_page_models.h"

namespace {

std::vector<ExtensionEntry> Named(std::initializer_list<const char*> names)
{
    std::vector<ExtensionEntry> entries;
    for (const char* name : names)
        entries.push_back({name, "*.x"});
    return entries;
}

std::string Order(const ExtensionList& list)
{
    std::string order;
    for (const ExtensionEntry& entry : list.Entries())
        order += entry.description == "New item" ? std::string("+") : entry.description;
    return order;
}

struct ListCase {
    const char* name;
    std::vector<ExtensionEntry> start;
    int select;
    std::function<bool(ExtensionList&)> action;
    bool changed;
    std::string order;
    int selected;
};

TEST(ExtensionList, EditingActions)
{
    std::vector<ExtensionEntry> full(30, ExtensionEntry{"a", "*.a"});
    const ListCase cases[] = {
        {"add inserts at the selection", Named({"A", "B", "C"}), 1,
         [](ExtensionList& l) { return l.AddNew(); }, true, "A+BC", 1},
        {"add into an empty list",
         {},
         -1,
         [](ExtensionList& l) { return l.AddNew(); },
         true,
         "+",
         0},
        {"add to a full list", full, 0, [](ExtensionList& l) { return l.AddNew(); }, false,
         std::string(30, 'a'), 0},
        {"delete keeps the place", Named({"A", "B", "C"}), 1,
         [](ExtensionList& l) { return l.Delete(); }, true, "AC", 1},
        {"delete the last selects the new last", Named({"A", "B", "C"}), 2,
         [](ExtensionList& l) { return l.Delete(); }, true, "AB", 1},
        {"delete the only entry", Named({"A"}), 0, [](ExtensionList& l) { return l.Delete(); },
         false, "A", 0},
        {"up", Named({"A", "B", "C"}), 1, [](ExtensionList& l) { return l.Move(-1); }, true, "BAC",
         0},
        {"up at the top", Named({"A", "B"}), 0, [](ExtensionList& l) { return l.Move(-1); }, false,
         "AB", 0},
        {"down", Named({"A", "B", "C"}), 1, [](ExtensionList& l) { return l.Move(1); }, true, "ACB",
         2},
        {"down at the bottom", Named({"A", "B"}), 1, [](ExtensionList& l) { return l.Move(1); },
         false, "AB", 1},
    };
    for (const ListCase& c : cases) {
        ExtensionList list(c.start);
        list.Select(c.select);
        EXPECT_EQ(c.action(list), c.changed) << c.name;
        EXPECT_EQ(Order(list), c.order) << c.name;
        EXPECT_EQ(list.Selected(), c.selected) << c.name;
    }
}

TEST(ExtensionList, EditsGoToTheSelectedEntry)
{
    ExtensionList list(Named({"A", "B"}));
    list.Select(1);
    list.SetDescription("Sources");
    list.SetMask("*.c;*.h");
    EXPECT_EQ(list.Entries()[1], (ExtensionEntry{"Sources", "*.c;*.h"}));
    EXPECT_EQ(list.Entries()[0].description, "A");
}

TEST(ColorChoice, PaletteIndexOfStoredCodes)
{
    const std::pair<ColorCode, int> cases[] = {
        {1069, 0}, {1084, 15}, {1085, 0}, {1100, 15}, {1068, 0}, {1101, 0}, {0, 0}, {1071, 2},
    };
    for (auto [code, index] : cases)
        EXPECT_EQ(PaletteIndex(code), index) << code;
}

TEST(ColorChoice, SwatchesSetTheSelectedItemAndCarryTheHighlight)
{
    ColorChoice choice(DefaultColorEntries());
    choice.SelectItem(2); // Bookmarks: black on 1084, dark cyan stored as a text code
    EXPECT_TRUE(choice.IsHighlighted(1100)) << "1084 shows as the dark cyan background";
    EXPECT_FALSE(choice.IsHighlighted(1084)) << "the text swatch shows black";
    EXPECT_TRUE(choice.IsHighlighted(1069));

    EXPECT_TRUE(choice.Choose(1071));
    EXPECT_TRUE(choice.Choose(1087));
    EXPECT_FALSE(choice.Choose(1067));
    EXPECT_EQ(choice.TextCode(), 1071);
    EXPECT_EQ(choice.BackCode(), 1087);
    EXPECT_TRUE(choice.IsHighlighted(1071));
    EXPECT_FALSE(choice.IsHighlighted(1069));

    ColorEntries stored = DefaultColorEntries();
    choice.StoreInto(stored);
    EXPECT_EQ(stored[static_cast<int>(ColorItem::BookmarkBk)].code, 1087);
    EXPECT_EQ(stored[static_cast<int>(ColorItem::Bookmark)].color, MakeColorValue(255, 0, 0));
    EXPECT_EQ(stored[static_cast<int>(ColorItem::Text)], DefaultColorEntries()[0]);
}

TEST(ColorChoice, ResetGivesTheResetValuesNotTheNewProfileOnes)
{
    ColorChoice choice(DefaultColorEntries());
    choice.SelectItem(4);
    choice.Choose(1080);
    choice.Reset();
    EXPECT_EQ(choice.TextCode(), 1071) << "C++ keyword resets to red";
    EXPECT_EQ(choice.BackCode(), 1086);

    ColorChoice all(DefaultColorEntries());
    all.ResetAll();
    ColorEntries stored{};
    all.StoreInto(stored);
    EXPECT_EQ(stored[static_cast<int>(ColorItem::CppText)].color, MakeColorValue(255, 0, 0));
    EXPECT_EQ(stored[static_cast<int>(ColorItem::BookmarkBk)].code, 1100);
    EXPECT_EQ(stored[static_cast<int>(ColorItem::Marked)].code, 1070);
    EXPECT_EQ(DefaultColorEntries()[static_cast<int>(ColorItem::CppText)].code, 1073);
}

} // namespace
