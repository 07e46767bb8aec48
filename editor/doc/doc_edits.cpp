// Byte edits: typing, overwriting, deleting one byte.
#include "editor/doc/char_class.h"
#include "editor/doc/marl_doc_core.h"

#include <algorithm>

int MarlDocCore::InsertChar(TextPos pos, char ch, int line)
{
    return InsertByte(pos, ch, line, true);
}

int MarlDocCore::InsertByte(TextPos pos, char ch, int line, bool mayIndent)
{
    GapBuffer::Access access(m_text);
    pos = std::min(pos, GetLength());
    bool gapHere = m_text.GapLength() > 0 && m_text.GapPos() == pos;
    if (!gapHere && !MakeRoom(pos, GapBuffer::kGapStep))
        return 0;
    *m_text.GapStart() = ch;
    m_text.Commit(1);
    Journal(MakeRecord(RecordKind::InsertByte, pos, line));
    if (ch == '\n')
        ++m_nLineCount;
    Announce(pos, 1, ch == '\n');
    if (ch != '\n')
        return 1;
    if (!mayIndent || m_bInRedo || !m_services.settings.AutoIndent())
        return 1;
    return 1 + AutoIndentAfter(pos, line);
}

// Copies the blanks and tabs that start the line broken at lineFeedPos
// behind the new line feed.
int MarlDocCore::AutoIndentAfter(TextPos lineFeedPos, int line)
{
    TextPos lineStart = LineStart(lineFeedPos);
    if (lineFeedPos == 0 || lineFeedPos == lineStart)
        return 0; // an empty line passes on no indentation
    TextPos n = 0;
    while (lineStart + n < lineFeedPos && char_class::IsBlankOrTab(m_text.At(lineStart + n)))
        ++n;
    if (n == 0)
        return 0;
    std::string indentation = m_text.Text(lineStart, lineStart + n);
    if (!MakeRoom(lineFeedPos + 1, n))
        return 0;
    m_text.Insert(lineFeedPos + 1, indentation.data(), n);
    Journal(MakeRecord(RecordKind::InsertBlock, lineFeedPos + 1, line < 0 ? line : line + 1, n));
    Announce(lineFeedPos + 1, n, 0);
    return static_cast<int>(n);
}

int MarlDocCore::OverwriteChar(TextPos pos, char ch, int line)
{
    if (pos >= GetLength() || GetChar(pos) == '\n')
        return InsertChar(pos, ch, line);
    ReplaceByte(pos, ch, line);
    return 1;
}

// Replaces a byte in place whatever it is; the undo of an overwrite uses
// this, since the byte it must restore may now be a line feed.
void MarlDocCore::ReplaceByte(TextPos pos, char ch, int line)
{
    if (pos >= GetLength())
        return;
    unsigned char old = GetChar(pos);
    Journal(MakeByteRecord(RecordKind::Overwrite, pos, line, old));
    m_text.Set(pos, ch);
    m_nLineCount += (ch == '\n') - (old == '\n');
    Announce(pos, 0, (ch == '\n') - (old == '\n'));
}

unsigned char MarlDocCore::DeleteChar(TextPos pos, int line)
{
    if (pos >= GetLength())
        return 0;
    unsigned char old = GetChar(pos);
    Journal(MakeByteRecord(RecordKind::DeleteByte, pos, line, old));
    if (old == '\n')
        --m_nLineCount;
    m_text.Erase(pos, 1);
    Announce(pos, -1, old == '\n' ? -1 : 0);
    return old;
}
