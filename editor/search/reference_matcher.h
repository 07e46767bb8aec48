// For tests: matches an element list by walking it exactly as the pattern
// syntax defines, recursively and without shortcuts, so that the engine's
// faster paths have something plain to be compared with.  A step limit keeps
// it usable on patterns whose backtracking explodes.
#pragma once
#include "editor/search/compiled_pattern.h"
#include "editor/search/match_span.h"

#include <cstddef>
#include <optional>
#include <string_view>

struct ReferenceResult {
    bool gaveUp = false; // the step limit was reached; match means nothing
    std::optional<MatchSpan> match;
};

ReferenceResult ReferenceMatch(std::string_view text, const CompiledPattern& list,
                               std::size_t stepLimit);
