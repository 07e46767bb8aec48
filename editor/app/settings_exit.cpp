#include "editor/app/settings_exit.h"

#include "editor/app/settings_keys.h"

void WriteSettingsOnExit(Profile& profile, const SettingsHomes& homes,
                         std::optional<std::string_view> zOrder, ExitHooks& hooks)
{
    WriteDesktopSettings(profile, homes, zOrder);
    hooks.SaveRecentFileList();
    WriteSettingsAtExit(profile, homes);
}

void WriteDesktopSettings(Profile& profile, const SettingsHomes& homes,
                          std::optional<std::string_view> zOrder)
{
    CopyRestoreDesktopSetting(homes);
    WriteSettingGroup(profile, SettingGroup::DesktopFlag, homes);
    if (!zOrder)
        return;
    const SettingKey& zOrderKey = FindSettingKey(kSectionSettings, "ZOrder");
    profile.WriteString(zOrderKey.section, zOrderKey.key, *zOrder);
}

void WriteSettingsAtExit(Profile& profile, const SettingsHomes& homes)
{
    WriteSettingGroup(profile, SettingGroup::Editor, homes);
    WriteSettingGroup(profile, SettingGroup::Workset, homes);
    WriteSettingGroup(profile, SettingGroup::Font, homes);
    WriteSettingGroup(profile, SettingGroup::Printing, homes);
    WriteSettingGroup(profile, SettingGroup::Bars, homes);
    WriteSettingGroup(profile, SettingGroup::Colors, homes);
}
