// Tabs to blanks and back, for lines given from their start.  Columns count
// from 0 and tab stops lie at multiples of the tab length.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tab_conversion {

// Every tab becomes the blanks up to the next tab stop (at least one).
std::string ExpandTabs(std::string_view text, int tabLength);
// The same written to `out`, which has room for ExpandedSizeBound bytes;
// returns the bytes written.
std::size_t ExpandedSizeBound(std::string_view text, int tabLength);
std::size_t ExpandTabsTo(std::string_view text, int tabLength, char* out);

// Every run of two or more blanks that ends exactly on a tab stop becomes
// one tab; a single blank is never replaced.
std::string CompressBlanks(std::string_view text, int tabLength);
// The same written to `out`, which has room for text.size() bytes (the
// result is never longer); returns the bytes written.
std::size_t CompressBlanksTo(std::string_view text, int tabLength, char* out);

} // namespace tab_conversion
