#include "editor/app/settings_extension_table.h"

#include <algorithm>
#include <cstring>

// While budget is left the write position is at most budget - 1, so every
// value up to 256 characters fits whole with its NUL and the final one.
static_assert((kExtensionTableBudget - 1) + 256 + 2 <= kExtensionTableSize);

namespace {

struct BuiltInEntry {
    std::string_view description;
    std::string_view mask;
};

// Constant data: the process-wide table is built from it during static
// initialisation.
constexpr BuiltInEntry kBuiltInTable[] = {
    {"C/C++ Source", "*.c;*.cpp"},   {"Headers", "*.h"},      {"Resource Scripts", "*.rc;*.dlg"},
    {"Module Definitions", "*.def"}, {"Make Files", "*.mak"}, {"Ini Files", "*.ini"},
    {"Text files", "*.txt;*.doc"},   {"All Files", "*.*"},
};

// The NUL-terminated string at pos, never reading past the buffer.
std::string_view StringAt(std::span<const char> buffer, std::size_t pos)
{
    if (pos >= buffer.size())
        return {};
    const char* start = buffer.data() + pos;
    const void* nul = std::memchr(start, '\0', buffer.size() - pos);
    return std::string_view(start,
                            nul ? static_cast<const char*>(nul) - start : buffer.size() - pos);
}

} // namespace

ExtensionTable g_ExtensionTable;

ExtensionTable::ExtensionTable()
{
    SetBuiltIn();
}

void ExtensionTable::SetBuiltIn()
{
    m_buffer.fill('\0');
    std::size_t pos = 0;
    for (const BuiltInEntry& entry : kBuiltInTable) {
        for (std::string_view field : {entry.description, entry.mask}) {
            field.copy(m_buffer.data() + pos, field.size());
            pos += field.size() + 1;
        }
    }
}

void ExtensionTable::ReadFromProfile(const Profile& profile)
{
    if (profile.ReadString(kSectionExtensions, kExtensionKeys.KeyName(1), "").empty())
        return;

    m_buffer.fill('\0');
    int budget = kExtensionTableBudget;
    std::size_t writePos = 0;
    for (int n = 1; budget > 0; ++n) {
        std::string value = profile.ReadString(kSectionExtensions, kExtensionKeys.KeyName(n), "");
        // Leave room for the value's NUL and the final empty string: a long
        // hand-edited value is cut rather than run past the buffer.
        std::size_t room = kExtensionTableSize - writePos - 2;
        value.resize(std::min(value.size(), room));
        value.copy(m_buffer.data() + writePos, value.size());
        if (value.empty())
            break;
        budget -= static_cast<int>(value.size());
        std::size_t semicolon = value.find(';');
        if (semicolon == std::string::npos) {
            // An entry without a mask ends the table, without itself.
            std::fill_n(m_buffer.data() + writePos, value.size(), '\0');
            break;
        }
        m_buffer[writePos + semicolon] = '\0';
        writePos += value.size() + 1;
        budget -= 1;
    }
}

std::vector<ExtensionEntry> ExtensionTable::Entries() const
{
    std::vector<ExtensionEntry> entries;
    std::size_t pos = 0;
    for (;;) {
        std::string_view description = StringAt(m_buffer, pos);
        if (description.empty())
            break;
        pos += description.size() + 1;
        std::string_view mask = StringAt(m_buffer, pos);
        pos += mask.size() + 1;
        entries.push_back({std::string(description), std::string(mask)});
    }
    return entries;
}

void WriteExtensionTable(Profile& profile, std::span<const ExtensionEntry> entries,
                         ExtensionTable& table)
{
    int count = static_cast<int>(std::min<std::size_t>(entries.size(), kMaxExtensionEntries));
    for (int i = 0; i < count; ++i) {
        const ExtensionEntry& entry = entries[i];
        std::string value = entry.description.substr(0, kMaxExtensionField);
        value += ';';
        value += entry.mask.substr(0, kMaxExtensionField);
        profile.WriteString(kSectionExtensions, kExtensionKeys.KeyName(i + 1), value);
    }
    for (int n = count + 1; n <= kMaxExtensionEntries; ++n)
        profile.DeleteKey(kSectionExtensions, kExtensionKeys.KeyName(n));
    table.ReadFromProfile(profile);
}
