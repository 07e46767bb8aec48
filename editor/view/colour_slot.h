// The colour pairs a coloured line is drawn in; each names a text and a
// background colour of the "Colors" settings.
#pragma once
#include <cstdint>

enum class ColourSlot : std::uint8_t {
    Text,         // Text / TextBk: ordinary text, strings, numbers
    CKeyword,     // CText / CBk
    CppKeyword,   // CppText / CppBk
    Preprocessor, // Preprocessor / PreprocessorBk
    Comment,      // Comment / CommentBk
    Marked,       // Marked / MarkedBk: selected bytes of any run
    Bookmark,     // Bookmark / BookmarkBk: a bookmarked line, never coloured
};

// A piece of a display line drawn in one slot: bytes [begin, begin + length).
struct ColourRun {
    std::uint32_t begin = 0;
    std::uint32_t length = 0;
    ColourSlot slot = ColourSlot::Text;

    friend bool operator==(const ColourRun&, const ColourRun&) = default;
};
