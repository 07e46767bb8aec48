// Fast scans over plain byte ranges: the document's queries run them on the
// two halves of the text around the gap, so a 100 MB text counts its lines
// in milliseconds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace byte_scan {

// Word-at-a-time helpers: eight bytes in one 64-bit word.
inline std::uint64_t Load8(const char* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

inline void Store8(char* p, std::uint64_t w)
{
    std::memcpy(p, &w, sizeof w);
}

// Bit 7 of each byte of `word` that equals c, and only of those (no false
// positives, unlike the shorter (x - ones) & ~x trick).
inline std::uint64_t MatchMask(std::uint64_t word, char c)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    std::uint64_t y = (x & kLow7) + kLow7;
    return ~(y | x | kLow7);
}

// Number of bytes equal to c in [p, p + n).
std::size_t Count(const char* p, std::size_t n, char c);

// The first / last byte equal to c in [p, p + n), or null.
const char* FindFirst(const char* p, std::size_t n, char c);
const char* FindLast(const char* p, std::size_t n, char c);

} // namespace byte_scan
