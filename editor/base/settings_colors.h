// Stored colours: a ColorCode is the id of the palette button that chose the
// colour (1069..1084 text buttons, 1085..1100 background buttons, both over
// the same sixteen colours); the program draws with the colour derived from it.
#pragma once
#include <array>
#include <cstdint>

using ColorCode = std::int32_t;

inline constexpr ColorCode kFirstTextColorCode = 1069;
inline constexpr ColorCode kFirstBackColorCode = 1085;
inline constexpr ColorCode kLastColorCode = 1100;
inline constexpr int kPaletteSize = 16;

// A 24-bit colour laid out as the platform's COLORREF: 0x00BBGGRR.
using ColorValue = std::uint32_t;

constexpr ColorValue MakeColorValue(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return ColorValue{red} | ColorValue{green} << 8 | ColorValue{blue} << 16;
}

inline constexpr std::array<ColorValue, kPaletteSize> kPalette = {
    MakeColorValue(0, 0, 0),       MakeColorValue(255, 255, 255), MakeColorValue(255, 0, 0),
    MakeColorValue(0, 255, 0),     MakeColorValue(0, 0, 255),     MakeColorValue(255, 255, 0),
    MakeColorValue(255, 0, 255),   MakeColorValue(0, 255, 255),   MakeColorValue(128, 128, 128),
    MakeColorValue(192, 192, 192), MakeColorValue(128, 0, 0),     MakeColorValue(0, 128, 0),
    MakeColorValue(0, 0, 128),     MakeColorValue(128, 128, 0),   MakeColorValue(128, 0, 128),
    MakeColorValue(0, 128, 128),
};

// The colour a stored code stands for; any code outside the palette is black.
constexpr ColorValue ColorFromCode(ColorCode code)
{
    if (code < kFirstTextColorCode || code > kLastColorCode)
        return kPalette[0];
    return kPalette[(code - kFirstTextColorCode) % kPaletteSize];
}

// The colour entries of the application, in the order of the Colors section.
enum class ColorItem {
    Text,
    TextBk,
    Marked,
    MarkedBk,
    Bookmark,
    BookmarkBk,
    CText,
    CBk,
    CppText,
    CppBk,
    Comment,
    CommentBk,
    Preprocessor,
    PreprocessorBk,
};
inline constexpr int kColorItemCount = 14;

// The codes a new profile gives, by ColorItem.
inline constexpr std::array<ColorCode, kColorItemCount> kDefaultColorCodes = {
    1069, 1086, // text: black on white
    1070, 1085, // selection: white on black
    1069, 1084, // bookmark: black on dark cyan
    1073, 1086, // C keyword: blue on white
    1073, 1086, // C++ keyword: blue on white
    1080, 1086, // comment: dark green on white
    1073, 1086, // preprocessor: blue on white
};

// The stored code is kept for writing back unchanged; the colour is looked up
// once, when the code is set.
struct ColorEntry {
    ColorCode code = 0;
    ColorValue color = 0;

    constexpr void Set(ColorCode newCode)
    {
        code = newCode;
        color = ColorFromCode(newCode);
    }
    friend constexpr bool operator==(const ColorEntry&, const ColorEntry&) = default;
};

using ColorEntries = std::array<ColorEntry, kColorItemCount>;

constexpr ColorEntries DefaultColorEntries()
{
    ColorEntries entries{};
    for (int i = 0; i < kColorItemCount; ++i)
        entries[i].Set(kDefaultColorCodes[i]);
    return entries;
}
