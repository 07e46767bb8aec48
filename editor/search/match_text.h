// Matching a compiled element list against one zero-terminated text.
#pragma once
#include "editor/search/compiled_pattern.h"

#include <cstddef>
#include <optional>
#include <string_view>

// The leftmost match's first character, or with wantEnd its end: the last
// character it consumed (its start when it consumed none).  The text ends at
// its first NUL.
std::optional<std::size_t> MatchText(std::string_view text, const CompiledPattern& list,
                                     bool wantEnd);
