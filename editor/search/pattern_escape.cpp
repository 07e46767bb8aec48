#include "editor/search/pattern_escape.h"

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// Reads at most maxDigits digits of value < base at pattern[pos]; count
// reports how many were taken.
unsigned ReadDigits(std::string_view pattern, std::size_t& pos, int maxDigits, bool hex, int& count)
{
    unsigned value = 0;
    count = 0;
    while (count < maxDigits && !IsPatternEnd(pattern, pos)) {
        char c = pattern[pos];
        int digit = hex ? HexDigitValue(c) : (IsOctalDigit(c) ? c - '0' : -1);
        if (digit < 0)
            break;
        value = value * (hex ? 16u : 8u) + static_cast<unsigned>(digit);
        ++pos;
        ++count;
    }
    return value;
}

} // namespace

std::optional<unsigned char> ExpandEscape(std::string_view pattern, std::size_t& pos)
{
    unsigned char c = static_cast<unsigned char>(pattern[pos++]);
    if (c != '\\')
        return c;
    if (IsPatternEnd(pattern, pos))
        return static_cast<unsigned char>('\\');

    unsigned char e = static_cast<unsigned char>(pattern[pos]);
    switch (e) {
    case 'n':
    case 'N':
        ++pos;
        return static_cast<unsigned char>('\n');
    case 't':
    case 'T':
        ++pos;
        return static_cast<unsigned char>('\t');
    case 'b':
    case 'B':
        ++pos;
        return static_cast<unsigned char>('\b');
    case 'r':
    case 'R':
        ++pos;
        return static_cast<unsigned char>('\r');
    default:
        break;
    }

    int count = 0;
    if (e == '0' && pos + 1 < pattern.size() &&
        (pattern[pos + 1] == 'x' || pattern[pos + 1] == 'X')) {
        // One digit is taken when only one is there; with none the user has
        // plainly written an incomplete code, which is reported.
        std::size_t digits = pos + 2;
        unsigned value = ReadDigits(pattern, digits, 2, true, count);
        if (count == 0)
            return std::nullopt;
        pos = digits;
        return static_cast<unsigned char>(value);
    }
    if (IsOctalDigit(static_cast<char>(e)))
        return static_cast<unsigned char>(ReadDigits(pattern, pos, 4, false, count) & 0xFFu);

    ++pos;
    return e;
}
