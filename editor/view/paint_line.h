// A text line as it goes into the paint buffer: show-hidden marks and the
// buffer's size limit applied.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Size of the paint buffer; a display line never holds more bytes.
inline constexpr std::size_t kPaintBufferSize = 32768;

// Shown for hidden characters (code page 1252).
inline constexpr char kShownBlank = '\xB7';   // ·
inline constexpr char kShownTab = '\xBB';     // »
inline constexpr char kShownLineEnd = '\xB6'; // ¶
// Ends a line that did not fit the paint buffer (…, code page 1252).
inline constexpr char kCutMark = '\x85';

struct PaintLine {
    std::string text;
    // The line was longer than the buffer: text holds its first bytes and
    // ends with kCutMark in the buffer's last byte.
    bool cut = false;
};

// The display form of `line` (without its line feed).  With showHidden a
// blank becomes ·, a tab becomes » followed by the real tab when the tab
// spans more than one column, and ¶ closes the line.
void ExpandForPaint(std::string_view line, int tabLength, bool showHidden, PaintLine& out);

// The index in the display form of byte `index` of the line (the line's
// length maps to the display length before ¶ or the cut mark).
std::size_t DisplayIndex(std::string_view line, std::size_t index, int tabLength, bool showHidden);

// The display column (one-based) reached after the first `count` bytes of a
// display string, tab stops every tabLength columns.
std::size_t ColumnAfter(std::string_view text, std::size_t count, int tabLength);
