// Tabs to blanks and back, for lines given from their start.  Columns count
// from 0 and tab stops lie at multiples of the tab length.
#pragma once
#include <string>
#include <string_view>

namespace tab_conversion {

// Every tab becomes the blanks up to the next tab stop (at least one).
std::string ExpandTabs(std::string_view text, int tabLength);

// Every run of two or more blanks that ends exactly on a tab stop becomes
// one tab; a single blank is never replaced.
std::string CompressBlanks(std::string_view text, int tabLength);

} // namespace tab_conversion
