// Matching by backtracking, in the order the pattern syntax defines: a
// repetition first takes all it can and gives back one character at a time.
// Fast for everyday patterns, exponential for a few; a step budget tells the
// caller when to change to the table method instead.
#pragma once
#include "editor/search/match_program.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

enum class BacktrackOutcome { Matched, Failed, OverBudget };

class BacktrackMatcher {
public:
    // Tries one start position.  On Matched, stop is the position behind the
    // match.  Every step taken is charged to budget, shared by all starts.
    BacktrackOutcome TryAt(const MatchProgram& program, std::string_view text, std::size_t start,
                           std::int64_t& budget, std::size_t& stop);

private:
    // A repetition that may still give back characters.
    struct Frame {
        std::size_t rest;  // the step behind the repetition
        std::size_t floor; // where the repetition began
        std::size_t next;  // where the rest was last tried
    };
    std::vector<Frame> m_frames;
};
