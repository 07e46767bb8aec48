// The application shell's portable rules: the shell registration table, the
// automatic-save minute counter and the one-second tolerance of the change
// check.
#include "editor/app/autosave_clock.h"
#include "editor/app/disk_change.h"
#include "editor/app/shell_registration.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ShellRegistration, WritesEveryKeyWithTheExecutableAndItsService)
{
    const std::vector<RegistryDefault> expected{
        {"textfile", "Trelvan EDIT"},
        {"textfile\\shell\\open\\ddeexec", "open(%1)"},
        {"textfile\\shell\\open\\ddeexec\\application", "MARL"},
        {"textfile\\shell\\open\\command", "C:\\TE\\MARL.EXE %1"},
        {"textfile\\shell\\print\\ddeexec", "print(%1)"},
        {"textfile\\shell\\print\\ddeexec\\application", "MARL"},
        {"textfile\\shell\\print\\command", "C:\\TE\\MARL.EXE /p %1"},
        {"textfile\\shell\\printto\\command", "C:\\TE\\MARL.EXE /p %1"},
    };
    EXPECT_EQ(ShellRegistrationTable("C:\\TE\\MARL.EXE", "MARL"), expected);
}

TEST(ShellRegistration, ExecutablePathIsCutToItsBuffer)
{
    const std::string longPath = "C:\\" + std::string(400, 'x') + ".EXE";
    const std::vector<RegistryDefault> table = ShellRegistrationTable(longPath, "MARL");
    const std::string& open = table[3].value;
    EXPECT_EQ(open, longPath.substr(0, kShellExePathSize - 1) + " %1");
}

// Runs `minutes` ticks and returns the minutes (1-based) at which copies were due.
static std::vector<int> DueMinutes(AutoSaveClock& clock, int minutes, std::int32_t intervall,
                                   bool autoSave)
{
    std::vector<int> due;
    for (int m = 1; m <= minutes; ++m)
        if (clock.Tick(intervall, autoSave))
            due.push_back(m);
    return due;
}

TEST(AutoSaveClock, IntervallDecidesTheMinutes)
{
    struct Case {
        std::int32_t intervall;
        std::vector<int> due;
    };
    const Case cases[] = {
        {0, {1, 2, 3, 4, 5, 6}},
        {1, {1, 2, 3, 4, 5, 6}},
        {2, {2, 4, 6}},
        {5, {5}},
        {60, {}},
    };
    for (const Case& c : cases) {
        AutoSaveClock clock;
        EXPECT_EQ(DueMinutes(clock, 6, c.intervall, true), c.due) << "Intervall " << c.intervall;
    }
}

TEST(AutoSaveClock, CounterRunsWhileAutoSaveIsOff)
{
    // Intervall 5, AutoSave turned on at minute 3: the first copies at 5.
    AutoSaveClock clock;
    EXPECT_TRUE(DueMinutes(clock, 3, 5, false).empty());
    EXPECT_EQ(clock.Minutes(), 3u);
    EXPECT_EQ(DueMinutes(clock, 12, 5, true), (std::vector<int>{2, 7, 12}));
}

TEST(AutoSaveClock, OffAtTheDueMinuteStillRestartsTheCount)
{
    AutoSaveClock clock;
    EXPECT_TRUE(DueMinutes(clock, 5, 5, false).empty());
    EXPECT_EQ(clock.Minutes(), 0u);
}

TEST(DiskChange, MoreThanOneSecondEitherWayCounts)
{
    struct Case {
        std::int64_t recorded, disk;
        bool changed;
    };
    const Case cases[] = {
        {1000, 1000, false}, {1000, 1001, false}, {1000, 999, false},
        {1000, 1002, true},  {1000, 998, true},   {0, 1700000000, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChangedOnDisk(c.recorded, c.disk), c.changed)
            << c.recorded << " against " << c.disk;
}

TEST(DiskChange, QuestionIsPathBlankText)
{
    EXPECT_EQ(ReloadQuestion("C:\\A.TXT", "was modified"), "C:\\A.TXT was modified");
}
