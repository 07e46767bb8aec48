// The table of every section and key of the editor's profile: type, default,
// range, and the member the value lives in during a run. Start-up and exit
// read and write the settings through this table, group by group.
#pragma once
#include "editor/app/profile.h"
#include "editor/base/settings_colors.h"
#include "editor/app/settings_sections.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

struct SettingsHomes;

enum class SettingType { Int, Bool, String, Color };

// Keys that are read or written together, named after their place in the
// start-up and exit sequences.
enum class SettingGroup {
    DesktopFlag, // Settings/SaveDesktop
    Splash,      // read at start only
    Tips,        // owned by the tips dialog
    Editor,      // AutoIndent .. BRIEFkeys
    Workset,     // Window/Last Set
    Font,
    Bars,
    RestoreDesktop, // Settings/SaveDeskTop, the same profile key as SaveDesktop
    DesktopLayout,  // ZOrder and MainFrame, owned by the desktop code
    Printing,
    Colors,
    Mail, // in the system profile
};

struct IntRange {
    std::int32_t min;
    std::int32_t max;
};

// Where a value lives: an integer member, a text member (through get/set, as
// the workset name is a fixed buffer), a colour entry, or nowhere in this
// table's care (the value is read and written by the feature that owns it).
using IntHome = std::int32_t& (*)(const SettingsHomes&);
struct TextHome {
    std::string (*get)(const SettingsHomes&);
    void (*set)(const SettingsHomes&, std::string_view);
};
using SettingHome = std::variant<std::monostate, IntHome, TextHome, ColorItem>;

struct SettingKey {
    std::string_view section;
    std::string_view key;
    SettingType type;
    SettingGroup group;
    std::int32_t defaultInt = 0;
    std::string_view defaultText = {};
    std::optional<IntRange> range = {}; // values outside are clamped when read
    SettingHome home = {};
};

// Every fixed key, in the order of the profile documentation.
std::span<const SettingKey> SettingKeys();

// The table's entry for section/key, spelled as in the table (SaveDeskTop and
// SaveDesktop are two entries for one profile key); throws std::out_of_range
// for a key that is not in the table.
const SettingKey& FindSettingKey(std::string_view section, std::string_view key);

// A numeric key as the table reads it: its default when missing or not a
// number, clamped to its range.
std::int32_t ReadSettingInt(const Profile& profile, const SettingKey& setting);
std::int32_t ReadSettingInt(const Profile& profile, std::string_view section, std::string_view key);

// Reading and writing between the profile and the homes. Keys without a home
// are skipped.
void ReadSetting(const Profile& profile, const SettingKey& setting, const SettingsHomes& homes);
void WriteSetting(Profile& profile, const SettingKey& setting, const SettingsHomes& homes);
void ReadSettingGroup(const Profile& profile, SettingGroup group, const SettingsHomes& homes);
void WriteSettingGroup(Profile& profile, SettingGroup group, const SettingsHomes& homes);

// Keys made of a prefix and a number ("TpltID3", "D0", "7"), or named by a
// file extension (Help, Outliner).
struct KeyFamily {
    std::string_view section;
    std::string_view prefix;
    int first;
    int last; // 0: no fixed end
    SettingType type;
    std::int32_t defaultInt = 0;
    std::string_view defaultText = {};
    bool namedByExtension = false;

    std::string KeyName(int n) const;
};

// clang-format off
inline constexpr KeyFamily kDesktopTemplateKeys{kSectionDesktop, "TpltID", 1, 0, SettingType::Int};
inline constexpr KeyFamily kDesktopPathKeys{kSectionDesktop, "DocPath", 1, 0, SettingType::String};
inline constexpr KeyFamily kDesktopPlacementKeys{kSectionDesktop, "Placement", 1, 0, SettingType::String};
// Search history: entries are written from 0 upwards, as many as the list
// holds; start-up reads 0 to 9.
inline constexpr KeyFamily kSearchTextKeys{kSectionSearch, "", 0, 9, SettingType::String};
inline constexpr KeyFamily kSearchOptionKeys{kSectionSearch, "D", 0, 9, SettingType::Int, 2};
inline constexpr KeyFamily kExtensionKeys{kSectionExtensions, "", 1, 30, SettingType::String};
inline constexpr KeyFamily kToolsKeys{kSectionTools, "Tools", 1, 10, SettingType::String};
// The key "*" holds the help files for every extension.
inline constexpr KeyFamily kHelpKeys{kSectionHelp, "", 0, 0, SettingType::String, 0, "", true};
inline constexpr KeyFamily kOutlinerKeys{kSectionOutliner, "", 0, 0, SettingType::String, 0, "", true};
// clang-format on

std::span<const KeyFamily> KeyFamilies();
