// The platform's private profile against the behaviour the settings code
// relies on; the same cases run natively against MemoryProfile.
#include "editor/app/profile_store_contract.h"
#include "editor/app/profile_win32.h"
#include "editor/app/settings_exit.h"
#include "editor/app/settings_startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string WindowsDirectory()
{
    char path[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    std::string directory(path, length);
    if (directory.empty() || directory.back() != '\\')
        directory += '\\';
    return directory;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A profile of its own name in the Windows directory, removed afterwards. The
// names differ per test so that no cached copy of an earlier file is seen.
class TemporaryProfile : public Win32Profile {
public:
    TemporaryProfile() : Win32Profile(NextName()), m_path(WindowsDirectory() + FileName())
    {
        DeleteFileA(m_path.c_str());
    }
    ~TemporaryProfile() override
    {
        // Makes the platform drop its cached copy before the file goes.
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, FileName().c_str());
        DeleteFileA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }

private:
    static std::string NextName()
    {
        static int counter = 0;
        return "TV" + std::to_string(GetCurrentProcessId() % 100000) + "_" +
               std::to_string(++counter) + ".INI";
    }
    std::string m_path;
};

struct Win32ProfileFactory {
    static std::unique_ptr<ProfileStore> Open(std::string_view fileText)
    {
        auto profile = std::make_unique<TemporaryProfile>();
        if (!fileText.empty()) {
            std::ofstream file(profile->Path(), std::ios::binary);
            file.write(fileText.data(), static_cast<std::streamsize>(fileText.size()));
        }
        return profile;
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ProfileStoreContract, Win32ProfileFactory);

TEST(Win32Profile, FirstWriteCreatesTheFileInTheWindowsDirectory)
{
    TemporaryProfile profile;
    EXPECT_FALSE(FileExists(profile.Path()));
    EXPECT_EQ(profile.ReadString("Options", "TabLength", "8"), "8");
    EXPECT_FALSE(FileExists(profile.Path())) << "a read must not create the file";

    EXPECT_TRUE(profile.WriteString("Options", "TabLength", "4"));
    EXPECT_TRUE(FileExists(profile.Path()));
    std::ifstream file(profile.Path(), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Options]"), std::string::npos) << text;
    EXPECT_NE(text.find("TabLength=4"), std::string::npos) << text;
}

TEST(Win32Profile, ProfileIsNamedAfterTheExecutable)
{
    std::string name = ExecutableProfileName();
    ASSERT_GT(name.size(), 4u);
    EXPECT_EQ(name.substr(name.size() - 4), ".INI");
    EXPECT_EQ(CharUpperA(name.data()), std::string("SETTINGS_WIN32_TEST.INI"));
}

namespace {

struct Homes {
    COptions options;
    CPrintOptions printOptions;
    AppSettings app;
    std::int32_t desktopFlag = 1;
    WorksetName workset;
    ExtensionTable extensions;

    SettingsHomes Get() { return {options, printOptions, app, desktopFlag, workset, extensions}; }
};

} // namespace

TEST(Win32Profile, SettingsSurviveARunThroughThePlatformProfile)
{
    auto handWritten = Win32ProfileFactory::Open("[options]\r\nTABLENGTH = 40\r\nIntervall=-3\r\n"
                                                 "Fontname=\"Courier New\"\r\nCursor=1\r\n"
                                                 "[Settings]\r\nsavedesktop=0\r\n"
                                                 "[Colors]\r\nText=5\r\nCBk=1100\r\n"
                                                 "[Printing]\r\nHeader=  $File$  \r\n"
                                                 "[Extensions]\r\n1=Sources;*.c;*.h\r\n2=All\r\n");
    TemporaryProfile system;
    system.WriteString("Mail", "MAPI", "1");
    Homes first;
    StartupHooks startupHooks;
    ReadSettingsAtStartup(Profile(*handWritten), Profile(system), first.Get(), startupHooks);

    EXPECT_EQ(first.options.m_nTabLength, 32);
    EXPECT_EQ(first.options.m_nIntervall, 0);
    EXPECT_EQ(first.options.m_bCursor, 1);
    EXPECT_EQ(first.options.m_bSaveDeskTop, 0);
    EXPECT_EQ(first.desktopFlag, 0);
    EXPECT_EQ(first.app.m_strFontName, "Courier New");
    EXPECT_EQ(first.app.m_bMail, 1);
    EXPECT_EQ(first.app.Color(ColorItem::Text).code, 5);
    EXPECT_EQ(first.app.Color(ColorItem::Text).color, MakeColorValue(0, 0, 0));
    EXPECT_EQ(first.app.Color(ColorItem::CBk).color, MakeColorValue(0, 128, 128));
    EXPECT_EQ(first.printOptions.m_strHeader, "$File$");
    EXPECT_EQ(first.extensions.Entries(), (std::vector<ExtensionEntry>{{"Sources", "*.c;*.h"}}));

    TemporaryProfile written;
    Profile writtenProfile(written);
    ExitHooks exitHooks;
    WriteSettingsOnExit(writtenProfile, first.Get(), "2,1", exitHooks);
    Homes second;
    ReadSettingsAtStartup(writtenProfile, Profile(system), second.Get(), startupHooks);
    EXPECT_EQ(second.options, first.options);
    EXPECT_EQ(second.printOptions, first.printOptions);
    EXPECT_EQ(second.app, first.app);
    EXPECT_EQ(second.desktopFlag, first.desktopFlag);
    EXPECT_EQ(writtenProfile.ReadString("Settings", "ZOrder"), "2,1");
}
