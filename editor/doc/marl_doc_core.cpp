#include "editor/doc/marl_doc_core.h"

#include "editor/doc/char_class.h"
#include "editor/doc/doc_messages.h"

#include <new>

MarlDocCore::MarlDocCore(const DocServices& services)
    : m_services(services), m_text(services.blocks)
{
}

MarlDocCore::~MarlDocCore() = default;

bool MarlDocCore::OpenGap(TextPos pos, TextPos size)
{
    return MakeRoom(pos, size);
}

TextBlock* MarlDocCore::GetTextBlock()
{
    m_text.CloseGap();
    return m_text.Block();
}

bool MarlDocCore::MakeRoom(TextPos pos, TextPos size)
{
    if (m_text.OpenGap(pos, size))
        return true;
    m_services.messages.ShowMessage(doc_text::kNoMemory, MessageIcon::Stop, MessageButtons::Ok);
    return false;
}

std::string_view MarlDocCore::PieceFrom(TextPos pos) const
{
    TextPos gap = m_text.GapPos();
    TextPos end = m_text.GapLength() > 0 && pos < gap ? gap : GetLength();
    return m_text.Spans(pos, end).first;
}

std::string_view MarlDocCore::PieceBefore(TextPos pos) const
{
    TextPos gap = m_text.GapPos();
    TextPos start = m_text.GapLength() > 0 && pos > gap ? gap : 0;
    return m_text.Spans(start, pos).first;
}

int MarlDocCore::RecountLines()
{
    m_nLineCount = CountLines(0, GetLength());
    return m_nLineCount;
}

bool MarlDocCore::IsWordChar(unsigned char c)
{
    return char_class::IsWordChar(c);
}

void MarlDocCore::Journal(UndoRecord&& record)
{
    m_bModified = true;
    record.joined = m_bGrouping && m_nGrouped++ > 0;
    (m_bJournalToRedo ? m_redo : m_undo).Push(std::move(record));
}

void MarlDocCore::JournalBytes(UndoRecord&& record, TextPos from, TextPos n)
{
    m_bModified = true;
    std::unique_ptr<char[]> data(new (std::nothrow) char[n == 0 ? 1 : n]);
    if (!data)
        return; // no memory for the record: the edit stands without it
    m_text.CopyOut(from, from + n, data.get());
    record.data = std::move(data);
    record.length = n;
    Journal(std::move(record));
}

TextPos MarlDocCore::LastEditPosition(int& line) const
{
    const UndoRecord* newest = m_undo.Newest();
    if (newest == nullptr)
        return kNoPos;
    line = newest->caretLine;
    return newest->position;
}

void MarlDocCore::Announce(TextPos pos, std::int64_t delta, std::int64_t lineDelta)
{
    if (m_observer)
        m_observer->TextChanged(ChangeNotice{pos, static_cast<std::int32_t>(delta),
                                             static_cast<std::int32_t>(lineDelta)});
}

void MarlDocCore::AnnounceReset()
{
    if (m_observer)
        m_observer->TextReset();
}
