#include "editor/app/settings_keys.h"

#include "editor/app/settings_homes.h"

#include <algorithm>
#include <stdexcept>

namespace {

template <class T> struct MemberOf;
template <class C, class V> struct MemberOf<V C::*> {
    using Class = C;
};

template <class C> C& HomeOf(const SettingsHomes& homes);
template <> COptions& HomeOf<COptions>(const SettingsHomes& homes)
{
    return homes.options;
}
template <> CPrintOptions& HomeOf<CPrintOptions>(const SettingsHomes& homes)
{
    return homes.printOptions;
}
template <> AppSettings& HomeOf<AppSettings>(const SettingsHomes& homes)
{
    return homes.app;
}

template <auto Member> std::int32_t& IntMember(const SettingsHomes& homes)
{
    return HomeOf<typename MemberOf<decltype(Member)>::Class>(homes).*Member;
}

template <auto Member> std::string GetTextMember(const SettingsHomes& homes)
{
    return HomeOf<typename MemberOf<decltype(Member)>::Class>(homes).*Member;
}

template <auto Member> void SetTextMember(const SettingsHomes& homes, std::string_view value)
{
    HomeOf<typename MemberOf<decltype(Member)>::Class>(homes).*Member = value;
}

template <auto Member> constexpr TextHome kText{&GetTextMember<Member>, &SetTextMember<Member>};

std::int32_t& DesktopFlagHome(const SettingsHomes& homes)
{
    return homes.desktopFlag;
}

constexpr TextHome kWorksetName{
    [](const SettingsHomes& homes) { return std::string(homes.workset.Get()); },
    [](const SettingsHomes& homes, std::string_view value) { homes.workset.Set(value); },
};

using enum SettingType;
using enum SettingGroup;

constexpr SettingKey ColorKey(std::string_view key, ColorItem item)
{
    return {kSectionColors,
            key,
            SettingType::Color,
            SettingGroup::Colors,
            kDefaultColorCodes[static_cast<int>(item)],
            {},
            {},
            item};
}

// clang-format off
const SettingKey kSettingKeys[] = {
    {kSectionOptions, "AutoIndent", Bool, Editor, 1, {}, {}, &IntMember<&COptions::m_bAutoIndent>},
    {kSectionOptions, "Backup", Bool, Editor, 1, {}, {}, &IntMember<&COptions::m_bBackup>},
    {kSectionOptions, "Cursor", Bool, Editor, 0, {}, {}, &IntMember<&COptions::m_bCursor>},
    {kSectionFilelist, "Permanent", Bool, Editor, 1, {}, {}, &IntMember<&COptions::m_bPermanent>},
    {kSectionOptions, "Intervall", Int, Editor, 0, {}, IntRange{kMinIntervall, kMaxIntervall},
     &IntMember<&COptions::m_nIntervall>},
    {kSectionOptions, "TabLength", Int, Editor, 8, {}, IntRange{kMinTabLength, kMaxTabLength},
     &IntMember<&COptions::m_nTabLength>},
    {kSectionOptions, "UseBlanks", Bool, Editor, 0, {}, {}, &IntMember<&COptions::m_bUseBlanks>},
    {kSectionOptions, "AutoSave", Bool, Editor, 0, {}, {}, &IntMember<&COptions::m_bAutoSave>},
    {kSectionOptions, "Save on focus", Bool, Editor, 0, {}, {},
     &IntMember<&COptions::m_bSaveOnFocus>},
    {kSectionOptions, "ColorMode", Bool, Editor, 1, {}, {}, &IntMember<&AppSettings::m_bColorMode>},
    {kSectionOptions, "BRIEFkeys", Bool, Editor, 1, {}, {}, &IntMember<&COptions::m_bBRIEFkeys>},
    {kSectionOptions, "Splash", Bool, Splash, 1},
    {kSectionWindow, "Last Set", String, Workset, 0, "", {}, kWorksetName},
    {kSectionOptions, "Fontname", String, Font, 0, "Fixedsys", {},
     kText<&AppSettings::m_strFontName>},
    {kSectionOptions, "Fontheight", Int, Font, -12, {}, {}, &IntMember<&AppSettings::m_nFontHeight>},
    {kSectionOptions, "Fontweight", Int, Font, 400, {}, {}, &IntMember<&AppSettings::m_nFontWeight>},
    {kSectionOptions, "Charset", Int, Font, 0, {}, {}, &IntMember<&AppSettings::m_nCharset>},
    {kSectionOptions, "FontFamily", Int, Font, 1, {}, {}, &IntMember<&AppSettings::m_nFontFamily>},
    {kSectionOptions, "ToolBar", Bool, Bars, 1, {}, {}, &IntMember<&AppSettings::m_bToolBar>},
    {kSectionOptions, "ToolBar2", Bool, Bars, 1, {}, {}, &IntMember<&AppSettings::m_bToolBar2>},
    {kSectionOptions, "StatusBar", Bool, Bars, 1, {}, {}, &IntMember<&AppSettings::m_bStatusBar>},
    {kSectionOptions, "OpenDlg", Bool, Bars, 1, {}, {}, &IntMember<&AppSettings::m_bOpenDlg>},
    {kSectionOptions, "TabBar", Bool, Bars, 1, {}, {}, &IntMember<&AppSettings::m_bTabBar>},
    {kSectionSettings, "SaveDeskTop", Bool, RestoreDesktop, 1, {}, {},
     &IntMember<&COptions::m_bSaveDeskTop>},
    {kSectionSettings, "SaveDesktop", Bool, DesktopFlag, 1, {}, {}, &DesktopFlagHome},
    {kSectionSettings, "ZOrder", String, DesktopLayout, 0, ""},
    {kSectionSettings, "MainFrame", String, DesktopLayout, 0, ""},
    {kSectionPrinting, "Header", String, Printing, 0, "$File$    $Date$    $Time$", {},
     kText<&CPrintOptions::m_strHeader>},
    {kSectionPrinting, "Footer", String, Printing, 0, "-$Page$-", {},
     kText<&CPrintOptions::m_strFooter>},
    {kSectionPrinting, "Header style", Int, Printing, 0, {}, {},
     &IntMember<&CPrintOptions::m_nHeaderStyle>},
    {kSectionPrinting, "Footer style", Int, Printing, 1, {}, {},
     &IntMember<&CPrintOptions::m_nFooterStyle>},
    {kSectionPrinting, "Line numbers", Bool, Printing, 0, {}, {},
     &IntMember<&CPrintOptions::m_bLineNumbers>},
    {kSectionPrinting, "Color syntax", Bool, Printing, 1, {}, {},
     &IntMember<&CPrintOptions::m_bColorSyntax>},
    {kSectionPrinting, "Syntax Bold", Bool, Printing, 0, {}, {},
     &IntMember<&CPrintOptions::m_bSyntaxBold>},
    {kSectionPrinting, "Syntax Italic", Bool, Printing, 0, {}, {},
     &IntMember<&CPrintOptions::m_bSyntaxItalic>},
    {kSectionPrinting, "Syntax Underline", Bool, Printing, 0, {}, {},
     &IntMember<&CPrintOptions::m_bSyntaxUnderline>},
    ColorKey("Text", ColorItem::Text),
    ColorKey("TextBk", ColorItem::TextBk),
    ColorKey("Marked", ColorItem::Marked),
    ColorKey("MarkedBk", ColorItem::MarkedBk),
    ColorKey("Bookmark", ColorItem::Bookmark),
    ColorKey("BookmarkBk", ColorItem::BookmarkBk),
    ColorKey("CText", ColorItem::CText),
    ColorKey("CBk", ColorItem::CBk),
    ColorKey("CppText", ColorItem::CppText),
    ColorKey("CppBk", ColorItem::CppBk),
    ColorKey("Comment", ColorItem::Comment),
    ColorKey("CommentBk", ColorItem::CommentBk),
    ColorKey("Preprocessor", ColorItem::Preprocessor),
    ColorKey("PreprocessorBk", ColorItem::PreprocessorBk),
    {kSectionTips, "Show", Bool, Tips, 1},
    {kSectionTips, "LastPos", Int, Tips, 0},
    {kSectionMail, "MAPI", Bool, Mail, 0, {}, {}, &IntMember<&AppSettings::m_bMail>},
};
// clang-format on

const KeyFamily kKeyFamilies[] = {
    kDesktopTemplateKeys, kDesktopPathKeys,  kDesktopPlacementKeys,
    kSearchTextKeys,      kSearchOptionKeys, kExtensionKeys,
    kToolsKeys,           kHelpKeys,         kOutlinerKeys,
};

} // namespace

std::span<const SettingKey> SettingKeys()
{
    return kSettingKeys;
}

std::span<const KeyFamily> KeyFamilies()
{
    return kKeyFamilies;
}

std::string KeyFamily::KeyName(int n) const
{
    return std::string(prefix) + std::to_string(n);
}

const SettingKey& FindSettingKey(std::string_view section, std::string_view key)
{
    for (const SettingKey& setting : kSettingKeys) {
        if (setting.section == section && setting.key == key)
            return setting;
    }
    throw std::out_of_range("no such profile key");
}

std::int32_t ReadSettingInt(const Profile& profile, const SettingKey& setting)
{
    std::int32_t value = profile.ReadInt(setting.section, setting.key, setting.defaultInt);
    if (setting.range)
        value = std::clamp(value, setting.range->min, setting.range->max);
    return value;
}

std::int32_t ReadSettingInt(const Profile& profile, std::string_view section, std::string_view key)
{
    return ReadSettingInt(profile, FindSettingKey(section, key));
}

void ReadSetting(const Profile& profile, const SettingKey& setting, const SettingsHomes& homes)
{
    if (auto* intHome = std::get_if<IntHome>(&setting.home)) {
        (*intHome)(homes) = ReadSettingInt(profile, setting);
    } else if (auto* textHome = std::get_if<TextHome>(&setting.home)) {
        textHome->set(homes, profile.ReadString(setting.section, setting.key, setting.defaultText));
    } else if (auto* item = std::get_if<ColorItem>(&setting.home)) {
        homes.app.Color(*item).Set(ReadSettingInt(profile, setting));
    }
}

void WriteSetting(Profile& profile, const SettingKey& setting, const SettingsHomes& homes)
{
    if (auto* intHome = std::get_if<IntHome>(&setting.home)) {
        profile.WriteInt(setting.section, setting.key, (*intHome)(homes));
    } else if (auto* textHome = std::get_if<TextHome>(&setting.home)) {
        profile.WriteString(setting.section, setting.key, textHome->get(homes));
    } else if (auto* item = std::get_if<ColorItem>(&setting.home)) {
        profile.WriteInt(setting.section, setting.key, homes.app.Color(*item).code);
    }
}

void ReadSettingGroup(const Profile& profile, SettingGroup group, const SettingsHomes& homes)
{
    for (const SettingKey& setting : kSettingKeys) {
        if (setting.group == group)
            ReadSetting(profile, setting, homes);
    }
}

void WriteSettingGroup(Profile& profile, SettingGroup group, const SettingsHomes& homes)
{
    for (const SettingKey& setting : kSettingKeys) {
        if (setting.group == group)
            WriteSetting(profile, setting, homes);
    }
}
