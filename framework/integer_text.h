// Text <-> integer for the data exchange of number fields.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw {

// A whole number with optional blanks around it and an optional sign;
// nothing else.  Empty, garbage and numbers beyond 64 bits give nothing.
std::optional<long long> ParseInteger(std::string_view text);

// `pattern` with "%1" replaced by `low` and "%2" by `high` (each wherever it
// stands; other "%" sequences are kept).
std::string FormatRangeMessage(std::string_view pattern, long long low, long long high);

} // namespace fw
