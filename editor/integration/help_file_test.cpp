#include "editor/integration/help_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "editor/integration/testing/help_file_builder.h"

namespace {

HelpFileAnswer Search(const HelpFileImage& image, std::string_view word)
{
    HelpMemoryBytes bytes(image.bytes);
    return SearchHelpBytes(bytes, word);
}

TEST(HelpFileTest, AWordCountsOnlyWhenNoLetterOrDigitTouchesIt)
{
    struct Case {
        const char* title;
        const char* word;
        bool found;
    } cases[] = {
        {"open", "open", true},
        {"File open", "open", true},
        {"Open, open", "open", true},
        {"open file", "open", true},
        {"(open)", "open", true},
        {"opens", "open", false},
        {"reopen", "open", false},
        {"Open", "open", false},
        {"open2", "open", false},
        {"reopen or open", "open", true}, // not only the first occurrence
        {"CreateWindowEx", "CreateWindow", false},
        {"CreateWindow function", "CreateWindow", true},
        {"", "open", false},
        {"open", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TitleHasWord(c.title, c.word), c.found) << '"' << c.title << "\" / " << c.word;
}

TEST(HelpFileTest, FindsTheWordInTheTitleIndexAndGivesTheFilesTitle)
{
    struct Case {
        const char* name;
        HelpFileContents contents;
        const char* word;
        HelpFileStatus status;
        const char* title;
    } cases[] = {
        {"one leaf",
         {.topics = {"Close", "File open"}},
         "open",
         HelpFileStatus::Found,
         "Test Help"},
        {"title right after the header (minor 15)",
         {.title = "Old Help", .systemMinor = 15, .topics = {"open"}},
         "open",
         HelpFileStatus::Found,
         "Old Help"},
        {"minor 15 title cut at 32",
         {.title = std::string(40, 'T'), .systemMinor = 15, .topics = {"open"}},
         "open",
         HelpFileStatus::Found,
         "TTTTTTTTTTTTTTTTTTTTTTTTTTTTTTTT"},
        {"last leaf of a chain under an index page",
         {.topics = {"a", "b", "c", "d", "e open"}, .titlesPerLeaf = 2, .twoLevels = true},
         "open",
         HelpFileStatus::Found,
         "Test Help"},
        {"no title holds it",
         {.topics = {"opens", "Open", "reopen"}},
         "open",
         HelpFileStatus::NotFound,
         ""},
        {"empty titles are skipped",
         {.topics = {"", "x"}},
         "x",
         HelpFileStatus::Found,
         "Test Help"},
        {"no |SYSTEM: found, no title",
         {.system = false, .topics = {"open"}},
         "open",
         HelpFileStatus::Found,
         ""},
        {"no title index",
         {.titleIndex = false, .topics = {"open"}},
         "open",
         HelpFileStatus::NoTitleIndex,
         ""},
        {"wrong magic",
         {.topics = {"open"}, .magic = 0x35F3E},
         "open",
         HelpFileStatus::NotHelpFile,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HelpFileAnswer answer = Search(BuildHelpFile(c.contents), c.word);
        EXPECT_EQ(answer.status, c.status);
        EXPECT_EQ(answer.title, c.title);
    }
}

// Damage done to a good file: the reader ends, and the file does not know
// the word.
TEST(HelpFileTest, DamagedFilesEndTheSearchWithoutFindingTheWord)
{
    const HelpFileContents good{
        .topics = {"a", "b", "c", "d"}, .titlesPerLeaf = 2, .twoLevels = true};
    struct Case {
        const char* name;
        std::function<void(HelpFileImage&)> damage;
    } cases[] = {
        {"leaf chain loops to itself", [](HelpFileImage& f) { f.Put16(f.TitlePage(2) + 6, 2); }},
        {"leaf chain loops back", [](HelpFileImage& f) { f.Put16(f.TitlePage(2) + 6, 1); }},
        {"next page beyond the file", [](HelpFileImage& f) { f.Put16(f.TitlePage(1) + 6, 30000); }},
        {"child page beyond the file",
         [](HelpFileImage& f) { f.Put16(f.TitlePage(0) + 4, 32767); }},
        {"negative root page", [](HelpFileImage& f) { f.Put16(f.titles + 9 + 26, -5); }},
        {"index page is its own child, levels at most",
         [](HelpFileImage& f) {
             f.Put16(f.titles + 9 + 32, 32767);
             f.Put16(f.TitlePage(0) + 4, 0);
         }},
        {"title without NUL to the page end",
         [](HelpFileImage& f) {
             for (std::size_t i = f.TitlePage(1) + 12; i < f.TitlePage(2); ++i)
                 f.bytes[i] = 'x';
         }},
        {"title longer than 254",
         [](HelpFileImage& f) {
             for (std::size_t i = 0; i < 300; ++i)
                 f.bytes[f.TitlePage(1) + 12 + i] = 'x';
         }},
        {"entry count past the page", [](HelpFileImage& f) { f.Put16(f.TitlePage(1) + 2, 32767); }},
        {"directory name longer than 63",
         [](HelpFileImage& f) {
             for (std::size_t i = 0; i < 100; ++i)
                 f.bytes[f.DirectoryPage(1) + 8 + i] = 'n';
         }},
        {"directory chain loops", [](HelpFileImage& f) { f.Put16(f.DirectoryPage(1) + 6, 1); }},
        {"directory beyond the file", [](HelpFileImage& f) { f.Put32(4, 0x7FFFFFF0); }},
        {"file cut in the title leaves",
         [](HelpFileImage& f) { f.bytes.resize(f.TitlePage(2) + 100); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HelpFileImage image = BuildHelpFile(good);
        c.damage(image);
        HelpFileAnswer answer = Search(image, "open");
        EXPECT_NE(answer.status, HelpFileStatus::Found);
        EXPECT_EQ(answer.title, "");
    }
}

TEST(HelpFileTest, ASystemFileThatNeverEndsIsReadBoundedly)
{
    HelpFileImage image = BuildHelpFile({.topics = {"open"}});
    image.Put32(image.systemFile + 4, 0xFFFFFFFF); // used space
    HelpFileAnswer answer = Search(image, "open");
    EXPECT_EQ(answer.status, HelpFileStatus::Found);
    EXPECT_EQ(answer.title, "Test Help");
}

TEST(HelpFileTest, EveryCutOfAFileIsReadWithoutHarm)
{
    const HelpFileImage whole = BuildHelpFile({.topics = {"one", "two open"}});
    for (std::size_t size = 0; size < whole.bytes.size(); size += 7) {
        HelpFileImage cut = whole;
        cut.bytes.resize(size);
        EXPECT_NE(Search(cut, "open").status, HelpFileStatus::Found) << size;
    }
}

TEST(HelpFileTest, ReadsAFileOnDiskAndSaysWhenItCannotBeOpened)
{
    const auto path = std::filesystem::temp_directory_path() / "help_file_test.hlp";
    const HelpFileImage image = BuildHelpFile({.title = "On Disk", .topics = {"open"}});
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.bytes.data()),
                  static_cast<std::streamsize>(image.bytes.size()));
    }
    HelpFileAnswer answer = SearchHelpFile(path.string(), "open");
    EXPECT_EQ(answer.status, HelpFileStatus::Found);
    EXPECT_EQ(answer.title, "On Disk");
    std::filesystem::remove(path);
    EXPECT_EQ(SearchHelpFile(path.string(), "open").status, HelpFileStatus::CantOpen);
}

} // namespace
