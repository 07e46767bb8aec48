// Writing the settings back at the end of a run, in the program's fixed
// order. Splash, Tips, Search, Extensions, Tools, Help, Outliner and the
// Desktop keys are written by their own features, not here.
#pragma once
#include "editor/app/profile.h"
#include "editor/app/settings_homes.h"

#include <optional>
#include <string_view>

class ExitHooks {
public:
    virtual ~ExitHooks() = default;
    virtual void SaveRecentFileList() {}
};

// The whole exit write: WriteDesktopSettings, the recent-file list, then
// WriteSettingsAtExit.
void WriteSettingsOnExit(Profile& profile, const SettingsHomes& homes,
                         std::optional<std::string_view> zOrder, ExitHooks& hooks);

// "Restore desktop" into the desktop flag, then Settings/SaveDesktop and
// Settings/ZOrder (the desktop keys, bottom-most first, comma-separated;
// none: the stored desktop stays as it is).
void WriteDesktopSettings(Profile& profile, const SettingsHomes& homes,
                          std::optional<std::string_view> zOrder);

// The editor options, the workset name, the font, printing, the bars and the
// colour codes.
void WriteSettingsAtExit(Profile& profile, const SettingsHomes& homes);
