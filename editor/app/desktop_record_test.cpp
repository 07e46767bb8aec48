#include "editor/app/desktop_record.h"

#include <gtest/gtest.h>

namespace {

// ---- Placement records ---------------------------------------------------------

struct RecordCase {
    const char* name;
    PlacementRecord record;
    const char* text;
};

const RecordCase kRecords[] = {
    {"normal", {10, 20, 600, 400, false, false}, "0010 0020 0600 0400 0000 0000"},
    {"maximised", {0, 0, 640, 480, false, true}, "0000 0000 0640 0480 0000 0001"},
    {"minimised to normal", {5, 6, 7, 8, true, false}, "0005 0006 0007 0008 0001 0000"},
    {"minimised to maximised", {1, 2, 3, 4, true, true}, "0001 0002 0003 0004 0001 0001"},
    {"small negatives keep the width",
     {-10, -4, 300, 200, false, false},
     "-010 -004 0300 0200 0000 0000"},
    {"four-digit coordinates",
     {1024, 768, 9999, 1000, false, false},
     "1024 0768 9999 1000 0000 0000"},
};

TEST(PlacementRecordTest, FormatsAndReadsBackEachState)
{
    for (const RecordCase& c : kRecords) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatPlacement(c.record), c.text);
        for (PlacementOwner owner : {PlacementOwner::EditorWindow, PlacementOwner::MainWindow}) {
            const auto read = ParsePlacement(c.text, owner);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->left, c.record.left);
            EXPECT_EQ(read->top, c.record.top);
            EXPECT_EQ(read->right, c.record.right);
            EXPECT_EQ(read->bottom, c.record.bottom);
            EXPECT_EQ(read->minimized, c.record.minimized);
            EXPECT_EQ(read->maximized, c.record.maximized);
        }
    }
}

struct LengthCase {
    const char* name;
    const char* text;
    bool editorTakesIt;
    bool mainTakesIt;
};

const LengthCase kLengths[] = {
    // A window dragged far left: "-1000" is five characters, the record 30.
    {"left edge -1000", "-1000 0020 0600 0400 0000 0000", false, true},
    {"one short", "0010 0020 0600 0400 0000 000", false, false},
    {"empty", "", false, false},
    {"exactly 29", "0010 0020 0600 0400 0000 0000", true, true},
    {"a trailing blank", "0010 0020 0600 0400 0000 0000 ", false, true},
};

TEST(PlacementRecordTest, LengthDecidesWhichWindowTakesIt)
{
    for (const LengthCase& c : kLengths) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParsePlacement(c.text, PlacementOwner::EditorWindow).has_value(),
                  c.editorTakesIt);
        EXPECT_EQ(ParsePlacement(c.text, PlacementOwner::MainWindow).has_value(), c.mainTakesIt);
    }
}

TEST(PlacementRecordTest, MainWindowReadsFieldsAtFixedOffsets)
{
    // The -1000 shifts every later field by one: each is read from its own
    // offset all the same, the blank before it skipped.
    const auto read = ParsePlacement("-1000 0020 0600 0400 0001 0001", PlacementOwner::MainWindow);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->left, -1000);
    EXPECT_EQ(read->top, 20);     // " 0020" from offset 5
    EXPECT_EQ(read->bottom, 400); // " 0400" from offset 15
    EXPECT_TRUE(read->minimized);
    EXPECT_TRUE(read->maximized);
    // Huge numbers are held at the limits, never wrapped.
    const auto huge = ParsePlacement("99999999999999999999 0 0 0 0 0", PlacementOwner::MainWindow);
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->left, 2147483647);
}

struct StateCase {
    bool minimized, maximized;
    PlacementShow show;
    bool restoreToMaximized;
};

const StateCase kStates[] = {
    {false, false, PlacementShow::Normal, false},
    {false, true, PlacementShow::Maximized, true},
    {true, false, PlacementShow::MinimizedNoActivate, false},
    {true, true, PlacementShow::MinimizedNoActivate, true},
};

TEST(PlacementRecordTest, StateFollowsTheFlags)
{
    for (const StateCase& c : kStates) {
        SCOPED_TRACE(testing::Message() << c.minimized << c.maximized);
        const PlacementState state = StateOf({0, 0, 1, 1, c.minimized, c.maximized});
        EXPECT_EQ(state.show, c.show);
        EXPECT_EQ(state.restoreToMaximized, c.restoreToMaximized);
    }
}

// ---- The z-order text ----------------------------------------------------------

struct ZOrderCase {
    const char* name;
    std::vector<std::string> slots; // topmost first
    const char* text;               // bottom-most first
    std::vector<std::string> keys;  // as read back
};

const ZOrderCase kZOrders[] = {
    {"none", {}, "", {}},
    {"three windows A B C", {"3", "2", "1"}, "1,2,3", {"1", "2", "3"}},
    {"an untitled window in the middle", {"2", "", "1"}, "1,,2", {"1", "2"}},
    {"untitled on top", {"", "1"}, "1,", {"1"}},
    {"only untitled windows", {"", ""}, ",", {}},
    {"many digits", {"12", "10"}, "10,12", {"10", "12"}},
};

TEST(ZOrderTextTest, BuildsBottomFirstAndReadsWithoutEmptyItems)
{
    for (const ZOrderCase& c : kZOrders) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildZOrder(c.slots), c.text);
        EXPECT_EQ(SplitZOrder(c.text), c.keys);
    }
    EXPECT_EQ(SplitZOrder(",,4,,5,"), (std::vector<std::string>{"4", "5"}));
}

} // namespace
