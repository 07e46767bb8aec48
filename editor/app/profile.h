// The profile operations every part of the editor uses for its settings:
// integers and strings by section and key, deleting, listing keys.
#pragma once
#include "editor/app/profile_key_list.h"
#include "editor/app/profile_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The leading decimal number of a profile value ("12abc" is 12), saturated to
// 32 bits; nothing when the value does not start with a number.
std::optional<std::int32_t> ParseProfileInt(std::string_view text);

class Profile {
public:
    explicit Profile(ProfileStore& store) : m_store(store) {}

    // The default when the key is missing or does not hold a number: the
    // platform's own integer read would give 0 for text.
    std::int32_t ReadInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) const;

    bool WriteInt(std::string_view section, std::string_view key, std::int32_t value);
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

    ProfileKeyList ListKeys(std::string_view section) const;

private:
    ProfileStore& m_store;
};
