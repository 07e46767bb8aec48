// The tips file: one tip per line, "|" for a line break inside a tip, read
// from a remembered byte offset and wrapping to the first line at the end.
#pragma once
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

// A line is read into 512 bytes: longer lines give their first 511 characters
// and the rest is read as the next tip.
inline constexpr std::size_t kTipLineChars = 511;

struct TipLine {
    std::string text;      // with "|" turned into CR LF
    std::int64_t next = 0; // offset of the tip after this one
};

// The tips file of a program: its help file's path in upper case, cut before
// the first ".HLP", with ".TIP" appended.
std::string TipsFilePath(std::string_view helpFile);

// The line at the start of `bytes` as text-mode reading gives it: up to the
// line feed (CR LF counts as one character), at most kTipLineChars
// characters, cut at a NUL; `next` counts the bytes taken.
TipLine TakeTipLine(std::string_view bytes);

// The tip at `lastPos` in `file`, or the first line when nothing can be read
// there (end of file, an offset outside the file).
TipLine ReadTipAt(std::istream& file, std::int64_t lastPos);
