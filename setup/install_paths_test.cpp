#include "setup/install_paths.h"

#include <gtest/gtest.h>

#include "setup/setup_fakes.h"

namespace {

using Strings = std::vector<std::string>;

TEST(CreateDirectoryPath, CreatesMissingDirectoriesFromTheRootDown)
{
    struct Case {
        const char* path;
        bool result;
        Strings made;
    } const cases[] = {
        {"C:\\A\\B\\C", true, {"mkdir C:\\A\\B", "mkdir C:\\A\\B\\C"}},
        {"C:\\A", true, {}},
        {"", true, {}},
        {"C:\\A\\B\\", true, {"mkdir C:\\A\\B"}},
        {"C:\\A\\\\B", true, {"mkdir C:\\A\\\\B"}},
        {"c:\\x", true, {"mkdir c:\\x"}},
        {"\\A\\B", false, {}},
        {"A\\B", false, {}},
        {"C:A", false, {}},
        {"1:\\A", false, {}},
        {"C:\\", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EventList events;
        FakeSetupPlatform platform(events);
        platform.directories.insert("C:\\A");
        EXPECT_EQ(CreateDirectoryPath(c.path, platform), c.result);
        EXPECT_EQ(events, c.made);
    }
}

TEST(CreateDirectoryPath, StopsAtTheFirstDirectoryThatCannotBeMade)
{
    EventList events;
    FakeSetupPlatform platform(events);
    platform.unmakeable.insert("C:\\A\\B");
    EXPECT_FALSE(CreateDirectoryPath("C:\\A\\B\\C", platform));
    EXPECT_EQ(events, (Strings{"mkdir C:\\A", "mkdir C:\\A\\B"}));
}

TEST(InstallPaths, ScriptNamesAndSubdirectoriesStayInTheDestination)
{
    struct Case {
        const char* text;
        bool plainName;
        bool staysBelow;
    } const cases[] = {
        {"MARL.EXE", true, true},
        {"", true, true},
        {"READ ME.TXT", true, true},
        {"..\\..\\X.DLL", false, false},
        {"..", false, false},
        {"A..B", false, true},
        {"BIN\\HELP", false, true},
        {"BIN/HELP", false, true},
        {"BIN\\..", false, true},
        {"BIN\\..\\..", false, false},
        {"BIN/../..", false, false},
        {"BIN\\.\\..\\..", false, false},
        {"BIN\\...\\...", false, false},
        {"BIN\\.. \\.. ", false, false},
        {"BIN\\...\\X", false, true},
        {".\\BIN", false, true},
        {"BIN\\\\HELP\\", false, true},
        {"\\WINDOWS", false, false},
        {"/WINDOWS", false, false},
        {"\\\\SERVER\\SHARE", false, false},
        {"C:\\WINDOWS", false, false},
        {"C:WINDOWS", false, false},
        {"X.DLL:STREAM", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsPlainFileName(c.text), c.plainName);
        EXPECT_EQ(StaysBelow(c.text), c.staysBelow);
    }
}

TEST(InstallPaths, UpperCaseTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCaseAscii("c:\\Progs\\\xE4pp 1"), "C:\\PROGS\\\xE4PP 1");
}

TEST(InstallPaths, FitPathKeeps259Characters)
{
    EXPECT_EQ(FitPath(std::string(300, 'p')), std::string(259, 'p'));
    EXPECT_EQ(FitPath("C:\\A"), "C:\\A");
}

} // namespace
