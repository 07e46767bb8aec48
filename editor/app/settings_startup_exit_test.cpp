#include "editor/app/testing/profile_memory.h"
#include "editor/app/profile_recording.h"
#include "editor/app/settings_exit.h"
#include "editor/app/settings_keys.h"
#include "editor/app/settings_startup.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A complete set of homes, as the program has them during a run.
struct TestHomes {
    COptions options;
    CPrintOptions printOptions;
    AppSettings app;
    std::int32_t desktopFlag = 1;
    WorksetName workset;
    ExtensionTable extensions;

    SettingsHomes Homes() { return {options, printOptions, app, desktopFlag, workset, extensions}; }
};

// What survives a run: everything except the ExtensionTable, which the
// Extensions page writes.
void ExpectSameSettings(const TestHomes& actual, const TestHomes& expected)
{
    EXPECT_EQ(actual.options, expected.options);
    EXPECT_EQ(actual.printOptions, expected.printOptions);
    EXPECT_EQ(actual.app, expected.app);
    EXPECT_EQ(actual.desktopFlag, expected.desktopFlag);
    EXPECT_EQ(actual.workset.Get(), expected.workset.Get());
}

class LoggingHooks : public StartupHooks, public ExitHooks {
public:
    explicit LoggingHooks(std::vector<std::string>& log) : m_log(log) {}
    bool splashWanted = true;

    bool SplashWanted() override { return splashWanted; }
    void ShowSplash() override { m_log.push_back("show splash"); }
    void LoadRecentFileList() override { m_log.push_back("load recent files"); }
    void SaveRecentFileList() override { m_log.push_back("save recent files"); }

private:
    std::vector<std::string>& m_log;
};

StartupSettings ReadAll(std::string_view profileText, TestHomes& homes,
                        std::string_view systemText = "")
{
    MemoryProfile store(profileText);
    MemoryProfile systemStore(systemText);
    StartupHooks hooks;
    return ReadSettingsAtStartup(Profile(store), Profile(systemStore), homes.Homes(), hooks);
}

std::string WriteAll(TestHomes& homes, std::string_view zOrder = "")
{
    MemoryProfile store;
    Profile profile(store);
    ExitHooks hooks;
    WriteSettingsOnExit(profile, homes.Homes(), zOrder, hooks);
    return store.Text();
}

// Every key of the table set to something other than its default.
const char kEveryKeyChanged[] = "[Options]\r\n"
                                "AutoIndent=0\r\n"
                                "Backup=0\r\n"
                                "Cursor=1\r\n"
                                "Intervall=15\r\n"
                                "TabLength=4\r\n"
                                "UseBlanks=1\r\n"
                                "AutoSave=1\r\n"
                                "Save on focus=1\r\n"
                                "ColorMode=0\r\n"
                                "BRIEFkeys=0\r\n"
                                "Splash=0\r\n"
                                "Fontname=Courier New\r\n"
                                "Fontheight=-16\r\n"
                                "Fontweight=700\r\n"
                                "Charset=238\r\n"
                                "FontFamily=49\r\n"
                                "ToolBar=0\r\n"
                                "ToolBar2=0\r\n"
                                "StatusBar=0\r\n"
                                "OpenDlg=0\r\n"
                                "TabBar=0\r\n"
                                "[Filelist]\r\n"
                                "Permanent=0\r\n"
                                "[Window]\r\n"
                                "Last Set=C:\\WORK\\PROJECT.SET\r\n"
                                "[Settings]\r\n"
                                "SaveDesktop=0\r\n"
                                "ZOrder=3,1\r\n"
                                "[Printing]\r\n"
                                "Header=$FileName$ $Page$\r\n"
                                "Footer=Page $Page$\r\n"
                                "Header style=2\r\n"
                                "Footer style=0\r\n"
                                "Line numbers=1\r\n"
                                "Color syntax=0\r\n"
                                "Syntax Bold=1\r\n"
                                "Syntax Italic=1\r\n"
                                "Syntax Underline=1\r\n"
                                "[Colors]\r\n"
                                "Text=1070\r\n"
                                "TextBk=1085\r\n"
                                "Marked=1071\r\n"
                                "MarkedBk=1087\r\n"
                                "Bookmark=1072\r\n"
                                "BookmarkBk=1100\r\n"
                                "CText=1074\r\n"
                                "CBk=1091\r\n"
                                "CppText=1071\r\n"
                                "CppBk=1093\r\n"
                                "Comment=1077\r\n"
                                "CommentBk=1094\r\n"
                                "Preprocessor=1082\r\n"
                                "PreprocessorBk=1099\r\n"
                                "[Tips]\r\n"
                                "Show=0\r\n"
                                "[Extensions]\r\n"
                                "1=Sources;*.c;*.h\r\n"
                                "2=All;*.*\r\n";
const char kMailOn[] = "[Mail]\r\nMAPI=1\r\n";

using Keys = std::vector<std::string_view>;
const Keys kPrintingKeys = {"Header",       "Footer",        "Header style",
                            "Footer style", "Line numbers",  "Color syntax",
                            "Syntax Bold",  "Syntax Italic", "Syntax Underline"};
const Keys kColorKeys = {"Text",       "TextBk",    "Marked",       "MarkedBk",      "Bookmark",
                         "BookmarkBk", "CText",     "CBk",          "CppText",       "CppBk",
                         "Comment",    "CommentBk", "Preprocessor", "PreprocessorBk"};

// Log lines as RecordingProfile writes them: "read Options/TabLength".
std::vector<std::string> Ops(std::string_view op, std::string_view section, const Keys& keys)
{
    std::vector<std::string> lines;
    for (std::string_view key : keys)
        lines.push_back(std::string(op) + " " + std::string(section) + "/" + std::string(key));
    return lines;
}

std::vector<std::string> Steps(std::initializer_list<std::vector<std::string>> groups)
{
    std::vector<std::string> all;
    for (const std::vector<std::string>& group : groups)
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

} // namespace

TEST(SettingsStartup, HandWrittenProfileFillsTheRightHomes)
{
    TestHomes homes;
    StartupSettings startup = ReadAll(kEveryKeyChanged, homes, kMailOn);

    EXPECT_FALSE(startup.splashShown);
    EXPECT_EQ(startup.tipsShow, 0);

    const COptions& o = homes.options;
    EXPECT_EQ(o.m_bAutoIndent, 0);
    EXPECT_EQ(o.m_bBackup, 0);
    EXPECT_EQ(o.m_bCursor, 1);
    EXPECT_EQ(o.m_bPermanent, 0);
    EXPECT_EQ(o.m_nIntervall, 15);
    EXPECT_EQ(o.m_nTabLength, 4);
    EXPECT_EQ(o.m_bUseBlanks, 1);
    EXPECT_EQ(o.m_bAutoSave, 1);
    EXPECT_EQ(o.m_bSaveOnFocus, 1);
    EXPECT_EQ(o.m_bBRIEFkeys, 0);
    EXPECT_EQ(o.m_bSaveDeskTop, 0);
    EXPECT_EQ(homes.desktopFlag, 0);

    EXPECT_EQ(homes.workset.Get(), "C:\\WORK\\PROJECT.SET");

    const AppSettings& a = homes.app;
    EXPECT_EQ(a.m_strFontName, "Courier New");
    EXPECT_EQ(a.m_nFontHeight, -16);
    EXPECT_EQ(a.m_nFontWeight, 700);
    EXPECT_EQ(a.m_nCharset, 238);
    EXPECT_EQ(a.m_nFontFamily, 49);
    EXPECT_EQ(a.m_bToolBar, 0);
    EXPECT_EQ(a.m_bToolBar2, 0);
    EXPECT_EQ(a.m_bStatusBar, 0);
    EXPECT_EQ(a.m_bOpenDlg, 0);
    EXPECT_EQ(a.m_bTabBar, 0);
    EXPECT_EQ(a.m_bColorMode, 0);
    EXPECT_EQ(a.m_bMail, 1);

    const CPrintOptions& p = homes.printOptions;
    EXPECT_EQ(p.m_strHeader, "$FileName$ $Page$");
    EXPECT_EQ(p.m_strFooter, "Page $Page$");
    EXPECT_EQ(p.m_nHeaderStyle, 2);
    EXPECT_EQ(p.m_nFooterStyle, 0);
    EXPECT_EQ(p.m_bLineNumbers, 1);
    EXPECT_EQ(p.m_bColorSyntax, 0);
    EXPECT_EQ(p.m_bSyntaxBold, 1);
    EXPECT_EQ(p.m_bSyntaxItalic, 1);
    EXPECT_EQ(p.m_bSyntaxUnderline, 1);

    struct ColorCase {
        ColorItem item;
        ColorCode code;
        ColorValue color;
    };
    const ColorCase colors[] = {
        {ColorItem::Text, 1070, MakeColorValue(255, 255, 255)},
        {ColorItem::TextBk, 1085, MakeColorValue(0, 0, 0)},
        {ColorItem::Marked, 1071, MakeColorValue(255, 0, 0)},
        {ColorItem::MarkedBk, 1087, MakeColorValue(255, 0, 0)},
        {ColorItem::Bookmark, 1072, MakeColorValue(0, 255, 0)},
        {ColorItem::BookmarkBk, 1100, MakeColorValue(0, 128, 128)},
        {ColorItem::CText, 1074, MakeColorValue(255, 255, 0)},
        {ColorItem::CBk, 1091, MakeColorValue(255, 0, 255)},
        {ColorItem::CppText, 1071, MakeColorValue(255, 0, 0)},
        {ColorItem::CppBk, 1093, MakeColorValue(128, 128, 128)},
        {ColorItem::Comment, 1077, MakeColorValue(128, 128, 128)},
        {ColorItem::CommentBk, 1094, MakeColorValue(192, 192, 192)},
        {ColorItem::Preprocessor, 1082, MakeColorValue(128, 128, 0)},
        {ColorItem::PreprocessorBk, 1099, MakeColorValue(128, 0, 128)},
    };
    for (const ColorCase& c : colors) {
        EXPECT_EQ(a.Color(c.item).code, c.code) << static_cast<int>(c.item);
        EXPECT_EQ(a.Color(c.item).color, c.color) << static_cast<int>(c.item);
    }

    EXPECT_EQ(homes.extensions.Entries(),
              (std::vector<ExtensionEntry>{{"Sources", "*.c;*.h"}, {"All", "*.*"}}));
}

TEST(SettingsStartup, EmptyProfileGivesTheValuesOfNewObjects)
{
    // Homes holding other values everywhere: every one of them must be read.
    TestHomes homes;
    ReadAll(kEveryKeyChanged, homes, kMailOn);
    StartupSettings startup = ReadAll("", homes);

    TestHomes fresh;
    ExpectSameSettings(homes, fresh);
    EXPECT_EQ(homes.app.Color(ColorItem::BookmarkBk).color, MakeColorValue(0, 128, 128));
    EXPECT_TRUE(startup.splashShown);
    EXPECT_EQ(startup.tipsShow, 1);
}

TEST(SettingsRoundTrip, ExitWriteThenStartReadReproducesEveryValue)
{
    for (const char* profile : {"", kEveryKeyChanged}) {
        TestHomes before;
        ReadAll(profile, before, kMailOn);
        std::string written = WriteAll(before);

        TestHomes after;
        ReadAll(written, after, kMailOn);
        ExpectSameSettings(after, before);
    }
}

TEST(SettingsStartup, ReadsInTheDocumentedOrder)
{
    std::vector<std::string> log;
    MemoryProfile store(kEveryKeyChanged);
    MemoryProfile systemStore(kMailOn);
    RecordingProfile recorder(store, log);
    RecordingProfile systemRecorder(systemStore, log, "system ");
    LoggingHooks hooks(log);
    hooks.splashWanted = true;
    store.WriteString("Options", "Splash", "1");
    TestHomes homes;

    ReadSettingsAtStartup(Profile(recorder), Profile(systemRecorder), homes.Homes(), hooks);

    const std::vector<std::string> expected = Steps({
        Ops("read", "Settings", {"SaveDesktop"}),
        Ops("read", "Options", {"Splash"}),
        {"show splash", "load recent files"},
        Ops("read", "Tips", {"Show"}),
        Ops("read", "Options", {"AutoIndent", "Backup", "Cursor"}),
        Ops("read", "Filelist", {"Permanent"}),
        Ops("read", "Options",
            {"Intervall", "TabLength", "UseBlanks", "AutoSave", "Save on focus", "ColorMode",
             "BRIEFkeys"}),
        Ops("read", "Window", {"Last Set"}),
        Ops("read", "Options",
            {"Fontname", "Fontheight", "Fontweight", "Charset", "FontFamily", "ToolBar", "ToolBar2",
             "StatusBar", "OpenDlg", "TabBar"}),
        Ops("read", "Settings", {"SaveDeskTop"}),
        Ops("read", "Printing", kPrintingKeys),
        Ops("read", "Colors", kColorKeys),
        {"system read Mail/MAPI"},
        Ops("read", "Extensions", {"1", "1", "2", "3"}),
    });
    EXPECT_EQ(log, expected);
}

TEST(SettingsStartup, SplashIsNeitherReadNorShownWhenNotWanted)
{
    std::vector<std::string> log;
    MemoryProfile store;
    RecordingProfile recorder(store, log);
    MemoryProfile systemStore;
    LoggingHooks hooks(log);
    hooks.splashWanted = false;
    TestHomes homes;

    StartupSettings startup =
        ReadSettingsAtStartup(Profile(recorder), Profile(systemStore), homes.Homes(), hooks);

    EXPECT_FALSE(startup.splashShown);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "read Settings/SaveDesktop");
    EXPECT_EQ(log[1], "load recent files");
    EXPECT_EQ(log[2], "read Tips/Show");
}

TEST(SettingsExit, WritesInTheDocumentedOrderAndNothingElse)
{
    std::vector<std::string> log;
    MemoryProfile store;
    RecordingProfile recorder(store, log);
    LoggingHooks hooks(log);
    TestHomes homes;
    Profile profile(recorder);

    WriteSettingsOnExit(profile, homes.Homes(), "2,,1", hooks);

    const std::vector<std::string> expected = Steps({
        Ops("write", "Settings", {"SaveDesktop", "ZOrder"}),
        {"save recent files"},
        Ops("write", "Options", {"AutoIndent", "Backup", "Cursor"}),
        Ops("write", "Filelist", {"Permanent"}),
        Ops("write", "Options",
            {"Intervall", "TabLength", "UseBlanks", "AutoSave", "Save on focus", "ColorMode",
             "BRIEFkeys"}),
        Ops("write", "Window", {"Last Set"}),
        Ops("write", "Options", {"Fontname", "Fontheight", "Fontweight", "Charset", "FontFamily"}),
        Ops("write", "Printing", kPrintingKeys),
        Ops("write", "Options", {"ToolBar", "ToolBar2", "StatusBar", "OpenDlg", "TabBar"}),
        Ops("write", "Colors", kColorKeys),
    });
    EXPECT_EQ(log, expected);
    EXPECT_EQ(profile.ReadString("Settings", "ZOrder"), "2,,1");
}

TEST(SettingsDesktopFlag, OneKeyReadTwiceAndWrittenAsSaveDesktop)
{
    TestHomes homes;
    ReadAll("[Settings]\r\nsavedesktop=0\r\n", homes);
    EXPECT_EQ(homes.desktopFlag, 0);
    EXPECT_EQ(homes.options.m_bSaveDeskTop, 0);

    // Switched on in the option pages during the run: exit stores that.
    homes.options.m_bSaveDeskTop = 1;
    MemoryProfile store;
    Profile profile(store);
    ExitHooks hooks;
    WriteSettingsOnExit(profile, homes.Homes(), "", hooks);
    EXPECT_EQ(homes.desktopFlag, 1);
    EXPECT_EQ(profile.ReadInt("Settings", "SAVEDESKTOP", 0), 1);
    ProfileKeyList list = profile.ListKeys("Settings");
    std::vector<std::string_view> keys = list.Names();
    EXPECT_EQ(std::set<std::string_view>(keys.begin(), keys.end()),
              (std::set<std::string_view>{"SaveDesktop", "ZOrder"}));
}

TEST(SettingsStartup, RangesAreClampedAndTextGivesTheDefault)
{
    struct Case {
        const char* value;
        std::int32_t tabLength;
        std::int32_t intervall;
    };
    const Case cases[] = {
        {"0", 1, 0},
        {"1", 1, 1},
        {"32", 32, 32},
        {"33", 32, 33},
        {"60", 32, 60},
        {"61", 32, 60},
        {"-4", 1, 0},
        {"99999999999999", 32, 60},
        {"-99999999999999", 1, 0},
        {"abc", 8, 0},
        {"  12  ", 12, 12},
        {"\"20\"", 20, 20},
    };
    for (const Case& c : cases) {
        TestHomes homes;
        ReadAll(std::string("[Options]\r\nTabLength=") + c.value + "\r\nIntervall=" + c.value,
                homes);
        EXPECT_EQ(homes.options.m_nTabLength, c.tabLength) << c.value;
        EXPECT_EQ(homes.options.m_nIntervall, c.intervall) << c.value;
    }
}

TEST(SettingsColors, CodesOutsideThePaletteAreBlackAndWrittenBackUnchanged)
{
    struct Case {
        const char* stored;
        ColorCode code;
        ColorValue color;
    };
    const Case cases[] = {
        {"5", 5, MakeColorValue(0, 0, 0)},
        {"-1", -1, MakeColorValue(0, 0, 0)},
        {"1068", 1068, MakeColorValue(0, 0, 0)},
        {"1069", 1069, MakeColorValue(0, 0, 0)},
        {"1070", 1070, MakeColorValue(255, 255, 255)},
        {"1084", 1084, MakeColorValue(0, 128, 128)},
        {"1085", 1085, MakeColorValue(0, 0, 0)},
        {"1086", 1086, MakeColorValue(255, 255, 255)},
        {"1100", 1100, MakeColorValue(0, 128, 128)},
        {"1101", 1101, MakeColorValue(0, 0, 0)},
        {"99999999999", 2147483647, MakeColorValue(0, 0, 0)},
        {"blue", 1069, MakeColorValue(0, 0, 0)}, // Text's default
    };
    for (const Case& c : cases) {
        TestHomes homes;
        ReadAll(std::string("[Colors]\r\nText=") + c.stored + "\r\n", homes);
        EXPECT_EQ(homes.app.Color(ColorItem::Text).code, c.code) << c.stored;
        EXPECT_EQ(homes.app.Color(ColorItem::Text).color, c.color) << c.stored;

        MemoryProfile written(WriteAll(homes));
        EXPECT_EQ(Profile(written).ReadInt("Colors", "Text", -7), c.code) << c.stored;
    }
}

TEST(SettingsBars, ZeroToolBarAndStatusBarAreKeptAndWrittenBack)
{
    TestHomes homes;
    ReadAll("[Options]\r\nToolBar=0\r\nStatusBar=0\r\nOpenDlg=5\r\n", homes);
    EXPECT_EQ(homes.app.m_bToolBar, 0);
    EXPECT_EQ(homes.app.m_bStatusBar, 0);
    MemoryProfile written(WriteAll(homes));
    Profile profile(written);
    EXPECT_EQ(profile.ReadString("Options", "ToolBar"), "0");
    EXPECT_EQ(profile.ReadString("Options", "StatusBar"), "0");
    EXPECT_EQ(profile.ReadString("Options", "OpenDlg"), "5");
}

TEST(SettingsStartup, HandEditedValuesAreReadSafely)
{
    std::string longName(10000, 'W');
    std::string text = "[Options]\r\nFontname=   \"Lucida Console\"   \r\nFontheight=-1x\r\n"
                       "Fontweight=\x01\x02\r\n[Printing]\r\nHeader=" +
                       std::string(10000, 'h') + "\r\n[Window]\r\nLast Set=" + longName +
                       "\r\n[Colors\r\nText=1070\r\n";
    TestHomes homes;
    ReadAll(text, homes);
    EXPECT_EQ(homes.app.m_strFontName, "Lucida Console");
    EXPECT_EQ(homes.app.m_nFontHeight, -1);
    EXPECT_EQ(homes.app.m_nFontWeight, 400);
    EXPECT_EQ(homes.printOptions.m_strHeader.size(), 10000u);
    // The workset name is a 260-byte buffer.
    EXPECT_EQ(homes.workset.Get(), longName.substr(0, 259));
    // "[Colors" without its bracket opens no section.
    EXPECT_EQ(homes.app.Color(ColorItem::Text).code, 1069);
}

TEST(SettingsStartup, MailFlagComesFromTheSystemProfileOnly)
{
    TestHomes homes;
    ReadAll("[Mail]\r\nMAPI=1\r\n", homes, "");
    EXPECT_EQ(homes.app.m_bMail, 0);
    ReadAll("", homes, "[mail]\r\nmapi=1\r\n");
    EXPECT_EQ(homes.app.m_bMail, 1);
}

TEST(SettingKeys, EachProfileKeyAppearsOnceExceptTheDesktopPair)
{
    std::set<std::string> seen;
    int desktopSpellings = 0;
    for (const SettingKey& setting : SettingKeys()) {
        std::string name = std::string(setting.section) + "/" + std::string(setting.key);
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name == "settings/savedesktop" && ++desktopSpellings == 2)
            continue;
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
    EXPECT_EQ(desktopSpellings, 2);
    EXPECT_THROW(FindSettingKey("Options", "NoSuchKey"), std::out_of_range);
}

TEST(SettingsObjects, PublishTheSettingsObjectsForTheRun)
{
    EXPECT_EQ(g_pOptions, nullptr);
    {
        SettingsObjects objects;
        EXPECT_EQ(g_pOptions, &objects.Options());
        EXPECT_EQ(g_pPrintOptions, &objects.PrintOptions());
        EXPECT_EQ(g_pOptions->m_nTabLength, 8);
    }
    EXPECT_EQ(g_pOptions, nullptr);
    EXPECT_EQ(g_pPrintOptions, nullptr);
}
