// Line and column queries over a gap buffer.  There is no line table: lines
// are found by scanning for line feeds, across the gap where it lies (the
// scans never need to close it).  Positions beyond the text are treated as
// its end.
#pragma once
#include "editor/doc/gap_buffer.h"

#include <string>

namespace line_query {

TextPos LineStart(const GapBuffer& text, TextPos pos);
// The line feed that ends pos's line, or the length on the last line.
TextPos LineEnd(const GapBuffer& text, TextPos pos);
// The bytes from pos to the line's end into `out`; the position after the
// line feed, or kNoPos when the line was the last.
TextPos GetLine(const GapBuffer& text, TextPos pos, std::string& out);
// Line feeds in [min(a, b), max(a, b)), negative when b < a.
int CountLines(const GapBuffer& text, TextPos a, TextPos b);
// The start of the line n lines below (n > 0) or above (n < 0) pos's line,
// stopping at the first and the last line.
TextPos MoveLines(const GapBuffer& text, TextPos pos, int n);

// The column a tab at column `col` leads to (columns are one-based).
int NextTabStop(int col, int tabLength);
int ColumnOfPos(const GapBuffer& text, TextPos pos, int tabLength);
// Moves pos, within its line, to the byte at or just past column col; stops
// at the line's end or a zero byte.  Returns the column reached.
int PosOfColumn(const GapBuffer& text, TextPos& pos, int col, int tabLength);

} // namespace line_query
