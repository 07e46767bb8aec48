// For the fuzz target and its short run among the unit tests: checks one
// (pattern, text) pair against every promise of the matcher.
#pragma once
#include <string>
#include <string_view>

// Empty when all is well, otherwise a description of the first broken
// promise: an invalid pattern reported other than once, a start and an end
// that do not belong to the same match, a result that differs from the plain
// reference walk or from the table method, the front ends disagreeing.
std::string CheckPatternConsistency(std::string_view pattern, std::string_view text,
                                    bool ignoreCase);
