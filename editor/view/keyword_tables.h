// The three keyword tables of the colouring scanner, in their search order.
#pragma once
#include "editor/view/colour_slot.h"

#include <span>
#include <string_view>

std::span<const std::string_view> PreprocessorKeywords();
std::span<const std::string_view> CKeywords();
std::span<const std::string_view> CppKeywords();

// The slot a word is drawn in: the first table (preprocessor, C, C++) that
// holds it exactly, with case; Text when none does.
ColourSlot KeywordSlot(std::string_view word);
