// The 128-bit set behind a bracket class.  Bytes are entered and tested by
// their low seven bits, so a byte above 127 stands for the one 128 below it.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct ClassSet {
    std::array<std::uint8_t, 16> bits{};

    void Add(unsigned char c) { bits[(c & 0x7Fu) >> 3] |= std::uint8_t(1u << (c & 7u)); }
    bool Contains(unsigned char c) const { return (bits[(c & 0x7Fu) >> 3] >> (c & 7u)) & 1u; }
};

// Fills set from the class text that starts at pattern[pos] (just behind "["
// or "[^") and leaves pos behind the closing ']'.  False when the class is
// never closed or holds a malformed escape; set and pos are then unspecified.
bool BuildClassSet(std::string_view pattern, std::size_t& pos, ClassSet& set);
