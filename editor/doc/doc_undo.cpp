// Undo and redo: each replay reverses one record with the ordinary edits,
// which journal the reversal into the other list.
#include "editor/doc/marl_doc_core.h"

#include <algorithm>

TextPos MarlDocCore::Undo(int& line)
{
    if (m_undo.Empty())
        return kNoPos;
    m_bJournalToRedo = true;
    TextPos pos = Replay(m_undo, line);
    m_bJournalToRedo = false;
    return pos;
}

TextPos MarlDocCore::Redo(int& line)
{
    if (m_redo.Empty())
        return kNoPos;
    m_bInRedo = true;
    TextPos pos = Replay(m_redo, line);
    m_bInRedo = false;
    return pos;
}

TextPos MarlDocCore::Replay(RecordList& from, int& line)
{
    // A step's reversals form a step of the other list in their turn.
    JournalGroup group(*this);
    int delta = 0;
    UndoRecord record;
    do {
        record = from.Pop();
        ReplayRecord(record);
        delta += m_nChangeDelta;
    } while (record.joined && !from.Empty());
    m_nChangeDelta = delta;
    bool linesChanged = record.kind == RecordKind::Indent || record.kind == RecordKind::Unindent;
    line = linesChanged ? -1 : record.caretLine;
    // A redo after other edits may refer to text that is gone.
    return std::min(record.position, GetLength());
}

void MarlDocCore::ReplayRecord(const UndoRecord& record)
{
    GapBuffer::Access access(m_text);
    const TextPos pos = std::min(record.position, GetLength());
    const int line = record.caretLine;
    const TextPos before = GetLength();
    switch (record.kind) {
    case RecordKind::Overwrite:
        ReplaceByte(pos, static_cast<char>(record.byte), line);
        break;
    case RecordKind::InsertByte:
        DeleteChar(pos, line);
        break;
    case RecordKind::DeleteByte:
        InsertByte(pos, static_cast<char>(record.byte), line, false);
        break;
    case RecordKind::CaseChange:
        // Journals the bytes it writes over, so that redo brings them back.
        OverwriteRange(
            pos, std::string_view(record.data.get(), std::min(record.length, GetLength() - pos)),
            line);
        break;
    case RecordKind::InsertBlock:
        DeleteBlock(pos, record.length, line, kNoPos);
        break;
    case RecordKind::DeleteBlock:
        InsertBytes(pos, record.data.get(), record.length, line);
        break;
    case RecordKind::Indent:
        UnindentLines(pos, record.lines, line);
        break;
    case RecordKind::Unindent:
        IndentLines(pos, std::min(record.lines, record.length), record.data.get(), kNoPos, line);
        break;
    case RecordKind::Transpose:
        TransposeChars(pos);
        break;
    case RecordKind::Replace:
        ReplaceSpan(pos, pos + record.replacedBy, {record.data.get(), record.length}, line);
        break;
    }
    m_nChangeDelta = static_cast<int>(static_cast<std::int64_t>(GetLength()) - before);
}
