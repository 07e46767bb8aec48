// Find in files over a disk in memory: which files, in which order, which
// lines with which numbers, and the messages.
#include "editor/search/find_in_files.h"
#include "editor/search/find_in_files_names.h"
#include "editor/search/find_in_files_testing.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct Found {
    std::string path;
    long line;
    std::string text;
    friend bool operator==(const Found&, const Found&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Found& f)
    {
        return os << f.path << ":" << f.line << " \"" << f.text << "\"";
    }
};

std::vector<Found> Search(MemoryFindFileSystem& fs, FindRequest request, RecordingMessageSink& sink)
{
    std::vector<SearchResult> results;
    FindInFiles(request, fs, sink, nullptr, results);
    std::vector<Found> found;
    for (const SearchResult& r : results)
        found.push_back({r.path, r.line, r.text});
    return found;
}

// One file "c:\d\f.c" with the given bytes, searched plain and as a pattern;
// both must agree with the line-at-a-time reference.
std::vector<Found> SearchOneFile(const std::string& bytes, const std::string& what, bool regex,
                                 bool ignoreCase = false)
{
    MemoryFindFileSystem fs;
    fs.AddFile("c:\\d\\f.c", bytes);
    RecordingMessageSink sink;
    FindRequest request{what, "*.c", "c:\\d", ignoreCase, regex};
    std::vector<Found> found = Search(fs, request, sink);
    std::vector<Found> reference;
    for (const SearchResult& r : ReferenceSearch(request, "c:\\d\\f.c", bytes, sink))
        reference.push_back({r.path, r.line, r.text});
    EXPECT_EQ(found, reference);
    EXPECT_TRUE(sink.shown.empty());
    return found;
}

std::vector<long> Lines(const std::vector<Found>& found)
{
    std::vector<long> lines;
    for (const Found& f : found)
        lines.push_back(f.line);
    return lines;
}

} // namespace

TEST(FindInFilesNames, MasksAndDirectoriesSplitAndSkipEmptyPieces)
{
    EXPECT_EQ(SplitMasks("*.c *.cpp"), (Strings{"*.c", "*.cpp"}));
    EXPECT_EQ(SplitMasks(" *.h"), (Strings{"*.h"}));
    EXPECT_EQ(SplitMasks("a  b "), (Strings{"a", "b"}));
    EXPECT_EQ(SplitMasks(""), Strings{});
    EXPECT_EQ(SplitDirectories("c:\\src;c:\\inc"), (Strings{"c:\\src", "c:\\inc"}));
    EXPECT_EQ(SplitDirectories(";a;;b;"), (Strings{"a", "b"}));
    EXPECT_EQ(SplitDirectories("c:\\my dir"), (Strings{"c:\\my dir"}));
}

TEST(FindInFilesNames, MaskMatchesLikeThePlatform)
{
    struct Case {
        const char* mask;
        const char* name;
        bool match;
    } cases[] = {
        {"*.c", "edit.c", true},      {"*.c", "edit.cpp", false}, {"*.C", "EDIT.c", true},
        {"*.*", "README", true},      {"*.*", "a.b.c", true},     {"*", ".x", true},
        {"?.h", "a.h", true},         {"?.h", "ab.h", false},     {"*.cpp", "x.cp", false},
        {"a*b*c", "aXbYc", true},     {"a*b*c", "aXbY", false},   {"make*", "makefile", true},
        {"x.*", "x", true},           {"x.*", "xy", false},       {"", "a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MaskMatches(c.mask, c.name), c.match) << c.mask << " " << c.name;
}

TEST(FindInFilesNames, FilesOfADirectorySortedIgnoringCaseEachOnce)
{
    MemoryFindFileSystem fs;
    for (const char* name : {"b.c", "A.cpp", "A.c", "a.H", "C.cpp", "_z.c", "Ab.c"})
        fs.AddFile(std::string("d\\") + name, "");
    fs.AddFile("d\\hidden.c", "", true);
    fs.AddFile("d\\system.c", "", false, true);
    fs.AddDirectory("d\\sub.c");
    EXPECT_EQ(FilesToSearch(fs, "d", {"*.c", "*.*", "*.cpp"}),
              (Strings{"_z.c", "A.c", "A.cpp", "a.H", "Ab.c", "b.c", "C.cpp"}));
    EXPECT_EQ(FilesToSearch(fs, "d", {}), Strings{});
    EXPECT_EQ(FilesToSearch(fs, "missing", {"*.*"}), Strings{});
    EXPECT_EQ(JoinPath("", "x.c"), "x.c");
    EXPECT_EQ(JoinPath("c:\\src", "x.c"), "c:\\src\\x.c");
    EXPECT_EQ(JoinPath("c:\\", "x.c"), "c:\\x.c");
    EXPECT_EQ(JoinPath("c:", "x.c"), "c:x.c");
}

TEST(FindInFiles, DirectoriesInFieldOrderFilesSortedLinesInOrder)
{
    MemoryFindFileSystem fs;
    fs.AddFile("c:\\src\\b.c", "x\nno\nx\n");
    fs.AddFile("c:\\src\\A.c", "x\n");
    fs.AddFile("c:\\src\\skip.h", "x\n");
    fs.AddFile("c:\\inc\\a.c", "x\n");
    RecordingMessageSink sink;
    std::vector<Found> found = Search(fs, {"x", "*.c", "c:\\src;c:\\inc"}, sink);
    EXPECT_EQ(found, (std::vector<Found>{{"c:\\src\\A.c", 1, "x\n"},
                                         {"c:\\src\\b.c", 1, "x\n"},
                                         {"c:\\src\\b.c", 3, "x\n"},
                                         {"c:\\inc\\a.c", 1, "x\n"}}));
    EXPECT_TRUE(sink.shown.empty());
}

TEST(FindInFiles, EmptyFieldSearchesTheCurrentDirectoryWithBareNames)
{
    MemoryFindFileSystem fs;
    fs.AddFile("f.c", "x\n");
    std::vector<SearchResult> results;
    RecordingMessageSink sink;
    FindInFiles({"x", "*.c", ""}, fs, sink, nullptr, results);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].path, "f.c");
    EXPECT_EQ(results[0].fullPath, "c:\\cur\\f.c");
}

TEST(FindInFiles, LinesAreNumberedWholeWhateverTheirLength)
{
    const std::string longLine(1200, 'q');
    struct Case {
        std::string bytes;
        const char* what;
        std::vector<long> lines;
    } cases[] = {
        // A long line is one line: the match after it is on line 2.
        {longLine + "\nneedle\n", "needle", {2}},
        // A match across the 511th character of a long line is found.
        {std::string(509, 'a') + "needle" + std::string(600, 'b') + "\n", "needle", {1}},
        {"a\nb\nneedle", "needle", {3}}, // no final line feed
        {"a\r\nneedle\r\nc\r\n", "needle", {2}},
        {"needle\rx\nneedle", "needle", {1, 2}}, // a lone CR is no line end
        {"a\r\r\nb\n", "\r", {1}},             // only the CR before the LF goes
        {"a\nneedle\x1aneedle\n", "needle", {2}}, // Ctrl-Z ends the text
        {"needle needle\n\nneedle", "needle", {1, 3}},
        {"a\0needle\nneedle\n"s, "needle", {2}}, // a line ends at its NUL for the test
        {"a\n", "a\n", {1}}, // the line feed belongs to the line
        {"ab\nc", "b\nc", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 40));
        EXPECT_EQ(Lines(SearchOneFile(c.bytes, c.what, false)), c.lines);
        if (std::string(c.what).find('\n') == std::string::npos) {
            EXPECT_EQ(Lines(SearchOneFile(c.bytes, c.what, true)), c.lines);
        }
    }
}

TEST(FindInFiles, PatternSeesTheLineWithItsLineFeed)
{
    struct Case {
        const char* bytes;
        const char* pattern;
        std::vector<long> lines;
    } cases[] = {
        {"a\nb\nlast", "$", {1, 2}},       {"a\n", "[^a]", {1}},
        {"a", "[^a]", {}},                 {"x\r\ny\r\n", "[xy]$", {1, 2}},
        {"int x;\n#include <a>\n", "^#include", {2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Lines(SearchOneFile(c.bytes, c.pattern, true)), c.lines) << c.pattern;
}

TEST(FindInFiles, IgnoreCaseUpperCasesAnsiForPlainAndAToZForPatterns)
{
    const std::string text = "\xE4rger\nABC\n\xFF\n";
    EXPECT_EQ(Lines(SearchOneFile(text, "\xC4", false, true)), std::vector<long>{1});
    EXPECT_EQ(Lines(SearchOneFile(text, "\xC4", false, false)), std::vector<long>{});
    EXPECT_EQ(Lines(SearchOneFile(text, "\x9F", false, true)), std::vector<long>{3});
    EXPECT_EQ(Lines(SearchOneFile(text, "abc", false, true)), std::vector<long>{2});
    EXPECT_EQ(Lines(SearchOneFile(text, "\xC4", true, true)), std::vector<long>{});
    EXPECT_EQ(Lines(SearchOneFile(text, "abc", true, true)), std::vector<long>{2});
    EXPECT_EQ(AnsiUpper(0xF7), 0xF7); // division sign
    EXPECT_EQ(AnsiUpper(0xDF), 0xDF); // sharp s
}

TEST(FindInFiles, InvalidPatternIsReportedOnceAndNothingIsRead)
{
    MemoryFindFileSystem fs;
    for (const char* name : {"a.c", "b.c", "c.c"})
        fs.AddFile(std::string("d\\") + name, "x\n");
    RecordingMessageSink sink;
    EXPECT_TRUE(Search(fs, {"[x", "*.c", "d", false, true}, sink).empty());
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, kInvalidPatternMessage);
    EXPECT_TRUE(PatternError);
    EXPECT_TRUE(fs.m_read.empty());
    // The same text searched plain is no pattern at all.
    EXPECT_TRUE(Search(fs, {"[x", "*.c", "d"}, sink).empty());
    EXPECT_EQ(sink.shown.size(), 1u);
    EXPECT_FALSE(PatternError);
}

TEST(FindInFiles, RequestProblemsInOrder)
{
    EXPECT_STREQ(RequestProblem({"", "", ""}), kNoSearchPatternMessage);
    EXPECT_STREQ(RequestProblem({"x", "", ""}), kNoFilesMessage);
    EXPECT_STREQ(RequestProblem({"x", " ", ""}), nullptr); // blanks only: searched, nothing listed
    EXPECT_EQ(RequestProblem({"x", "*.c", ""}), nullptr);
}

TEST(FindInFiles, ResultsKeepOddPathsWholeBesideTheirVisibleText)
{
    MemoryFindFileSystem fs;
    fs.AddFile("c:\\a: 1 b\\x: 2 .c", "one\n\tx: 3 \n");
    std::vector<SearchResult> results;
    RecordingMessageSink sink;
    FindInFiles({"x", "*.c", "c:\\a: 1 b"}, fs, sink, nullptr, results);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].fullPath, "c:\\a: 1 b\\x: 2 .c");
    EXPECT_EQ(results[0].line, 2);
    EXPECT_EQ(ResultString(results[0]), "c:\\a: 1 b\\x: 2 .c: 2 \tx: 3 \n");
    EXPECT_EQ(ResultListText(results[0]), "c:\\a: 1 b\\x: 2 .c: 2  x: 3 ");
}

TEST(FindInFiles, FinalDirectoryOnlyForOneExistingDirectory)
{
    MemoryFindFileSystem fs;
    fs.AddDirectory("c:\\src");
    fs.AddDirectory("c:\\inc");
    EXPECT_EQ(FinalDirectory("c:\\src", fs), "c:\\src");
    EXPECT_EQ(FinalDirectory("c:\\src;c:\\inc", fs), std::nullopt);
    EXPECT_EQ(FinalDirectory("c:\\src;", fs), std::nullopt);
    EXPECT_EQ(FinalDirectory("", fs), std::nullopt);
    EXPECT_EQ(FinalDirectory("c:\\missing", fs), std::nullopt);
}
