// Matching by a table of which (step, position) pairs lead to a match,
// filled from the end of the text backwards.  It gives exactly the match the
// backtracking order defines, in time proportional to the number of steps
// times the length of the text, however the repetitions nest.
#pragma once
#include "editor/search/match_program.h"
#include "editor/search/match_span.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class TableMatcher {
public:
    // The leftmost match of a text with at least one character.
    std::optional<MatchSpan> Find(const MatchProgram& program, std::string_view text);

private:
    bool Succeeds(std::size_t step, std::size_t pos) const
    {
        std::size_t bit = step * m_rowBits + pos;
        return (m_succeeds[bit / 64] >> (bit % 64)) & 1u;
    }
    void MarkSucceeds(std::size_t step, std::size_t pos)
    {
        std::size_t bit = step * m_rowBits + pos;
        m_succeeds[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    void Fill(const MatchProgram& program, std::string_view text);
    std::size_t StopOfMatchAt(const MatchProgram& program, std::string_view text,
                              std::size_t start) const;

    std::size_t m_rowBits = 0;
    std::vector<std::uint64_t> m_succeeds;
    std::vector<std::uint8_t> m_restFoundInRun;
};
