// Reading the settings at start-up, in the program's fixed order. The
// start-up code does other work between some of the reads (the start-up
// picture, the recent-file list); it takes part through StartupHooks.
#pragma once
#include "editor/app/profile.h"
#include "editor/app/settings_homes.h"

#include <cstdint>

class StartupHooks {
public:
    virtual ~StartupHooks() = default;
    // False when the command line asks for no start-up picture.
    virtual bool SplashWanted() { return true; }
    virtual void ShowSplash() {}
    virtual void LoadRecentFileList() {}
};

struct StartupSettings {
    bool splashShown = false;
    std::int32_t tipsShow = 1; // Tips/Show, for the tip at the end of start-up
};

// The whole read: Settings/SaveDesktop into the desktop flag, Options/Splash
// (when the picture is wanted), the recent-file list, Tips/Show, then
// ReadRemainingSettings. The search history is read later, once the main
// window exists (settings_search_history.h).
StartupSettings ReadSettingsAtStartup(const Profile& profile, const Profile& systemProfile,
                                      const SettingsHomes& homes, StartupHooks& hooks);

// The editor options, the workset name, the font, the bars, "Restore desktop"
// (which then replaces the desktop flag), printing, colours, the system
// profile's Mail/MAPI and the ExtensionTable.
void ReadRemainingSettings(const Profile& profile, const Profile& systemProfile,
                           const SettingsHomes& homes);
