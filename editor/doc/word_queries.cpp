#include "editor/doc/word_queries.h"

#include "editor/doc/char_class.h"
#include "editor/doc/line_queries.h"

#include <algorithm>

namespace word_query {

using char_class::IsWordChar;

TextPos WordLeft(const GapBuffer& text, TextPos pos)
{
    GapBuffer::Access access(text);
    pos = std::min(pos, text.Length());
    if (pos == 0)
        return 0;
    TextPos lineStart = line_query::LineStart(text, pos);
    if (pos == lineStart)
        return line_query::LineEnd(text, line_query::MoveLines(text, pos, -1));
    TextPos p = pos;
    while (p > lineStart && !IsWordChar(text.At(p - 1)))
        --p;
    while (p > lineStart && IsWordChar(text.At(p - 1)))
        --p;
    return p;
}

TextPos WordRight(const GapBuffer& text, TextPos pos)
{
    GapBuffer::Access access(text);
    TextPos length = text.Length();
    if (pos >= length)
        return std::min(pos, length);
    if (text.At(pos) == '\n')
        return pos + 1;
    TextPos p = pos;
    while (p < length && text.At(p) != '\n' && IsWordChar(text.At(p)))
        ++p;
    while (p < length && text.At(p) != '\n' && !IsWordChar(text.At(p)))
        ++p;
    return p;
}

void WordBounds(const GapBuffer& text, TextPos pos, TextPos& start, TextPos& end)
{
    GapBuffer::Access access(text);
    TextPos length = text.Length();
    TextPos p = std::min(pos, length);
    unsigned char here = text.At(p);
    // On the blank after a word (or at the end), the word before counts.
    if (p > 0 && (char_class::IsSpace(here) || here == 0) && !char_class::IsSpace(text.At(p - 1)))
        --p;
    if (p >= length || !IsWordChar(text.At(p))) {
        start = end = kNoPos;
        return;
    }
    start = p;
    while (start > 0 && IsWordChar(text.At(start - 1)))
        --start;
    end = p;
    while (end + 1 < length && IsWordChar(text.At(end + 1)))
        ++end;
}

void FileNameAt(const GapBuffer& text, TextPos pos, std::string& name, long& line)
{
    GapBuffer::Access access(text);
    TextPos length = text.Length();
    name.clear();
    line = -1;
    unsigned char here = text.At(pos);
    if (pos >= length || char_class::IsSpace(here) || here == 0)
        return;
    TextPos start = pos;
    while (start > 0 && char_class::IsFileNameChar(text.At(start - 1)))
        --start;
    TextPos p = start;
    while (p < length && char_class::IsFileNameChar(text.At(p)))
        ++p;
    name = text.Text(start, std::min<TextPos>(p, start + kMaxFileName));
    while (p < length && text.At(p) != '\n' && text.At(p) != 0 && !char_class::IsDigit(text.At(p)))
        ++p;
    long value = 0;
    for (; p < length && char_class::IsDigit(text.At(p)); ++p) {
        // Saturates: a line number beyond any text goes to the last line.
        int digit = text.At(p) - '0';
        value = value > (2147483647 - digit) / 10 ? 2147483647 : value * 10 + digit;
    }
    line = value;
}

} // namespace word_query
