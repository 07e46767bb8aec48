// Word and file-name queries over a gap buffer (word characters: see
// char_class::IsWordChar).  Like the line queries they read across the gap.
#pragma once
#include "editor/doc/gap_buffer.h"

#include <string>

namespace word_query {

// The start of the word before pos, the line start, or (at a line start)
// the end of the previous line.
TextPos WordLeft(const GapBuffer& text, TextPos pos);
// The start of the next word in the line, the line feed, or (on a line
// feed) the start of the next line.
TextPos WordRight(const GapBuffer& text, TextPos pos);
// First and last position (inclusive) of the word at or just before pos;
// both kNoPos when there is none.
void WordBounds(const GapBuffer& text, TextPos pos, TextPos& start, TextPos& end);

// The longest file name taken from the text, as a path buffer holds it.
inline constexpr std::size_t kMaxFileName = 259;

// The file-name token around pos and the first number after it on the line
// (0 without digits); an empty name and -1 when pos is on white space.
void FileNameAt(const GapBuffer& text, TextPos pos, std::string& name, long& line);

} // namespace word_query
