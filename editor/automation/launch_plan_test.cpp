#include "editor/automation/launch_plan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(LaunchPlan, DosRunsTheFirstInterpreterThatExists)
{
    const std::string longSpec(300, 'x');
    const struct {
        const char* name;
        std::set<std::string> found;
        std::optional<std::string> comSpec;
        std::string command;
    } cases[] = {
        {"dosprmpt.pif before everything",
         {"dosprmpt.pif", "command.pif"},
         "c:\\cmd.exe",
         "dosprmpt.pif"},
        {"command.pif before COMSPEC", {"command.pif"}, "c:\\cmd.exe", "command.pif"},
        {"COMSPEC when no pif exists", {}, "c:\\windows\\cmd.exe", "c:\\windows\\cmd.exe"},
        {"COMSPEC is read into 260 bytes", {}, longSpec, longSpec.substr(0, 259)},
        {"the fallback last", {}, std::nullopt, "C:\\command.com"},
    };
    for (const auto& c : cases) {
        DosShellEnvironment env;
        env.fileFound = [&](const std::string& name) { return c.found.count(name) != 0; };
        env.comSpec = c.comSpec;
        EXPECT_EQ(DosShellCommand(env), c.command) << c.name;
    }
}

TEST(LaunchPlan, ProgramRunsTheFileOrTheTypedCommand)
{
    const struct {
        const char* chosen;
        bool exists;
        const char* command;
    } cases[] = {
        {"c:\\tools\\lint.exe", true, "c:\\tools\\lint.exe"},
        {"c:\\work\\notepad readme.txt", false, "notepad readme.txt"},
        {"notepad", false, "notepad"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramCommandLine(c.chosen, c.exists), c.command) << c.chosen;
}

TEST(LaunchPlan, ChosenDirectoryIsTheUpperCasePathBeforeTheName)
{
    const struct {
        const char* dialogPath;
        const char* directory;
    } cases[] = {
        {"c:\\work\\src\\Junk", "C:\\WORK\\SRC"},
        {"d:\\Junk", "D:\\"},
        {"Junk", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChosenDirectory(c.dialogPath), c.directory) << c.dialogPath;
}

} // namespace
