// Find in files: searches the listed files of one or more directories for a
// string or a pattern and collects every matching line.  Files are read
// whole, one at a time, and matched line by line with the line feed, so
// line numbers are real whatever a line's length.
#pragma once
#include "editor/base/message_sink.h"
#include "editor/search/find_in_files_fs.h"
#include "editor/search/pattern_search.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kNoSearchPatternMessage[] = "You must specify a search pattern";
inline constexpr char kNoFilesMessage[] = "You specified no files to search in";
inline constexpr char kNoMatchesMessage[] =
    "The search for this regular pattern found\nno matches in the specified files.";

struct FindRequest {
    std::string searchFor;
    std::string fileSpec;
    std::string directories; // ";"-separated; empty: the current directory
    bool ignoreCase = false;
    bool regularExpression = false;
};

// One matching line.  The path is as listed (directory field and name);
// fullPath is the same file made absolute when the search ran, so the
// result still names it after the current directory changes.
struct SearchResult {
    std::string path;
    std::string fullPath;
    long line = 0; // one-based
    std::string text; // the line as read, with its line feed when it had one

    friend bool operator==(const SearchResult&, const SearchResult&) = default;
};

// The stored form: path, ": <line> ", the line.
std::string ResultString(const SearchResult& result);
// The results window's item: the stored form cut at its line feed, tabs
// shown as blanks.
std::string ResultListText(const SearchResult& result);

// The results of the last search, taken over by the results window.
extern std::vector<SearchResult> SearchResults;

// The message the request's fields call for before any search, or null.
const char* RequestProblem(const FindRequest& request);

// The system's ANSI upper-case conversion (Windows-1252).
unsigned char AnsiUpper(unsigned char c);

// Told the path of each file before it is searched.
class FindProgress {
public:
    virtual ~FindProgress() = default;
    virtual void Searching(const std::string& path) = 0;
};

// Matches the lines of one file's bytes.
class LineSearcher {
public:
    // Null for an invalid pattern, which has then been reported through sink
    // (PatternError is set).
    static std::unique_ptr<LineSearcher> Make(const FindRequest& request, MessageSink& sink);
    LineSearcher();
    ~LineSearcher();

    // bytes are the file as stored; they are read as a text file (CR LF as
    // LF, Ctrl-Z ends the text) and may be changed in place.
    void SearchText(std::string& bytes, const std::string& path, std::vector<SearchResult>& out);

private:
    struct Plain;
    void SearchPlain(std::string_view text, const std::string& path,
                     std::vector<SearchResult>& out);
    void SearchLines(std::string_view text, const std::string& path,
                     std::vector<SearchResult>& out);
    template <typename Match>
    void ForEachLine(std::string_view text, const std::string& path,
                     std::vector<SearchResult>& out, Match match);

    std::unique_ptr<Plain> m_plain;
    std::optional<LinePattern> m_pattern;
    std::string m_upper;
};

// The whole search: every directory of the field in order, its listed files
// in order, each file's lines in order.  An invalid pattern is reported once
// and nothing is searched.
void FindInFiles(const FindRequest& request, FindFileSystem& fs, MessageSink& sink,
                 FindProgress* progress, std::vector<SearchResult>& out);

// The directory to make current after a search: the field when it names
// exactly one existing directory; otherwise the current one stays.
std::optional<std::string> FinalDirectory(std::string_view field, FindFileSystem& fs);
