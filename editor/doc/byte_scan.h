// Fast scans over plain byte ranges: the document's queries run them on the
// two halves of the text around the gap, so a 100 MB text counts its lines
// in milliseconds.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Bit i set for each i < 8 where byte i of `word` matched (a MatchMask).
inline unsigned MaskBits(std::uint64_t matches)
{
    // Each match bit moves to the top byte, byte i to bit 56 + i.
    return static_cast<unsigned>(((matches >> 7) * 0x0102040810204080ull) >> 56);
}

// Bit i set for each i < 16 where p[i] == c: the scans of the conversions
// test sixteen bytes at once and stop only where something happens.
inline unsigned MatchBits16Portable(const char* p, char c)
{
    return MaskBits(MatchMask(Load8(p), c)) | MaskBits(MatchMask(Load8(p + 8), c)) << 8;
}

inline unsigned MatchBits16(const char* p, char c)
{
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
#else
    return MatchBits16Portable(p, c);
#endif
}

// Number of bytes equal to c in [p, p + n).
std::size_t Count(const char* p, std::size_t n, char c);

// The first / last byte equal to c in [p, p + n), or null.
const char* FindFirst(const char* p, std::size_t n, char c);
const char* FindLast(const char* p, std::size_t n, char c);

} // namespace byte_scan
