// Fast scans over plain byte ranges: the document's queries run them on the
// two halves of the text around the gap, so a 100 MB text counts its lines
// in milliseconds.
#pragma once
#include <cstddef>

namespace byte_scan {

// Number of bytes equal to c in [p, p + n).
std::size_t Count(const char* p, std::size_t n, char c);

// The first / last byte equal to c in [p, p + n), or null.
const char* FindFirst(const char* p, std::size_t n, char c);
const char* FindLast(const char* p, std::size_t n, char c);

}  // namespace byte_scan
