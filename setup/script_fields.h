// The comma fields of a script entry: numbered from 0, no quoting, no
// trimming (blanks belong to the field).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Field n of line, or the empty text when the line has fewer fields.
std::string GetField(std::string_view line, int n);

// Field n read as a decimal number the way the C library's conversion reads
// it (leading white space, optional sign, digits up to the first non-digit);
// 0 for no digits or a missing field.  Out-of-range numbers saturate.
std::int32_t GetFieldInt(std::string_view line, int n);

// The C library's decimal conversion of a whole text, as above.
std::int32_t DecimalValue(std::string_view text);
