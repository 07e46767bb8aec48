#include "editor/app/cmdline_plan.h"
#include "editor/app/dde_command.h"

#include <gtest/gtest.h>

namespace {

using Kind = CommandLineActionKind;

CommandLineAction Open(const char* name)
{
    return {Kind::OpenFile, name};
}
CommandLineAction Workset(const char* name)
{
    return {Kind::SetWorksetName, name};
}
const CommandLineAction kNew{Kind::NewDocument, {}};
const CommandLineAction kPrint{Kind::SetPrintMode, {}};

struct PlanCase {
    const char* line;
    bool splash, window, desktop, print;
    std::vector<CommandLineAction> actions;
};

TEST(CommandLine, FollowsEveryRuleOfTheTable)
{
    const PlanCase cases[] = {
        {"", true, true, true, false, {}},
        {"main.c", true, true, true, false, {Open("main.c")}},
        {"a.c b.h", true, true, true, false, {Open("a.c"), Open("b.h")}},
        {"/d", true, true, false, false, {}},
        {"/NOSPLASH a.c", false, true, true, false, {Open("a.c")}},
        {"/nosplash", true, true, true, false, {}}, // compared with case
        {"/p a.c", false, false, false, true, {kPrint, Open("a.c")}},
        {"/P a.c", true, true, true, false, {Open("a.c")}},
        // "/p" inside a path: no picture, no desktop, but no print mode
        {"c:\\tmp/p.txt", false, true, false, false, {Open("c:\\tmp/p.txt")}},
        {"/sproject.set /e", true, true, true, false, {Workset("project.set"), kNew}},
        {"/sexample.set", true, true, true, false, {Workset("example.set")}},
        {"/S", true, true, true, false, {Workset("")}},
        {"/E /edit /x / a", true, true, true, false, {kNew, kNew, Open("a")}},
        {"a.c  b.c", true, true, true, false, {Open("a.c"), Open("b.c")}},
        {"/d/NOSPLASH", false, true, false, false, {}},
    };
    for (const PlanCase& c : cases) {
        CommandLinePlan plan = PlanCommandLine(c.line);
        EXPECT_EQ(plan.showSplash, c.splash) << c.line;
        EXPECT_EQ(plan.showMainWindow, c.window) << c.line;
        EXPECT_EQ(plan.restoreDesktop, c.desktop) << c.line;
        EXPECT_EQ(plan.printMode, c.print) << c.line;
        EXPECT_EQ(plan.actions, c.actions) << c.line;
    }
}

TEST(CommandLine, WorksetNameFitsItsBuffer)
{
    std::string line = "/s" + std::string(400, 'w');
    CommandLinePlan plan = PlanCommandLine(line);
    ASSERT_EQ(plan.actions.size(), 1u);
    EXPECT_EQ(plan.actions[0].argument.size(), kWorksetNameMax);
}

TEST(DdeCommand, OpensAndPrintsUpToTheFirstParenthesis)
{
    struct {
        const char* text;
        std::optional<DdeCommand> expected;
    } const cases[] = {
        {"open(c:\\a.txt)", DdeCommand{false, "c:\\a.txt"}},
        {"print(c:\\a.txt)", DdeCommand{true, "c:\\a.txt"}},
        {"open(c:\\a(1).txt)", DdeCommand{false, "c:\\a(1"}},
        {"open(\"c:\\a b.txt\")", DdeCommand{false, "\"c:\\a b.txt\""}},
        {"open(c:\\a.txt", std::nullopt},
        {"Open(c:\\a.txt)", std::nullopt},
        {"[open(\"x\")]", std::nullopt},
        {"open()", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDdeCommand(c.text), c.expected) << c.text;
}

} // namespace
