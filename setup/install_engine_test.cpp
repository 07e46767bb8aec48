#include "setup/install_engine.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "setup/component_filter.h"
#include "setup/setup_fakes.h"

namespace {

using Strings = std::vector<std::string>;
using Positions = std::vector<std::uint32_t>;

std::string FileEntry(const std::string& name, const std::string& dest, int size, int component = 0,
                      int log = 0)
{
    return "x," + name + "," + dest + ",," + std::to_string(size) + ",," +
           std::to_string(component) + "," + std::to_string(log);
}

// The engine with every service faked, installing from A:\ into C:\APP.
struct InstallRig {
    InstallRig()
    {
        model.m_strSourceDir = "A:\\";
        model.m_strInstallDir = "C:\\APP";
        platform.directories.insert({"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM"});
        view.paintedProgress = &engine.Progress();
    }

    Strings Boxes() const
    {
        Strings texts;
        for (const auto& shown : messages.shown)
            texts.push_back(shown.text);
        return texts;
    }

    Strings EventsStartingWith(std::string_view prefix) const
    {
        Strings found;
        for (const std::string& event : events)
            if (event.starts_with(prefix))
                found.push_back(event);
        return found;
    }

    bool Happened(const std::string& event) const
    {
        return std::find(events.begin(), events.end(), event) != events.end();
    }

    EventList events;
    RecordingSetupMessages messages{events};
    FakeVersionServices versions{events};
    FakeSetupPlatform platform{events};
    FakeInstallView view{events};
    FakeProgmanChannel progman{events};
    InstallModel model;
    InstallEngine engine{model, {versions, platform, messages, view, progman}};
};

class InstallEngineTest : public testing::Test, protected InstallRig {};

TEST_F(InstallEngineTest, RunsTheWholeCommandInOrder)
{
    model.m_strGroup = "Trelvan";
    model.m_files = {FileEntry("A.EXE", "", 300, 0, 1), FileEntry("B.DLL", "$WINSYSTEM", 700)};
    model.m_iniEntries = {"WIN.INI,Extensions,c,marl.exe ^.c"};
    model.m_progmanItems = {"$INSTDIR\\MARL.EXE,Edit"};
    model.m_runs = {"0,$INSTDIR,README.TXT,/x"};

    engine.InstallFiles();

    EXPECT_EQ(events, (Strings{
                          "paint all",
                          "paint caption A.EXE",
                          "find A.EXE private C:\\WINDOWS C:\\APP",
                          "mkdir C:\\APP",
                          "append C:\\APP\\SETUP.LOG",
                          "install A.EXE flags 0",
                          "paint bar 30",
                          "paint caption B.DLL",
                          "find B.DLL shared C:\\WINDOWS C:\\APP",
                          "install B.DLL flags 0",
                          "paint bar 100",
                          "paint all",
                          "ini WIN.INI|Extensions|c|marl.exe ^.c",
                          "dde open",
                          "dde [CreateGroup(Trelvan)]",
                          "dde [ShowGroup(Trelvan,1)]",
                          "dde close",
                          "dde open",
                          "dde [ReplaceItem(\"Edit\")]",
                          "dde close",
                          "dde open",
                          "dde [AddItem(\"C:\\APP\\MARL.EXE\",\"Edit\",,0,,,)]",
                          "dde close",
                          "top",
                          "run README.TXT|/x|C:\\APP",
                          "top",
                          "box Setup successfull",
                          "post exit",
                      }));
    EXPECT_EQ(model.m_installed, (Positions{1, 2}));
    EXPECT_EQ(engine.Progress().m_nProgressState, kProgressIdle);
    EXPECT_EQ(engine.Progress().m_nTotal, 1000);
    EXPECT_EQ(engine.Progress().m_nDone, 1000);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Trelvan Setup");
    EXPECT_EQ(messages.shown[0].buttons, SetupButtons::Ok);
    EXPECT_FALSE(messages.shown[0].ownerless);
}

TEST_F(InstallEngineTest, EmptyFileListStillEndsWithSuccess)
{
    engine.InstallFiles();
    EXPECT_TRUE(EventsStartingWith("paint bar").empty());
    EXPECT_TRUE(EventsStartingWith("paint caption").empty());
    EXPECT_EQ(Boxes(), (Strings{"Setup successfull"}));
    EXPECT_TRUE(Happened("post exit"));
}

TEST_F(InstallEngineTest, DestinationDecidesWhereTheServiceLooks)
{
    struct Case {
        const char* dest;
        const char* found; // the find event
    } const cases[] = {
        {"", "find F private C:\\WINDOWS C:\\APP"},
        {"BIN", "find F private C:\\WINDOWS C:\\APP\\BIN"},
        {"$WINDIR", "find F shared C:\\WINDOWS C:\\APP"},
        {"$WINSYSTEM", "find F shared C:\\WINDOWS C:\\APP"},
        {"$windir", "find F private C:\\WINDOWS C:\\APP\\$windir"},
        {"$WINDIR\\SUB", "find F private C:\\WINDOWS C:\\APP\\$WINDIR\\SUB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dest);
        events.clear();
        engine.InstallFile(FileEntry("F", c.dest, 1), 1);
        EXPECT_EQ(EventsStartingWith("find"), (Strings{c.found}));
    }
}

TEST_F(InstallEngineTest, CopiesFromTheSourceIntoTheUpperCasedDestination)
{
    versions.findResults["B.DLL"] = {{0, "c:\\windows", "c:\\windows"}};
    engine.InstallFile(FileEntry("B.DLL", "$WINSYSTEM", 5, 0, 1), 1);

    ASSERT_EQ(versions.installCalls.size(), 1u);
    const auto& call = versions.installCalls[0];
    EXPECT_EQ(call.flags, 0u);
    EXPECT_EQ(call.name, "B.DLL");
    EXPECT_EQ(call.sourceDir, "A:\\");
    EXPECT_EQ(call.destDir, "C:\\WINDOWS");
    EXPECT_EQ(call.currentDir, "c:\\windows");
    EXPECT_EQ(call.tempFileIn, "");
    // Logged where the service put it.
    EXPECT_EQ(platform.files["C:\\WINDOWS\\SETUP.LOG"], "C:\\WINDOWS\\B.DLL\r\n");
}

TEST_F(InstallEngineTest, SetupLogGetsALinePerLoggedFileInItsOwnDirectory)
{
    model.m_strInstallDir = "c:\\app";
    model.m_files = {FileEntry("a.exe", "", 1, 0, 1), FileEntry("b.hlp", "help", 1, 0, 1),
                     FileEntry("c.txt", "", 1, 0, 0), FileEntry("d.dll", "", 1, 0, 1)};
    versions.installResults["d.dll"] = {kInstallCannotRename};
    engine.InstallFiles();

    // Files that then fail are logged all the same; the name keeps its case.
    EXPECT_EQ(platform.files["C:\\APP\\SETUP.LOG"], "C:\\APP\\a.exe\r\nC:\\APP\\d.dll\r\n");
    EXPECT_EQ(platform.files["C:\\APP\\HELP\\SETUP.LOG"], "C:\\APP\\HELP\\b.hlp\r\n");
    EXPECT_EQ(platform.files.size(), 2u);
    EXPECT_EQ(model.m_installed, (Positions{1, 2, 3}));
}

TEST_F(InstallEngineTest, EntriesLeadingOutOfTheDestinationAreRefused)
{
    model.m_files = {FileEntry("..\\..\\X.DLL", "", 10, 0, 1),
                     FileEntry("Y.DLL", "..\\..", 10, 0, 1),
                     FileEntry("Z.DLL", "D:\\TOOLS", 10, 0, 1), FileEntry("C:X.DLL", "$WINDIR", 10),
                     FileEntry("OK.EXE", "BIN", 60, 0, 1)};
    versions.installResults["OK.EXE"] = {kInstallWriteProtected, 0};
    engine.InstallFiles();

    EXPECT_EQ(Boxes(), (Strings{
                           "Cannot install ..\\..\\X.DLL outside the destination directory",
                           "Cannot install ..\\..\\Y.DLL outside the destination directory",
                           "Cannot install D:\\TOOLS\\Z.DLL outside the destination directory",
                           "Cannot install C:X.DLL outside the destination directory",
                           "Setup successfull",
                       }));
    EXPECT_EQ(messages.shown[0].caption, "Trelvan Setup");
    // Nothing is looked for, made, logged, unprotected or copied for them.
    EXPECT_EQ(EventsStartingWith("find"),
              (Strings{"find OK.EXE private C:\\WINDOWS C:\\APP\\BIN"}));
    EXPECT_EQ(EventsStartingWith("attributes"), (Strings{"attributes C:\\APP\\BIN\\OK.EXE"}));
    EXPECT_EQ(EventsStartingWith("mkdir"), (Strings{"mkdir C:\\APP", "mkdir C:\\APP\\BIN"}));
    EXPECT_EQ(platform.files.size(), 1u);
    EXPECT_EQ(model.m_installed, (Positions{5}));
    EXPECT_EQ(engine.Progress().m_nPercent, 100);
}

TEST(InstallEngine, InUseWhileFinding)
{
    const std::string prompt = "The file \"F.DLL\" is currently in use by another application.\n"
                               "Please close all applications that use this file and press retry\n"
                               "or press cancel to abort the installation.";
    struct Case {
        const char* what;
        std::deque<SetupAnswer> answers;
        std::size_t prompts;
        bool installed;
        bool ended;
    } const cases[] = {
        {"retry until free", {SetupAnswer::Retry, SetupAnswer::Retry}, 2, true, false},
        {"ignore skips the file", {SetupAnswer::Ignore}, 1, false, false},
        {"abort ends setup", {SetupAnswer::Abort}, 1, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InstallRig rig;
        rig.model.m_files = {FileEntry("F.DLL", "", 40), FileEntry("G.DLL", "", 60)};
        rig.model.m_iniEntries = {"A.INI,S,K,V"};
        // In use twice, then free (only a retry gets that far).
        rig.versions.findResults["F.DLL"] = {{kFindFileInUse, "", "C:\\APP"},
                                             {kFindFileInUse, "", "C:\\APP"}};
        rig.messages.answers = c.answers;

        rig.engine.InstallFiles();

        ASSERT_GE(rig.messages.shown.size(), c.prompts);
        for (std::size_t i = 0; i < c.prompts; ++i) {
            EXPECT_EQ(rig.messages.shown[i].text, prompt);
            EXPECT_EQ(rig.messages.shown[i].icon, SetupIcon::Exclamation);
            EXPECT_EQ(rig.messages.shown[i].buttons, SetupButtons::AbortRetryIgnore);
            EXPECT_EQ(rig.messages.shown[i].caption, "Trelvan Setup");
        }
        const bool fInstalled =
            std::count(rig.model.m_installed.begin(), rig.model.m_installed.end(), 1u) > 0;
        EXPECT_EQ(fInstalled, c.installed);
        EXPECT_EQ(rig.engine.SetupEnded(), c.ended);
        const bool sent = std::count(rig.events.begin(), rig.events.end(), "send exit") > 0;
        EXPECT_EQ(sent, c.ended);
        if (c.ended) {
            // Nothing further: no other file, profile entry, group or success box.
            EXPECT_EQ(rig.versions.installCalls.size(), 0u);
            EXPECT_EQ(rig.messages.shown.size(), c.prompts);
            EXPECT_EQ(rig.events.back(), "send exit");
            EXPECT_EQ(rig.progman.opened, 0);
        } else {
            // A skipped file still counts: the bar reaches 100 percent.
            EXPECT_EQ(rig.engine.Progress().m_nPercent, 100);
            EXPECT_EQ(rig.messages.shown.back().text, "Setup successfull");
        }
    }
}

struct ResultCase {
    const char* what;
    std::deque<unsigned> results; // what the service answers, call by call
    std::deque<SetupAnswer> answers;
    std::vector<unsigned> flags; // the flags of each call made
    Strings boxes;
    Strings fileEvents; // attribute and remove events
    bool installed;
    bool ended;
};

TEST(InstallEngine, ResultBitsDecideRetriesMessagesAndOutcome)
{
    const std::string inUse = "The file 'F.EXE' is currently in use\nClose any application using "
                              "this file and try again.";
    const unsigned kTemp = kInstallTempFile;
    const unsigned kOld = kInstallMismatch | kInstallSourceOld | kTemp;
    const ResultCase cases[] = {
        {"clean install", {0}, {}, {0}, {}, {}, true, false},
        {"mismatch is installed with force",
         {kInstallMismatch | kTemp, 0},
         {},
         {0, 1},
         {},
         {},
         true,
         false},
        {"other language is installed with force",
         {kInstallMismatch | kInstallDiffLang | kTemp, 0},
         {},
         {0, 1},
         {},
         {},
         true,
         false},
        {"an older source leaves the newer copy",
         {kOld},
         {},
         {0},
         {},
         {"remove C:\\APP\\VER1234.TMP"},
         true,
         false},
        {"write-protected target is made writable",
         {kInstallWriteProtected, 0},
         {},
         {0, 0},
         {},
         {"attributes C:\\APP\\F.EXE"},
         true,
         false},
        {"force carries over to the write-protected retry",
         {kInstallMismatch | kTemp, kInstallWriteProtected | kTemp, 0},
         {},
         {0, 1, 1},
         {},
         {"attributes C:\\APP\\F.EXE"},
         true,
         false},
        {"in use, retried until free",
         {kInstallFileInUse | kTemp, kInstallFileInUse | kTemp, 0},
         {SetupAnswer::Retry, SetupAnswer::Retry},
         {0, 0, 0},
         {inUse, inUse},
         {},
         true,
         false},
        {"in use, ignored",
         {kInstallFileInUse | kTemp},
         {SetupAnswer::Ignore},
         {0},
         {inUse},
         {"remove C:\\APP\\VER1234.TMP"},
         false,
         false},
        {"in use, abort goes on like ignore",
         {kInstallFileInUse},
         {SetupAnswer::Abort},
         {0},
         {inUse},
         {},
         false,
         false},
        {"in use after retry turns into another failure",
         {kInstallFileInUse, kInstallCannotRename},
         {SetupAnswer::Retry},
         {0, 0},
         {inUse, "Cannot install F.EXE"},
         {},
         false,
         false},
        {"several informing bits, in order",
         {kInstallCannotReadDest | kInstallOutOfMemory | kInstallCannotRename |
          kInstallCannotCreateTemp},
         {},
         {0},
         {"Cannot create tempfile for F.EXE", "Cannot install F.EXE",
          "Out of memory while installing F.EXE", "Cannot open F.EXE"},
         {},
         false,
         false},
        {"out of space ends setup, nothing else shown",
         {kInstallOutOfSpace | kInstallCannotRename},
         {},
         {0},
         {"Insufficient disk space to complete installation.\nInstallation will be aborted."},
         {},
         false,
         true},
        {"access violation ends setup",
         {kInstallAccessViolation},
         {},
         {0},
         {"An access violation occurred while creating 'F.EXE'. Please correct this problem and "
          "restart SETUP"},
         {},
         false,
         true},
        {"other bits fail silently", {0x400}, {}, {0}, {}, {}, false, false},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.what);
        InstallRig rig;
        rig.versions.installResults["F.EXE"] = c.results;
        rig.messages.answers = c.answers;

        EXPECT_EQ(rig.engine.InstallFile(FileEntry("F.EXE", "", 77), 5), 77);

        std::vector<unsigned> flags;
        for (const auto& call : rig.versions.installCalls)
            flags.push_back(call.flags);
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(rig.Boxes(), c.boxes);
        Strings fileEvents;
        for (const std::string& e : rig.events)
            if (e.starts_with("attributes") || e.starts_with("remove"))
                fileEvents.push_back(e);
        EXPECT_EQ(fileEvents, c.fileEvents);
        EXPECT_EQ(rig.model.m_installed, c.installed ? Positions{5} : Positions{});
        EXPECT_EQ(rig.engine.SetupEnded(), c.ended);
        if (c.ended) {
            EXPECT_EQ(rig.messages.shown.back().icon, SetupIcon::Stop);
            EXPECT_EQ(rig.events.back(), "send exit");
        }
    }
}

TEST_F(InstallEngineTest, ForcedRetryInstallsTheServicesTemporaryCopy)
{
    versions.installResults["F.EXE"] = {kInstallMismatch | kInstallTempFile, 0};
    engine.InstallFile(FileEntry("F.EXE", "", 1), 1);
    ASSERT_EQ(versions.installCalls.size(), 2u);
    EXPECT_EQ(versions.installCalls[1].tempFileIn, "VER1234.TMP");
}

TEST_F(InstallEngineTest, SetupEndingFileStopsTheWholeCommand)
{
    model.m_files = {FileEntry("A", "", 1), FileEntry("B", "", 1), FileEntry("C", "", 1)};
    model.m_iniEntries = {"A.INI,S,K,V"};
    model.m_runs = {"0,,NOTEPAD.EXE"};
    versions.installResults["B"] = {kInstallOutOfSpace};
    engine.InstallFiles();
    EXPECT_EQ(EventsStartingWith("install"), (Strings{"install A flags 0", "install B flags 0"}));
    EXPECT_TRUE(EventsStartingWith("ini").empty());
    EXPECT_TRUE(EventsStartingWith("run").empty());
    EXPECT_EQ(progman.opened, 0);
    EXPECT_FALSE(Happened("post exit"));
    EXPECT_EQ(events.back(), "send exit");
}

TEST_F(InstallEngineTest, ProgressCountsBytesOfEveryFile)
{
    model.m_files = {FileEntry("A", "", 300), FileEntry("B", "", 700)};
    versions.installResults["A"] = {0x400}; // fails, still counted
    engine.InstallFiles();
    EXPECT_EQ(EventsStartingWith("paint bar"), (Strings{"paint bar 30", "paint bar 100"}));
}

TEST(InstallEngine, ProgressHandlesZeroAndHugeTotals)
{
    struct Case {
        const char* what;
        Strings files;
        Strings bars;
        std::int64_t total;
    } const cases[] = {
        {"every size 0",
         {FileEntry("A", "", 0), FileEntry("B", "", 0)},
         {"paint bar 50", "paint bar 100"},
         0},
        {"beyond 32-bit products",
         {FileEntry("A", "", 2000000000), FileEntry("B", "", 2000000000),
          FileEntry("C", "", 2000000000), FileEntry("D", "", 2000000000)},
         {"paint bar 25", "paint bar 50", "paint bar 75", "paint bar 100"},
         8000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        InstallRig rig;
        rig.model.m_files = c.files;
        rig.engine.InstallFiles();
        EXPECT_EQ(rig.EventsStartingWith("paint bar"), c.bars);
        EXPECT_EQ(rig.engine.Progress().m_nTotal, c.total);
    }
}

TEST_F(InstallEngineTest, RunEntriesDependOnInstalledPositions)
{
    model.m_strTypical = "1";
    model.m_files = {FileEntry("K1", "", 1, 1), FileEntry("K2", "", 1), FileEntry("K3", "", 1),
                     FileEntry("K4", "", 1)};
    ApplyTypicalFilter(model); // K2, K3, K4 are now positions 1, 2, 3
    versions.installResults["K3"] = {kInstallCannotRename};
    model.m_runs = {
        "3,$INSTDIR,K4.EXE",             // position 3 is K4: runs
        "2,$WINDIR,K3.EXE",              // K3 failed: skipped
        "0,$WINSYSTEM,ALWAYS.EXE,-a -b", // always
        "4,,NONE.EXE",                   // no such position
        "-1,,NEG.EXE",
        "x,$INSTDIR\\BIN,TEXT.EXE," + std::string(200, 'p'), // non-numeric reads as 0
    };
    engine.InstallFiles();
    EXPECT_EQ(EventsStartingWith("run"),
              (Strings{"run K4.EXE||C:\\APP", "run ALWAYS.EXE|-a -b|C:\\WINDOWS\\SYSTEM",
                       "run TEXT.EXE|" + std::string(127, 'p') + "|$INSTDIR\\BIN"}));
}

TEST_F(InstallEngineTest, IniEntriesAreWrittenAsTheyStand)
{
    model.m_iniEntries = {"$WINDIR\\A.INI,Sec,Key,$INSTDIR", "B.INI,S", "C.INI,S,K,v,extra"};
    engine.InstallFiles();
    EXPECT_EQ(EventsStartingWith("ini"),
              (Strings{"ini $WINDIR\\A.INI|Sec|Key|$INSTDIR", "ini B.INI|S||", "ini C.INI|S|K|v"}));
}

TEST_F(InstallEngineTest, NoProgramManagerShowsOneErrorAndStillSucceeds)
{
    progman.answering = false;
    model.m_strGroup = "G";
    model.m_progmanItems = {"A.EXE,A", "B.EXE,B"};
    engine.InstallFiles();
    EXPECT_EQ(Boxes(), (Strings{"DdeClientTransaction Failed", "Setup successfull"}));
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_TRUE(messages.shown[0].ownerless);
    EXPECT_EQ(progman.sent.size(), 2u + 4u);
}

TEST_F(InstallEngineTest, OverlongPathsAreCutAtTheBufferSize)
{
    model.m_strInstallDir = "C:\\" + std::string(300, 'D');
    model.m_strSourceDir = "A:\\" + std::string(300, 's');
    const std::string name(300, 'n');
    engine.InstallFile(FileEntry(name, "SUB", 1, 0, 1), 1);
    ASSERT_EQ(versions.installCalls.size(), 1u);
    const auto& call = versions.installCalls[0];
    EXPECT_EQ(call.name.size(), 259u);
    EXPECT_EQ(call.sourceDir.size(), 259u);
    EXPECT_EQ(call.destDir.size(), 259u);
    EXPECT_EQ(call.destDir, model.m_strInstallDir.substr(0, 259));
}

} // namespace
