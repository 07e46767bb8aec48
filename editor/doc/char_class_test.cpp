#include "editor/doc/char_class.h"

#include <gtest/gtest.h>

TEST(CharClass, WordCharactersAreAsciiLettersDigitsUnderscoreAndTheGermanLetters)
{
    for (int c = 0; c < 256; ++c) {
        bool ascii = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        bool german =
            c == 0xE4 || c == 0xF6 || c == 0xFC || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xDF;
        EXPECT_EQ(char_class::IsWordChar(static_cast<unsigned char>(c)),
                  ascii || german || c == '_')
            << "byte " << c;
    }
}

TEST(CharClass, CaseConversionFollowsCodePage1252)
{
    struct Pair {
        unsigned char lower, upper;
    };
    const Pair pairs[] = {{'a', 'A'},   {'z', 'Z'},   {0xE4, 0xC4}, {0xF6, 0xD6},
                          {0xFC, 0xDC}, {0xE9, 0xC9}, {0xFE, 0xDE}, {0x9A, 0x8A},
                          {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (Pair p : pairs) {
        EXPECT_EQ(char_class::ToUpper(p.lower), p.upper) << int(p.lower);
        EXPECT_EQ(char_class::ToLower(p.upper), p.lower) << int(p.upper);
    }
    // Letters without a partner, and the signs in the letter ranges, stay.
    for (int c : {0xDF, 0xF7, 0xD7, 0xB5, int('1'), int('_'), 0xAA}) {
        auto byte = static_cast<unsigned char>(c);
        EXPECT_EQ(char_class::ToUpper(byte), byte) << c;
        EXPECT_EQ(char_class::ToLower(byte), byte) << c;
    }
}

TEST(CharClass, FileNameBytes)
{
    for (unsigned char c : {'a', 'Z', '0', '_', '.', '\\', ':'})
        EXPECT_TRUE(char_class::IsFileNameChar(c)) << c;
    for (int c : {int(' '), int('('), int('/'), int('"'), int('\n'), 0xE4})
        EXPECT_FALSE(char_class::IsFileNameChar(static_cast<unsigned char>(c))) << c;
}
