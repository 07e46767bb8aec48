// The ExtensionTable: the file types of the file dialogs and the file-open
// window, process-wide. A 512-byte buffer of NUL-terminated pairs,
// description then mask, ended by an empty string, so that it serves directly
// as a file dialog's filter list.
#pragma once
#include "editor/app/profile.h"
#include "editor/app/settings_keys.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kExtensionTableSize = 512;
// Characters the profile entries may fill; further entries are not loaded.
inline constexpr int kExtensionTableBudget = 255;
inline constexpr int kMaxExtensionEntries = kExtensionKeys.last;
// Longest description or mask the Extensions page writes.
inline constexpr std::size_t kMaxExtensionField = 29;

struct ExtensionEntry {
    std::string description;
    std::string mask;
    friend bool operator==(const ExtensionEntry&, const ExtensionEntry&) = default;
};

class ExtensionTable {
public:
    // The built-in table.
    ExtensionTable();

    void SetBuiltIn();

    // Rebuilds the table from section Extensions, keys "1", "2", ...; when
    // key "1" is empty the table is left as it is.
    void ReadFromProfile(const Profile& profile);

    std::span<const char, kExtensionTableSize> Buffer() const { return m_buffer; }

    // The pairs in order, up to the first empty description.
    std::vector<ExtensionEntry> Entries() const;

private:
    std::array<char, kExtensionTableSize> m_buffer{};
};

// Writes entries 1..k as description;mask (each field cut to 29 characters,
// at most 30 entries), deletes keys k+1..30 and reads the table again.
void WriteExtensionTable(Profile& profile, std::span<const ExtensionEntry> entries,
                         ExtensionTable& table);

// The process-wide table.
extern ExtensionTable g_ExtensionTable;
