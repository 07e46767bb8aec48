#include "setup/install_model.h"

#include <gtest/gtest.h>

#include "setup/memory_profile.h"

namespace {

using Strings = std::vector<std::string>;

InstallModel Read(std::string_view script)
{
    return ReadInstallModel(MemoryProfile(script), "A:\\");
}

TEST(InstallModel, ReadsApplicationValuesAndEveryList)
{
    const InstallModel model = Read("[Application]\n"
                                    "Title=Trelvan EDIT\nDir=C:\\TRELVAN\nGroup=Trelvan\n"
                                    "Typical=2,3\nMinimal=2,3,4\n"
                                    "[Options]\n1=Program\n2=Help\n"
                                    "[Files]\n1=x,MARL.EXE,,,100,,1,1\n"
                                    "[Run]\n1=0,$INSTDIR,README.TXT\n"
                                    "[PROGMAN]\n1=$INSTDIR\\MARL.EXE,Edit\n"
                                    "[INI]\n1=WIN.INI,Extensions,c,marl.exe ^.c\n");
    EXPECT_EQ(model.m_strSourceDir, "A:\\");
    EXPECT_EQ(model.m_strTitle, "Trelvan EDIT");
    EXPECT_EQ(model.m_strInstallDir, "C:\\TRELVAN");
    EXPECT_EQ(model.m_strGroup, "Trelvan");
    EXPECT_EQ(model.m_strTypical, "2,3");
    EXPECT_EQ(model.m_strMinimal, "2,3,4");
    EXPECT_EQ(model.m_options, (Strings{"Program", "Help"}));
    EXPECT_EQ(model.m_files, (Strings{"x,MARL.EXE,,,100,,1,1"}));
    EXPECT_EQ(model.m_runs, (Strings{"0,$INSTDIR,README.TXT"}));
    EXPECT_EQ(model.m_progmanItems, (Strings{"$INSTDIR\\MARL.EXE,Edit"}));
    EXPECT_EQ(model.m_iniEntries, (Strings{"WIN.INI,Extensions,c,marl.exe ^.c"}));
    EXPECT_TRUE(model.m_installed.empty());
}

TEST(InstallModel, NumberedListsEndAtTheFirstEmptyKey)
{
    struct Case {
        const char* what;
        const char* section;
        Strings expected;
    } const cases[] = {
        {"a gap ends the list", "[Files]\n1=a\n2=b\n4=d\n", {"a", "b"}},
        {"an empty value ends it like a missing key", "[Files]\n1=a\n2=\n3=c\n", {"a"}},
        {"a value of blanks is empty", "[Files]\n1=a\n2=   \n3=c\n", {"a"}},
        {"a value of two quotes is empty", "[Files]\n1=a\n2=\"\"\n3=c\n", {"a"}},
        {"keys in any order", "[Files]\n2=b\n1=a\n", {"a", "b"}},
        {"leading zeros are other keys", "[Files]\n01=a\n", {}},
        {"no key 1", "[Files]\n2=b\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Read(c.section).m_files, c.expected);
    }
}

TEST(InstallModel, MissingScriptReadsAsEmpty)
{
    const InstallModel model = Read("");
    EXPECT_EQ(model.m_strSourceDir, "A:\\");
    EXPECT_EQ(model.m_strTitle, "");
    EXPECT_EQ(model.m_strInstallDir, "");
    EXPECT_TRUE(model.m_options.empty());
    EXPECT_TRUE(model.m_files.empty());
    EXPECT_TRUE(model.m_runs.empty());
    EXPECT_TRUE(model.m_progmanItems.empty());
    EXPECT_TRUE(model.m_iniEntries.empty());
}

TEST(InstallModel, ValuesAreCutAt259Characters)
{
    const std::string longTitle(300, 't');
    const InstallModel model =
        Read("[Application]\nTitle=" + longTitle + "\n[Files]\n1=" + std::string(400, 'f') + "\n");
    EXPECT_EQ(model.m_strTitle, std::string(259, 't'));
    ASSERT_EQ(model.m_files.size(), 1u);
    EXPECT_EQ(model.m_files[0].size(), 259u);
}

TEST(InstallModel, SourceDirectoryIsTheProgramPathUpToItsLastBackslash)
{
    EXPECT_EQ(SourceDirFromProgramPath("A:\\DISK1\\SETUP.EXE"), "A:\\DISK1\\");
    EXPECT_EQ(SourceDirFromProgramPath("C:\\SETUP.EXE"), "C:\\");
    EXPECT_EQ(SourceDirFromProgramPath("SETUP.EXE"), "");
    EXPECT_EQ(ScriptPath("A:\\DISK1\\"), "A:\\DISK1\\SETUP.INF");
}

TEST(InstallModel, NoSourceDirectoryWhenThePathsDoNotFit)
{
    // "C:\" + a directory of n characters + "\" + the program's name.
    auto programPath = [](std::size_t n, const char* name) {
        return "C:\\" + std::string(n, 'd') + "\\" + name;
    };
    struct Case {
        std::string path;
        bool found;
    } const cases[] = {
        {programPath(246, "SETUP.EXE"), true},  // 259 characters, and so is the script's
        {programPath(247, "SETUP.EXE"), false}, // 260
        {programPath(400, "SETUP.EXE"), false},
        {programPath(246, "S.EXE"), true},  // the script's path: 259
        {programPath(247, "S.EXE"), false}, // the script's path: 260
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.size());
        const std::string dir = SourceDirFromProgramPath(c.path);
        EXPECT_EQ(!dir.empty(), c.found);
        if (c.found) {
            EXPECT_LE(ScriptPath(dir).size(), 259u);
        }
    }
}

} // namespace
