#include "editor/integration/extension_entries.h"

#include <gtest/gtest.h>

#include "editor/integration/testing/memory_profile_section.h"

namespace {

TEST(ExtensionEntriesTest, DeletingAHelpFileTakesTheSemicolonBeforeIt)
{
    struct Case {
        const char* value;
        const char* file;
        const char* left;
    } cases[] = {
        {"A.HLP;B.HLP;C.HLP", "B.HLP", "A.HLP;C.HLP"},
        {"A.HLP;B.HLP", "A.HLP", ";B.HLP"},
        {"A.HLP;B.HLP", "B.HLP", "A.HLP"},
        {"A.HLP", "A.HLP", ""},
        {"AB.HLP;B.HLP", "B.HLP", "AB.HLP"}, // a whole piece, not a piece's tail
        {";B.HLP", "B.HLP", ""},
        {"A.HLP;B.HLP;B.HLP", "B.HLP", "A.HLP;B.HLP"},
        {"A.HLP", "X.HLP", "A.HLP"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithoutHelpFile(c.value, c.file), c.left) << c.value << " - " << c.file;
}

TEST(ExtensionEntriesTest, TheFileListSkipsEmptyPieces)
{
    EXPECT_EQ(SplitHelpFiles(";A.HLP;;B.HLP;"), (std::vector<std::string>{"A.HLP", "B.HLP"}));
    EXPECT_EQ(SplitHelpFiles(""), std::vector<std::string>{});
    EXPECT_EQ(WithHelpFile("A.HLP", "B.HLP"), "A.HLP;B.HLP");
    EXPECT_EQ(UpperExtension("cpp1"), "CPP1");
    EXPECT_EQ(FileExtension("C:\\SRC\\MAIN.C"), "C");
    EXPECT_EQ(FileExtension("C:\\SRC.OLD\\MAKEFILE"), "");
    EXPECT_EQ(FileExtension("a.b.cpp"), "cpp");
    EXPECT_EQ(FileExtension(""), "");
}

TEST(ExtensionEntriesTest, EntriesAreFoundByTheirWholeKey)
{
    ExtensionEntries entries;
    entries.Add("CPP", "CPP.HLP");
    entries.Add("C", "C.HLP=X");
    EXPECT_EQ(entries.Value("C"), "C.HLP=X");
    EXPECT_EQ(entries.Value("CPP"), "CPP.HLP");
    EXPECT_EQ(entries.Value("CP"), std::nullopt);
    entries.Set("C", "D.HLP");
    entries.Set("H", "H.HLP");
    entries.Remove("CPP");
    EXPECT_EQ(entries.Texts(), (std::vector<std::string>{"C=D.HLP", "H=H.HLP"}));
}

TEST(ExtensionEntriesTest, SavingReplacesEverySectionKeyByTheEntries)
{
    MemoryProfileSection section{{"C", "A.HLP;B.HLP"}, {"OLD", "O.HLP"}, {"*", "D.HLP"}};
    ExtensionEntries entries;
    EXPECT_EQ(entries.Load(section), (std::vector<std::string>{"C", "OLD", "*"}));
    entries.Set("C", WithoutHelpFile(*entries.Value("C"), "A.HLP"));
    entries.Remove("OLD");
    entries.Set("*", WithoutHelpFile(*entries.Value("*"), "D.HLP"));
    entries.Save(section);
    EXPECT_EQ(section.m_keys, (std::vector<std::pair<std::string, std::string>>{
                                  {"C", ";B.HLP"}, {"*", ""}}));
}

} // namespace
