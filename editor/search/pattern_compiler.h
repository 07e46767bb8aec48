// Turns pattern text into the element list the matcher walks.
#pragma once
#include "editor/search/compiled_pattern.h"

#include <optional>
#include <string_view>

// Compiles up to the first NUL, line feed or (unescaped, outside a class)
// delimiter.  Nothing when the pattern is invalid or memory ran out; every
// allocation of the attempt is released then.
std::optional<CompiledPattern> CompilePattern(std::string_view pattern, char delimiter = '\0');
