#include "setup/script_variables.h"

#include <gtest/gtest.h>

namespace {

const VariableDirs kDirs{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\APP"};

TEST(ScriptVariables, SharedDestinationIsTheWholeFieldInItsCase)
{
    EXPECT_TRUE(IsSharedDestination("$WINDIR"));
    EXPECT_TRUE(IsSharedDestination("$WINSYSTEM"));
    EXPECT_FALSE(IsSharedDestination("$windir"));
    EXPECT_FALSE(IsSharedDestination("$WINDIR\\SUB"));
    EXPECT_FALSE(IsSharedDestination(" $WINDIR"));
    EXPECT_FALSE(IsSharedDestination(""));
}

TEST(ScriptVariables, RunDirectoryMatchesOnlyAWholeField)
{
    struct Case {
        const char* field;
        const char* expected;
    } const cases[] = {
        {"$WINDIR", "C:\\WINDOWS"},
        {"$WINSYSTEM", "C:\\WINDOWS\\SYSTEM"},
        {"$INSTDIR", "C:\\APP"},
        {"$INSTDIR\\BIN", "$INSTDIR\\BIN"},
        {"$instdir", "$instdir"},
        {"D:\\WORK", "D:\\WORK"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(SubstituteRunDirectory(c.field, kDirs), c.expected);
    }
}

TEST(ScriptVariables, ProgmanPathsReplaceTheContainedName)
{
    struct Case {
        const char* field;
        const char* expected;
    } const cases[] = {
        {"$INSTDIR\\APP.EXE", "C:\\APP\\APP.EXE"},
        {"$INSTDIR", "C:\\APP"},
        {"X:$INSTDIR\\A.EXE", "C:\\APP\\A.EXE"}, // what stood before goes
        {"$INSTDIR\\$INSTDIR", "C:\\APP\\$INSTDIR"},
        {"$Instdir\\A.EXE", "$Instdir\\A.EXE"},
        {"$WINDIR\\A.EXE", "$WINDIR\\A.EXE"}, // only the directory field knows it
        {"NOTEPAD.EXE", "NOTEPAD.EXE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(SubstituteProgmanPath(c.field, kDirs.install), c.expected);
    }
}

TEST(ScriptVariables, ProgmanDirectoryTriesTheNamesInTurn)
{
    struct Case {
        const char* field;
        VariableDirs dirs;
        const char* expected;
    } const cases[] = {
        {"$INSTDIR\\DATA", kDirs, "C:\\APP\\DATA"},
        {"$WINDIR\\TEMP", kDirs, "C:\\WINDOWS\\TEMP"},
        {"$WINSYSTEM", kDirs, "C:\\WINDOWS\\SYSTEM"},
        {"$winsystem", kDirs, "$winsystem"},
        // Each name is looked for in the result of the one before.
        {"$INSTDIR\\X", {"C:\\WIN", "C:\\SYS", "$WINDIR"}, "C:\\WIN\\X"},
        {"$WINDIR", {"$WINSYSTEM", "C:\\SYS", "C:\\APP"}, "C:\\SYS"},
        {"$WINSYSTEM", {"C:\\WIN", "C:\\SYS", "$WINDIR"}, "C:\\SYS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(SubstituteProgmanDirectory(c.field, c.dirs), c.expected);
    }
}

} // namespace
