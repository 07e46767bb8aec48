#include "editor/doc/char_class.h"

#include <algorithm>
#include <array>

namespace char_class {

namespace {

bool IsAsciiAlnum(unsigned char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// ä ö ü Ä Ö Ü ß
constexpr std::array<unsigned char, 7> kGermanLetters = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF};

struct CasePair {
    unsigned char lower, upper;
};

// The letters of the code page whose partner lies outside the two Latin-1
// ranges: š Š, œ Œ, ž Ž, ÿ Ÿ.
constexpr std::array<CasePair, 4> kOddPairs = {
    {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}}};

} // namespace

bool IsWordChar(unsigned char c)
{
    return IsAsciiAlnum(c) || c == '_' ||
           std::find(kGermanLetters.begin(), kGermanLetters.end(), c) != kGermanLetters.end();
}

bool IsFileNameChar(unsigned char c)
{
    return IsAsciiAlnum(c) || c == '_' || c == '.' || c == '\\' || c == ':';
}

unsigned char ToUpper(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    // à..þ except the division sign ÷ (0xF7).
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    for (CasePair pair : kOddPairs) {
        if (pair.lower == c)
            return pair.upper;
    }
    return c;
}

unsigned char ToLower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    // À..Þ except the multiplication sign × (0xD7).
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    for (CasePair pair : kOddPairs) {
        if (pair.upper == c)
            return pair.lower;
    }
    return c;
}

} // namespace char_class
