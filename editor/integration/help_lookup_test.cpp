#include "editor/integration/help_lookup.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "editor/base/testing/recording_message_sink.h"
#include "editor/integration/testing/help_file_builder.h"
#include "editor/integration/testing/memory_profile_section.h"

namespace {

struct RecordingViewer : HelpViewer {
    std::vector<std::pair<std::string, std::string>> shown;
    void ShowKeyword(const std::string& path, const std::string& word) override
    {
        shown.emplace_back(path, word);
    }
};

struct ScriptedChooser : HelpChooser {
    std::optional<std::size_t> answer = 0;
    std::vector<std::vector<std::string>> asked;
    std::optional<std::size_t> Choose(const std::string&,
                                      const std::vector<std::string>& titles) override
    {
        asked.push_back(titles);
        return answer;
    }
};

class HelpLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder =
            std::filesystem::temp_directory_path() /
            ("help_lookup_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
        Write("A.HLP", {.title = "Alpha", .topics = {"File open"}});
        Write("B.HLP", {.title = "Beta", .topics = {"Open, open"}});
        Write("C.HLP", {.title = "Gamma", .topics = {"reopen", "Open"}});
        Write("NOINDEX.HLP", {.titleIndex = false, .topics = {"open"}});
        Write("TEXT.HLP", {.topics = {"open"}, .magic = 0x12345678});
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void Write(const std::string& name, const HelpFileContents& contents)
    {
        const HelpFileImage image = BuildHelpFile(contents);
        std::ofstream out(Path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.bytes.data()),
                  static_cast<std::streamsize>(image.bytes.size()));
    }
    std::string Path(const std::string& name) const { return (m_folder / name).string(); }
    // Paths of the test's files joined by ";" ("" stays an empty piece).
    std::string List(std::initializer_list<std::string> names) const
    {
        std::string text;
        for (const std::string& name : names) {
            if (&name != names.begin())
                text += ';';
            text += name.empty() ? "" : Path(name);
        }
        return text;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_messages.shown)
            texts.push_back(shown.text);
        return texts;
    }

    std::filesystem::path m_folder;
    MemoryProfileSection m_help;
    RecordingMessageSink m_messages;
    RecordingViewer m_viewer;
    ScriptedChooser m_chooser;
    HelpIndex m_index{m_help, m_messages, m_viewer, m_chooser};
};

TEST_F(HelpLookupTest, OneHelpFileGoesToTheViewerWithoutBeingRead)
{
    m_help.m_keys = {{"CPP", "X:\\NOWHERE\\API.HLP"}};
    m_index.ShowHelpForWord("open", "cpp");
    ASSERT_EQ(m_viewer.shown.size(), 1u);
    EXPECT_EQ(m_viewer.shown[0].first, "X:\\NOWHERE\\API.HLP");
    EXPECT_EQ(m_viewer.shown[0].second, "open");
    EXPECT_TRUE(m_messages.shown.empty()) << "the file was read";
}

TEST_F(HelpLookupTest, TheFilesComeFromTheExtensionOrTheDefault)
{
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> keys;
        const char* extension;
        const char* file; // the one file the viewer gets
    } cases[] = {
        {"extension", {{"C", "C.HLP"}, {"*", "DEFAULT.HLP"}}, "C", "C.HLP"},
        {"C is not CPP", {{"CPP", "CPP.HLP"}, {"C", "C.HLP"}}, "C", "C.HLP"},
        {"no key", {{"CPP", "CPP.HLP"}, {"*", "DEFAULT.HLP"}}, "TXT", "DEFAULT.HLP"},
        {"empty value", {{"H", ""}, {"*", "DEFAULT.HLP"}}, "H", "DEFAULT.HLP"},
        {"no extension", {{"*", "DEFAULT.HLP"}}, "", "DEFAULT.HLP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_help.m_keys = c.keys;
        m_viewer.shown.clear();
        m_index.ShowHelpForWord("open", c.extension);
        ASSERT_EQ(m_viewer.shown.size(), 1u);
        EXPECT_EQ(m_viewer.shown[0].first, c.file);
    }
}

TEST_F(HelpLookupTest, NoHelpFilesAtAllIsExplained)
{
    m_help.m_keys = {{"CPP", "CPP.HLP"}, {"*", ""}};
    m_index.ShowHelpForWord("open", "C");
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text,
              "There are no help files defined for this extension, nor are\nthere any default "
              "help files specified. Please use \"Helpfiles...\"\nfrom the Options menu to "
              "define help files.");
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(m_viewer.shown.empty());
}

TEST_F(HelpLookupTest, SeveralFilesAreSearchedAndTheKnowingOnesOffered)
{
    struct Case {
        const char* name;
        std::string files;
        std::vector<std::string> messages;
        std::vector<std::string> offered; // titles in the Search dialog
        std::vector<std::string> viewed;  // files the viewer got
    } cases[] = {
        {"two know it: the dialog, the chosen one opens",
         List({"A.HLP", "C.HLP", "B.HLP"}),
         {},
         {"Alpha", "Beta"},
         {Path("B.HLP")}},
        {"one knows it: straight to the viewer", List({"C.HLP", "A.HLP"}), {}, {}, {Path("A.HLP")}},
        {"none knows it", List({"C.HLP", "TEXT.HLP"}), {"No help found for open"}, {}, {}},
        {"a leading ';' is an empty path that cannot be opened",
         List({"", "A.HLP", "B.HLP"}),
         {"can't open file"},
         {"Alpha", "Beta"},
         {Path("B.HLP")}},
        {"a file without title index is reported, one not a help file is not",
         List({"NOINDEX.HLP", "TEXT.HLP", "A.HLP"}),
         {"Can't locate |TTLBTREE file"},
         {},
         {Path("A.HLP")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_help.m_keys = {{"*", c.files}};
        m_messages.shown.clear();
        m_viewer.shown.clear();
        m_chooser.asked.clear();
        m_chooser.answer = 1;
        m_index.ShowHelpForWord("open", "C");
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(m_chooser.asked.empty() ? std::vector<std::string>() : m_chooser.asked[0],
                  c.offered);
        std::vector<std::string> viewed;
        for (const auto& shown : m_viewer.shown)
            viewed.push_back(shown.first);
        EXPECT_EQ(viewed, c.viewed);
    }
}

TEST_F(HelpLookupTest, CancelInTheSearchDialogShowsNothingAndTheListsStay)
{
    m_chooser.answer = std::nullopt;
    m_index.HelpLookup("open", List({"A.HLP", "B.HLP"}));
    EXPECT_TRUE(m_viewer.shown.empty());
    EXPECT_EQ(m_index.m_helpPaths, (std::vector<std::string>{Path("A.HLP"), Path("B.HLP")}));
    // The next lookup starts from empty lists.
    m_index.HelpLookup("open", List({"C.HLP"}));
    EXPECT_TRUE(m_index.m_helpPaths.empty());
    EXPECT_TRUE(m_index.m_helpTitles.empty());
}

} // namespace
