// The pattern search front ends: the window search finds a match and its
// length in one line, find in files asks whether a line matches.  The forms
// taking pattern text compile it on every call; a search over many lines
// compiles once into a LinePattern and gets the same answers much faster.
// Matching a line of many megabytes with a pattern whose backtracking
// explodes needs memory in proportion to the line; when that is not to be
// had, std::bad_alloc leaves the call.
#pragma once
#include "editor/base/message_sink.h"
#include "editor/search/match_span.h"
#include "editor/search/pattern_matcher.h"

#include <cstddef>
#include <optional>
#include <string_view>

inline constexpr char kInvalidPatternMessage[] = "Invalid regular expression";

// Set when the last pattern was invalid and the user has already been told;
// the window search then abandons its command silently.
extern bool PatternError;

// Clears PatternError, compiles and finds the leftmost match's start.  An
// invalid pattern is reported through sink and sets PatternError.
std::optional<std::size_t> FindMatchStart(std::string_view pattern, std::string_view text,
                                          MessageSink& sink);

// The end of the match FindMatchStart finds for the same pattern and text.
// Reports nothing: callers ask only after FindMatchStart succeeded.
std::optional<std::size_t> FindMatchEnd(std::string_view pattern, std::string_view text);

// A pattern compiled once for a whole search and matched against many lines.
class LinePattern {
public:
    // As FindMatchStart: clears PatternError, and on an invalid pattern shows
    // the message and sets PatternError.  ignoreCase lower-cases A to Z only,
    // in the pattern and in every line.
    static std::optional<LinePattern> Compile(std::string_view pattern, bool ignoreCase,
                                              MessageSink& sink);

    std::optional<MatchSpan> Find(std::string_view line) { return m_matcher.Find(line); }

private:
    explicit LinePattern(PatternMatcher matcher) : m_matcher(std::move(matcher)) {}

    PatternMatcher m_matcher;
};

// offset of the match in the line and its length less one (0 for a match of
// one character or of none); both -1 when there is no match.
struct LineSearchResult {
    std::ptrdiff_t offset = -1;
    std::ptrdiff_t length = -1;

    friend bool operator==(const LineSearchResult&, const LineSearchResult&) = default;
};

LineSearchResult SearchLine(LinePattern& pattern, std::string_view line);
LineSearchResult SearchLine(std::string_view pattern, std::string_view line, bool ignoreCase,
                            MessageSink& sink);

bool LineMatches(LinePattern& pattern, std::string_view line);
bool LineMatches(std::string_view pattern, std::string_view line, bool ignoreCase,
                 MessageSink& sink);
