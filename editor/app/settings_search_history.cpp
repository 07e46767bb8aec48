#include "editor/app/settings_search_history.h"

#include "editor/app/settings_keys.h"

std::vector<SearchHistoryEntry> ReadSearchHistory(const Profile& profile)
{
    std::vector<SearchHistoryEntry> entries;
    for (int i = kSearchTextKeys.last; i >= kSearchTextKeys.first; --i) {
        std::string text = profile.ReadString(kSectionSearch, kSearchTextKeys.KeyName(i), "");
        if (text.empty())
            continue;
        std::int32_t options = profile.ReadInt(kSectionSearch, kSearchOptionKeys.KeyName(i),
                                               kSearchOptionKeys.defaultInt);
        entries.insert(entries.begin(), SearchHistoryEntry{std::move(text), options});
    }
    return entries;
}

void WriteSearchHistory(Profile& profile, std::span<const SearchHistoryEntry> entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int n = static_cast<int>(i);
        profile.WriteString(kSectionSearch, kSearchTextKeys.KeyName(n), entries[i].text);
        profile.WriteInt(kSectionSearch, kSearchOptionKeys.KeyName(n), entries[i].options);
    }
}
