// COptions: the editor settings of the "Editor" option page, kept alive for
// the whole run as the program's store of them. Each value is a 32-bit
// integer; the b-named ones are used as 0 or nonzero. A new object holds the
// values an empty profile gives.
#pragma once
#include <cstdint>

inline constexpr std::int32_t kMinTabLength = 1;
inline constexpr std::int32_t kMaxTabLength = 32;
inline constexpr std::int32_t kMinIntervall = 0;
inline constexpr std::int32_t kMaxIntervall = 60;

class COptions {
public:
    std::int32_t m_bAutoIndent = 1;
    std::int32_t m_bBackup = 1;
    std::int32_t m_bCursor = 0;    // notebook caret
    std::int32_t m_bPermanent = 1; // workset file list stays open
    std::int32_t m_nIntervall = 0; // minutes between automatic saves, 0..60
    std::int32_t m_nTabLength = 8; // columns, 1..32
    std::int32_t m_bAutoSave = 0;
    std::int32_t m_bSaveOnFocus = 0;
    std::int32_t m_bUseBlanks = 0;
    std::int32_t m_bBRIEFkeys = 1;   // keypad + and - copy and cut whole lines
    std::int32_t m_bSaveDeskTop = 1; // "Restore desktop"

    friend bool operator==(const COptions&, const COptions&) = default;
};

// Other parts reach the settings object through this pointer; it is set for
// the whole run by SettingsObjects (settings_homes.h).
extern COptions* g_pOptions;
