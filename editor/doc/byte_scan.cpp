#include "editor/doc/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace byte_scan {

namespace {

[[maybe_unused]] constexpr std::uint64_t kLanes16 = 0x00FF00FF00FF00FFull;

[[maybe_unused]] std::size_t SumLanes(std::uint64_t lanes)
{
    std::uint64_t pairs = (lanes & kLanes16) + ((lanes >> 8) & kLanes16);
    return static_cast<std::size_t>((pairs * 0x0001000100010001ull) >> 48);
}

} // namespace

std::size_t Count(const char* p, std::size_t n, char c)
{
    std::size_t total = 0;
#if defined(__SSE2__)
    // With vector registers, a fixed-length inner loop becomes vector
    // compares and a sum of byte lanes: about twice the words' speed.
    for (; n >= 64; p += 64, n -= 64) {
        unsigned char block = 0;
        for (std::size_t i = 0; i < 64; ++i)
            block = static_cast<unsigned char>(block + (p[i] == c));
        total += block;
    }
#else
    while (n >= 16) {
        // Each byte lane counts to at most 255 before it is summed.
        std::size_t blocks = n / 16 < 127 ? n / 16 : 127;
        std::uint64_t lanes = 0;
        for (std::size_t i = 0; i < blocks; ++i, p += 16) {
            lanes += MatchMask(Load8(p), c) >> 7;
            lanes += MatchMask(Load8(p + 8), c) >> 7;
        }
        total += SumLanes(lanes);
        n -= blocks * 16;
    }
#endif
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
        while (n >= 8) {
            std::uint64_t hits = MatchMask(Load8(p + n - 8), c);
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

} // namespace byte_scan
