#include "editor/app/testing/profile_memory.h"
#include "editor/app/settings_search_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using History = std::vector<SearchHistoryEntry>;

TEST(SearchHistory, LoadsTheTenNewestInOrderSkippingGaps)
{
    MemoryProfile store("[Search]\r\n0=newest\r\nD0=9\r\n1=second\r\n3=fourth\r\nD3=abc\r\n"
                        "9=tenth\r\nD9=17\r\n10=eleventh\r\nD10=1\r\n");
    History history = ReadSearchHistory(Profile(store));
    EXPECT_EQ(history, (History{{"newest", 9}, {"second", 2}, {"fourth", 2}, {"tenth", 17}}));
}

TEST(SearchHistory, FourteenEntriesAreWrittenAndTheTenNewestComeBack)
{
    MemoryProfile store;
    Profile profile(store);
    History written;
    for (int i = 0; i < 14; ++i)
        written.push_back({"find" + std::to_string(i), i % 2 ? 1 : 2 | 8});
    WriteSearchHistory(profile, written);

    EXPECT_EQ(profile.ReadString("Search", "13"), "find13");
    EXPECT_EQ(profile.ReadInt("Search", "D13", 0), 1);
    History loaded = ReadSearchHistory(profile);
    EXPECT_EQ(loaded, History(written.begin(), written.begin() + 10));
}

TEST(SearchHistory, ShorterHistoryLeavesOlderKeysInPlace)
{
    MemoryProfile store("[Search]\r\n0=a\r\n1=b\r\n2=c\r\nD2=16\r\n");
    Profile profile(store);
    WriteSearchHistory(profile, History{{"x", 4}});
    EXPECT_EQ(ReadSearchHistory(profile), (History{{"x", 4}, {"b", 2}, {"c", 16}}));
}
