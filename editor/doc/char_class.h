// Character classes of the editor's single-byte text (code page 1252).
// Tables rather than the C library, so the answers do not depend on the
// process locale and are the same in every build.
#pragma once

namespace char_class {

// Letters and digits of the C locale, '_', and the German letters
// ä ö ü Ä Ö Ü ß that the editor has always treated as word characters.
bool IsWordChar(unsigned char c);

// White space of the C locale: blank, tab, line feed, vertical tab,
// form feed, carriage return.
inline bool IsSpace(unsigned char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool IsBlankOrTab(unsigned char c)
{
    return c == ' ' || c == '\t';
}

inline bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// Bytes of a file name as the "open file at caret" command reads it.
bool IsFileNameChar(unsigned char c);

// Case conversion of code page 1252 (accented letters included; the sharp
// s and the letters without a partner in the code page stay as they are).
unsigned char ToUpper(unsigned char c);
unsigned char ToLower(unsigned char c);

} // namespace char_class
