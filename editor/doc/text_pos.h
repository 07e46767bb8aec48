// Positions in a document's text: byte offsets, 32 bits wide.
#pragma once
#include <cstdint>

using TextPos = std::uint32_t;

// "No position": all bits set, as every caller of the buffer expects.
inline constexpr TextPos kNoPos = 0xFFFFFFFFu;

// The longest text a document holds.  A little below 4 GB so that the
// length, a gap and the closing zero byte always fit in 32 bits.
inline constexpr TextPos kMaxTextLength = 0xFFFF0000u;
