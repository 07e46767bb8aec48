// The user's tools: ten fixed-size records in menu order.  Used records lie
// together from the first; a free record is all zero (empty menu text).
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr int kToolCount = 10;
inline constexpr std::size_t kToolMenuTextSize = 40;
inline constexpr std::size_t kToolPathSize = 260;

struct ToolEntry {
    std::array<char, kToolMenuTextSize> menuText{};
    std::array<char, kToolPathSize> command{};
    std::array<char, kToolPathSize> arguments{};
    std::array<char, kToolPathSize> directory{};
    std::int32_t askForArguments = 0; // 0 or 1

    bool IsUsed() const { return menuText[0] != '\0'; }
    bool operator==(const ToolEntry&) const = default;
};

// Stores `text` (up to a NUL it may hold) in a zero-terminated field, cut
// to the field's size less one.
template <std::size_t N> void SetToolField(std::array<char, N>& field, std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    const std::size_t n = text.size() < N ? text.size() : N - 1;
    field.fill('\0');
    text.copy(field.data(), n);
}

template <std::size_t N> std::string_view ToolField(const std::array<char, N>& field)
{
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return std::string_view(field.data(), n);
}

class ToolTable {
public:
    ToolEntry& operator[](int index) { return m_entries[static_cast<std::size_t>(index)]; }
    const ToolEntry& operator[](int index) const
    {
        return m_entries[static_cast<std::size_t>(index)];
    }
    // The used records (they come first).
    int Count() const;
    // The first free record, or -1 when all ten are used.
    int FirstFree() const;
    // Removes a record: those behind it move up and the last becomes free.
    void Remove(int index);
    // Exchanges two records.
    void Swap(int a, int b);
    // Moves the used records to the front, keeping their order, and clears
    // the free ones.
    void Compact();
    void Clear() { m_entries = {}; }
    bool operator==(const ToolTable&) const = default;

private:
    std::array<ToolEntry, kToolCount> m_entries{};
};

// The process-wide tool table.
extern ToolTable g_ToolTable;
