// The key names of one profile section, as "list keys" returns them: a
// fixed 2048-byte buffer of NUL-separated names ended by an empty one.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr std::size_t kProfileKeyListSize = 2048;

class ProfileKeyList {
public:
    // The raw double-NUL list, for code that walks it itself.
    const char* Data() const { return m_buffer.data(); }
    char* Data() { return m_buffer.data(); }
    std::size_t Capacity() const { return m_buffer.size(); }

    // The names in profile order; stops at the first empty name. The views
    // point into this list, so a temporary list has none to give.
    std::vector<std::string_view> Names() const&;
    std::vector<std::string_view> Names() const&& = delete;

private:
    std::array<char, kProfileKeyListSize> m_buffer{};
};
