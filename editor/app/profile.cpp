#include "editor/app/profile.h"

#include <charconv>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int32_t> ParseProfileInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || !IsDigit(text[i]))
        return std::nullopt;

    // Accumulate in 64 bits and stop growing once past the 32-bit range, so a
    // hand-typed run of digits saturates instead of wrapping.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t Profile::ReadInt(std::string_view section, std::string_view key,
                              std::int32_t defaultValue) const
{
    return ParseProfileInt(m_store.ReadString(section, key, {})).value_or(defaultValue);
}

std::string Profile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    return m_store.ReadString(section, key, defaultValue);
}

bool Profile::WriteInt(std::string_view section, std::string_view key, std::int32_t value)
{
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    return m_store.WriteString(section, key, std::string_view(text, result.ptr - text));
}

bool Profile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return m_store.WriteString(section, key, value);
}

bool Profile::DeleteKey(std::string_view section, std::string_view key)
{
    return m_store.DeleteKey(section, key);
}

bool Profile::DeleteSection(std::string_view section)
{
    return m_store.DeleteSection(section);
}

ProfileKeyList Profile::ListKeys(std::string_view section) const
{
    ProfileKeyList list;
    m_store.ListKeys(section, std::span<char>(list.Data(), list.Capacity()));
    return list;
}
