#include "editor/doc/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace byte_scan {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
constexpr std::uint64_t kLanes16 = 0x00FF00FF00FF00FFull;

std::uint64_t Load(const char* p)
{
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Bit 7 of each byte that is zero, and only of those (no false positives,
// unlike the shorter (x - ones) & ~x trick).
std::uint64_t ZeroByteMask(std::uint64_t x)
{
    std::uint64_t y = (x & kLow7) + kLow7;
    return ~(y | x | kLow7);
}

std::size_t SumLanes(std::uint64_t lanes)
{
    std::uint64_t pairs = (lanes & kLanes16) + ((lanes >> 8) & kLanes16);
    return static_cast<std::size_t>((pairs * 0x0001000100010001ull) >> 48);
}

}  // namespace

std::size_t Count(const char* p, std::size_t n, char c)
{
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    std::size_t total = 0;
    while (n >= 16) {
        // Each byte lane counts to at most 255 before it is summed.
        std::size_t blocks = n / 16 < 127 ? n / 16 : 127;
        std::uint64_t lanes = 0;
        for (std::size_t i = 0; i < blocks; ++i, p += 16) {
            lanes += ZeroByteMask(Load(p) ^ pattern) >> 7;
            lanes += ZeroByteMask(Load(p + 8) ^ pattern) >> 7;
        }
        total += SumLanes(lanes);
        n -= blocks * 16;
    }
    for (; n > 0; --n, ++p)
        total += *p == c;
    return total;
}

const char* FindFirst(const char* p, std::size_t n, char c)
{
    return n == 0 ? nullptr : static_cast<const char*>(std::memchr(p, c, n));
}

const char* FindLast(const char* p, std::size_t n, char c)
{
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
        while (n >= 8) {
            std::uint64_t hits = ZeroByteMask(Load(p + n - 8) ^ pattern);
            if (hits != 0)
                return p + n - 8 + (63 - std::countl_zero(hits)) / 8;
            n -= 8;
        }
    }
    while (n > 0) {
        --n;
        if (p[n] == c)
            return p + n;
    }
    return nullptr;
}

}  // namespace byte_scan
