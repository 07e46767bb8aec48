// Characters and escape sequences of the pattern syntax.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A pattern's text ends at its size, at a NUL or at a line feed, whatever
// else the caller uses as delimiter.
inline bool IsPatternEnd(std::string_view pattern, std::size_t pos)
{
    return pos >= pattern.size() || pattern[pos] == '\0' || pattern[pos] == '\n';
}

// Reads the character or escape sequence at pattern[pos] (which must not be
// the end) and leaves pos behind it.  Nothing when "\0x" is followed by no
// hexadecimal digit at all.
std::optional<unsigned char> ExpandEscape(std::string_view pattern, std::size_t& pos);

// Lower-cases A to Z only, as the C library does in the default locale.
inline unsigned char LowerAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

inline std::string LowerAsciiCopy(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(LowerAscii(static_cast<unsigned char>(c)));
    return lower;
}
