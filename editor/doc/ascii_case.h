// Case conversion of ASCII letters over byte ranges, as the Uppercase and
// Lowercase commands do it (other bytes, 'ß' included, stay).  The loops run
// over blocks of 64 bytes so that the compiler turns them into vector code:
// a 10 MB selection converts at memory speed.
#pragma once
#include <cstddef>

namespace ascii_case {

// Converts [p, p + n) in place.
void Convert(char* p, std::size_t n, bool upper);

// The index of the first byte that Convert would change, n when none.
std::size_t FirstChange(const char* p, std::size_t n, bool upper);

// One past the index of the last byte that Convert would change, 0 when none.
std::size_t EndOfChanges(const char* p, std::size_t n, bool upper);

} // namespace ascii_case
