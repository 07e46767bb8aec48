#include "editor/doc/ascii_case.h"

namespace ascii_case {

namespace {

constexpr std::size_t kBlock = 64;

template <bool Upper> bool Changes(char ch)
{
    return static_cast<unsigned char>(static_cast<unsigned char>(ch) - (Upper ? 'a' : 'A')) < 26;
}

template <bool Upper> char Converted(char ch)
{
    const int shift = Changes<Upper>(ch) ? 32 : 0;
    return static_cast<char>(static_cast<unsigned char>(ch) + (Upper ? -shift : shift));
}

// No early exit inside a block: that is what lets it vectorise.
template <bool Upper> bool BlockChanges(const char* p)
{
    unsigned char any = 0;
    for (std::size_t i = 0; i < kBlock; ++i)
        any |= static_cast<unsigned char>(Changes<Upper>(p[i]));
    return any != 0;
}

template <bool Upper> void ConvertRange(char* p, std::size_t n)
{
    for (; n >= kBlock; p += kBlock, n -= kBlock)
        for (std::size_t i = 0; i < kBlock; ++i)
            p[i] = Converted<Upper>(p[i]);
    for (std::size_t i = 0; i < n; ++i)
        p[i] = Converted<Upper>(p[i]);
}

template <bool Upper> std::size_t First(const char* p, std::size_t n)
{
    std::size_t i = 0;
    while (i + kBlock <= n && !BlockChanges<Upper>(p + i))
        i += kBlock;
    while (i < n && !Changes<Upper>(p[i]))
        ++i;
    return i;
}

template <bool Upper> std::size_t End(const char* p, std::size_t n)
{
    std::size_t end = n;
    while (end >= kBlock && !BlockChanges<Upper>(p + end - kBlock))
        end -= kBlock;
    while (end > 0 && !Changes<Upper>(p[end - 1]))
        --end;
    return end;
}

} // namespace

void Convert(char* p, std::size_t n, bool upper)
{
    upper ? ConvertRange<true>(p, n) : ConvertRange<false>(p, n);
}

std::size_t FirstChange(const char* p, std::size_t n, bool upper)
{
    return upper ? First<true>(p, n) : First<false>(p, n);
}

std::size_t EndOfChanges(const char* p, std::size_t n, bool upper)
{
    return upper ? End<true>(p, n) : End<false>(p, n);
}

} // namespace ascii_case
