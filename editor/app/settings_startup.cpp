#include "editor/app/settings_startup.h"

#include "editor/app/settings_keys.h"

StartupSettings ReadSettingsAtStartup(const Profile& profile, const Profile& systemProfile,
                                      const SettingsHomes& homes, StartupHooks& hooks)
{
    StartupSettings result;
    ReadSettingGroup(profile, SettingGroup::DesktopFlag, homes);
    if (hooks.SplashWanted() && ReadSettingInt(profile, kSectionOptions, "Splash") != 0) {
        hooks.ShowSplash();
        result.splashShown = true;
    }
    hooks.LoadRecentFileList();
    result.tipsShow = ReadSettingInt(profile, kSectionTips, "Show");
    ReadRemainingSettings(profile, systemProfile, homes);
    return result;
}

void ReadRemainingSettings(const Profile& profile, const Profile& systemProfile,
                           const SettingsHomes& homes)
{
    ReadSettingGroup(profile, SettingGroup::Editor, homes);
    ReadSettingGroup(profile, SettingGroup::Workset, homes);
    ReadSettingGroup(profile, SettingGroup::Font, homes);
    ReadSettingGroup(profile, SettingGroup::Bars, homes);
    ReadSettingGroup(profile, SettingGroup::RestoreDesktop, homes);
    CopyRestoreDesktopSetting(homes);
    ReadSettingGroup(profile, SettingGroup::Printing, homes);
    ReadSettingGroup(profile, SettingGroup::Colors, homes);
    ReadSettingGroup(systemProfile, SettingGroup::Mail, homes);
    homes.extensions.ReadFromProfile(profile);
}
