// Finds the leftmost match of a compiled pattern.  Lines that cannot hold a
// match are rejected by their literal bytes first; start positions are tried
// by backtracking, and when backtracking runs long the table method takes
// over, so that no pattern makes a search hang.  Both give the same match.
#pragma once
#include "editor/search/backtrack_matcher.h"
#include "editor/search/match_program.h"
#include "editor/search/match_span.h"
#include "editor/search/table_matcher.h"

#include <optional>
#include <string_view>

class PatternMatcher {
public:
    // foldCase: match as though A to Z in the text were lower case.
    PatternMatcher(const CompiledPattern& list, bool foldCase) : m_program(list, foldCase) {}

    // The text ends at its first NUL, as a zero-terminated string would.
    std::optional<MatchSpan> Find(std::string_view text);

    // The same answer by the table method alone.
    std::optional<MatchSpan> FindByTable(std::string_view text);

private:
    std::optional<MatchSpan> FindByBacktracking(std::string_view text);
    std::size_t NextStart(std::string_view text, std::size_t from) const;

    MatchProgram m_program;
    BacktrackMatcher m_backtrack;
    TableMatcher m_table;
};
