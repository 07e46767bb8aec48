#include "editor/doc/char_class.h"

namespace char_class {

namespace {

bool IsAsciiAlnum(unsigned char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool IsWordChar(unsigned char c)
{
    switch (c) {
    case '_':
    case 0xE4: case 0xF6: case 0xFC:  // ä ö ü
    case 0xC4: case 0xD6: case 0xDC:  // Ä Ö Ü
    case 0xDF:                        // ß
        return true;
    default:
        return IsAsciiAlnum(c);
    }
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
    switch (c) {
    case 0x9A: return 0x8A;  // š Š
    case 0x9C: return 0x8C;  // œ Œ
    case 0x9E: return 0x8E;  // ž Ž
    case 0xFF: return 0x9F;  // ÿ Ÿ
    default: return c;
    }
}

unsigned char ToLower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    // À..Þ except the multiplication sign × (0xD7).
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

}  // namespace char_class
