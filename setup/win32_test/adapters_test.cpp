// The platform side of the installer's core on the real system: the script
// through the private-profile lookup, version.dll on real programs with
// version resources, the file system, the profile writer and message boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include "setup/install_engine.h"
#include "setup/install_paths.h"
#include "setup/script_profile_win32.h"
#include "setup/setup_fakes.h"
#include "setup/setup_messages_win32.h"
#include "setup/setup_platform_win32.h"
#include "setup/version_services_win32.h"
#include "framework/testing/test_folder.h"

namespace {
using namespace fw::test;

const std::string kOld = ProgramFolder() + "\\" + TEST_APP_V1;
const std::string kNew = ProgramFolder() + "\\" + TEST_APP_V2;

std::string CharUpperString(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TEST(ScriptProfile, ReadsTheScriptWithTheLookupsRulesAndCutsLongValues)
{
    TestFolder folder;
    const std::string longValue(300, 'x');
    WriteFileText(folder / "SETUP.INF", "[Application]\r\nTitle =  Demo  \r\nDir=\"C:\\DEMO\"\r\n"
                                        "Group=" +
                                            longValue +
                                            "\r\n"
                                            "[files]\r\n1=,A.EXE,,,10\r\n2=,B.DLL\r\n4=,D.TXT\r\n");
    const ScriptProfile script(folder / "SETUP.INF");
    EXPECT_EQ(script.ReadString("application", "title"), "Demo");
    EXPECT_EQ(script.ReadString("Application", "Dir"), "C:\\DEMO");
    EXPECT_EQ(script.ReadString("Application", "Missing"), "");
    EXPECT_EQ(script.ReadString("Application", "Group"), longValue.substr(0, kMaxValueLength));

    const InstallModel model = ReadInstallModel(script, folder.Path() + "\\");
    EXPECT_EQ(model.m_strTitle, "Demo");
    ASSERT_EQ(model.m_files.size(), 2u); // the gap at key 3 ends the list
    EXPECT_EQ(model.m_files[1], ",B.DLL");
}

TEST(ScriptProfile, MissingScriptReadsAsEmpty)
{
    TestFolder folder;
    const InstallModel model =
        ReadInstallModel(ScriptProfile(folder / "SETUP.INF"), folder.Path() + "\\");
    EXPECT_EQ(model.m_strTitle, "");
    EXPECT_TRUE(model.m_files.empty());
}

// The engine on the real services, with recorded boxes and a fake window.
struct RealInstall {
    explicit RealInstall(const TestFolder& source, const std::string& installDir)
    {
        model.m_strSourceDir = source.Path() + "\\";
        model.m_strInstallDir = installDir;
    }
    void Install(const std::string& entry)
    {
        model.m_files = {entry};
        InstallEngine engine(model, {versions, platform, messages, view, progman});
        engine.InstallFiles();
    }
    InstallModel model;
    EventList events;
    Win32VersionServices versions;
    Win32SetupPlatform platform;
    RecordingSetupMessages messages{events};
    FakeInstallView view{events};
    FakeProgmanChannel progman{events};
};

TEST(VersionServices, NewFileIsCopiedIntoACreatedDirectoryAndLogged)
{
    TestFolder source, target;
    CopyFileA(kNew.c_str(), (source / "APP.EXE").c_str(), FALSE);
    RealInstall run(source, target / "Prog\\Bin");
    run.Install(",APP.EXE,,,100,,1,1");
    EXPECT_EQ(ReadFileText(target / "Prog\\Bin\\APP.EXE"), ReadFileText(kNew));
    EXPECT_EQ(run.model.m_installed, (std::vector<std::uint32_t>{1}));
    const std::string dir = UpperCaseAscii(target / "Prog\\Bin");
    EXPECT_EQ(ReadFileText(target / "Prog\\Bin\\SETUP.LOG"), dir + "\\APP.EXE\r\n");
    EXPECT_EQ(run.messages.shown.back().text, "Setup successfull");
}

TEST(VersionServices, OlderFileLeavesTheNewerOneAndNoTemporaryCopy)
{
    TestFolder source, target;
    CopyFileA(kOld.c_str(), (source / "APP.EXE").c_str(), FALSE);
    CopyFileA(kNew.c_str(), (target / "APP.EXE").c_str(), FALSE);
    Win32VersionServices versions;
    std::string temp;
    const unsigned first =
        versions.InstallFile(0, "APP.EXE", source.Path(), target.Path(), target.Path(), temp);
    EXPECT_TRUE(first & kInstallSourceOld) << std::hex << first;
    EXPECT_TRUE(first & kInstallMismatch) << std::hex << first;
    DeleteFileA((target.Path() + "\\" + temp).c_str()); // this probe's own copy

    RealInstall run(source, target.Path());
    run.Install(",APP.EXE,,,100");
    EXPECT_EQ(ReadFileText(target / "APP.EXE"), ReadFileText(kNew));
    // Only the program itself is left: the service's temporary copies are gone.
    WIN32_FIND_DATAA found;
    int files = 0;
    HANDLE find = FindFirstFileA((target / "*").c_str(), &found);
    do
        files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileA(find, &found));
    FindClose(find);
    EXPECT_EQ(files, 1);
    EXPECT_EQ(run.model.m_installed, (std::vector<std::uint32_t>{1}));
}

TEST(VersionServices, NewerFileReplacesAnOlderOne)
{
    TestFolder source, target;
    CopyFileA(kNew.c_str(), (source / "APP.EXE").c_str(), FALSE);
    CopyFileA(kOld.c_str(), (target / "APP.EXE").c_str(), FALSE);
    RealInstall run(source, target.Path());
    run.Install(",APP.EXE,,,100");
    EXPECT_EQ(ReadFileText(target / "APP.EXE"), ReadFileText(kNew));
    EXPECT_EQ(run.model.m_installed, (std::vector<std::uint32_t>{1}));
}

TEST(VersionServices, ReadOnlyTargetIsMadeWritableAndReplaced)
{
    TestFolder source, target;
    WriteFileText(source / "README.TXT", "new text");
    WriteFileText(target / "README.TXT", "old text");
    SetFileAttributesA((target / "README.TXT").c_str(), FILE_ATTRIBUTE_READONLY);
    RealInstall run(source, target.Path());
    run.Install(",README.TXT,,,8");
    EXPECT_EQ(ReadFileText(target / "README.TXT"), "new text");
    EXPECT_EQ(GetFileAttributesA((target / "README.TXT").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(run.model.m_installed, (std::vector<std::uint32_t>{1}));
}

TEST(VersionServices, MissingSourceIsNotInstalledAndSetupGoesOn)
{
    TestFolder source, target;
    RealInstall run(source, target.Path());
    run.Install(",GONE.TXT,,,8");
    EXPECT_FALSE(FileExists(target / "GONE.TXT"));
    EXPECT_TRUE(run.model.m_installed.empty());
    EXPECT_EQ(run.messages.shown.back().text, "Setup successfull");
}

TEST(VersionServices, SharedFileGoesWhereTheFindingServicePoints)
{
    TestFolder source, target;
    WriteFileText(source / "SETUPWTEST.DLL", "shared");
    Win32VersionServices versions;
    Win32SetupPlatform platform;
    const FoundFile found =
        versions.FindFile(true, "SETUPWTEST.DLL", platform.WindowsDirectory(), target.Path());
    EXPECT_EQ(found.result & kFindFileInUse, 0u);
    EXPECT_EQ(CharUpperString(found.destDir), CharUpperString(platform.SystemDirectory()));
}

TEST(SetupPlatform, CreatesEveryMissingDirectoryOfAPath)
{
    TestFolder folder;
    Win32SetupPlatform platform;
    EXPECT_TRUE(CreateDirectoryPath(folder / "A\\B\\C", platform));
    EXPECT_TRUE(platform.DirectoryExists(folder / "A\\B\\C"));
    EXPECT_FALSE(CreateDirectoryPath("\\NoDrive\\X", platform));
}

TEST(SetupPlatform, AppendsToTheLogAndWritesProfileEntries)
{
    TestFolder folder;
    Win32SetupPlatform platform;
    platform.AppendText(folder / "SETUP.LOG", "one\r\n");
    platform.AppendText(folder / "SETUP.LOG", "two\r\n");
    EXPECT_EQ(ReadFileText(folder / "SETUP.LOG"), "one\r\ntwo\r\n");

    platform.WriteProfileEntry(folder / "APP.INI", "Options", "Colour", "blue");
    char value[32] = {};
    GetPrivateProfileStringA("Options", "Colour", "", value, sizeof value,
                             (folder / "APP.INI").c_str());
    EXPECT_STREQ(value, "blue");
    EXPECT_FALSE(platform.WindowsDirectory().empty());
    EXPECT_FALSE(platform.SystemDirectory().empty());
}

TEST(SetupMessages, BoxStylesAndAnswers)
{
    struct Case {
        SetupBox box;
        UINT style;
    };
    const Case cases[] = {
        {{"t", "c", SetupIcon::None, SetupButtons::Ok, false}, MB_OK},
        {{"t", "c", SetupIcon::Exclamation, SetupButtons::AbortRetryIgnore, false},
         MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION},
        {{"t", "c", SetupIcon::Stop, SetupButtons::Ok, false}, MB_OK | MB_ICONSTOP},
        {{"t", "Error", SetupIcon::None, SetupButtons::Ok, true},
         MB_OK | MB_TASKMODAL | MB_SETFOREGROUND},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageBoxStyle(c.box), c.style) << c.box.text;
    EXPECT_EQ(AnswerOf(IDABORT), SetupAnswer::Abort);
    EXPECT_EQ(AnswerOf(IDRETRY), SetupAnswer::Retry);
    EXPECT_EQ(AnswerOf(IDIGNORE), SetupAnswer::Ignore);
    EXPECT_EQ(AnswerOf(IDOK), SetupAnswer::Ok);
}

} // namespace
