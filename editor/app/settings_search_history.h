// The search history of the main toolbar in the profile: Search/0.. hold the
// strings, newest first, and Search/D0.. their option words.
#pragma once
#include "editor/app/profile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct SearchHistoryEntry {
    std::string text;
    std::int32_t options = 2; // 1 up, 2 down, 4 whole word, 8 match case, 16 pattern
    friend bool operator==(const SearchHistoryEntry&, const SearchHistoryEntry&) = default;
};

// The list as start-up fills it: keys 9 down to 0, each non-empty string put
// on top with its option word. The result is newest first; its size is the
// history counter's start value.
std::vector<SearchHistoryEntry> ReadSearchHistory(const Profile& profile);

// Every entry of the list, from the top as key 0 upwards. Keys beyond the
// list, left from an earlier run, stay.
void WriteSearchHistory(Profile& profile, std::span<const SearchHistoryEntry> entries);
