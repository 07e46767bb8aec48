// One replacement of a range as a single journal record: Replace All puts
// its whole result in place with it, so that the user undoes it in one step
// and the older records stay.
#include "editor/doc/byte_scan.h"
#include "editor/doc/doc_messages.h"
#include "editor/doc/marl_doc_core.h"

#include <algorithm>
#include <cstring>
#include <new>

bool MarlDocCore::ReplaceSpan(TextPos from, TextPos to, std::string_view text, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    from = std::min(from, to);
    const TextPos old = to - from;
    if (text.size() > kMaxTextLength - (GetLength() - old))
        return false;
    const auto size = static_cast<TextPos>(text.size());
    // All room first, so that running short changes nothing.
    if (size > old && !MakeRoom(to, size - old))
        return false;
    UndoRecord record = MakeRecord(RecordKind::Replace, from, line, old);
    record.data.reset(new (std::nothrow) char[old == 0 ? 1 : old]);
    if (record.data)
        m_text.CopyOut(from, to, record.data.get());
    const auto removedLines = static_cast<int>(m_text.Count(from, to, '\n'));
    const auto addedLines = static_cast<int>(byte_scan::Count(text.data(), text.size(), '\n'));
    m_nLineCount += addedLines - removedLines;
    std::memcpy(m_text.TakeForRewrite(from, old), text.data(), size);
    m_text.CommitRewrite(size, old);
    FinishReplace(std::move(record), from, old, size, removedLines, addedLines);
    return true;
}

bool MarlDocCore::ReplaceSpanWith(TextPos from, TextPos to, std::size_t maxSize,
                                  const SpanWriter& write, LineFeeds lineFeeds, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    from = std::min(from, to);
    const TextPos old = to - from;
    if (maxSize > kMaxTextLength - (GetLength() - old))
        return false;
    const auto room = static_cast<TextPos>(maxSize);
    // The old bytes go to the record first: they are what `write` reads, so
    // without that copy nothing may change.
    UndoRecord record = MakeRecord(RecordKind::Replace, from, line, old);
    record.data.reset(new (std::nothrow) char[old == 0 ? 1 : old]);
    if (!record.data) {
        m_services.messages.ShowMessage(doc_text::kNoMemory, MessageIcon::Stop, MessageButtons::Ok);
        return false;
    }
    if (room > old && !MakeRoom(to, room - old))
        return false;
    m_text.CopyOut(from, to, record.data.get());
    const std::string_view before(record.data.get(), old);
    // The old span becomes the front of the gap, and the new text is written
    // straight over it.
    char* out = m_text.TakeForRewrite(from, old);
    const auto size = static_cast<TextPos>(std::min(write(before, out), maxSize));
    m_text.CommitRewrite(size, old);
    const auto removedLines =
        static_cast<int>(byte_scan::Count(before.data(), before.size(), '\n'));
    const int addedLines = lineFeeds == LineFeeds::Kept
                               ? removedLines
                               : static_cast<int>(byte_scan::Count(out, size, '\n'));
    m_nLineCount += addedLines - removedLines;
    FinishReplace(std::move(record), from, old, size, removedLines, addedLines);
    return true;
}

void MarlDocCore::FinishReplace(UndoRecord&& record, TextPos from, TextPos old, TextPos size,
                                int removedLines, int addedLines)
{
    m_bModified = true;
    record.replacedBy = size;
    if (record.data)
        Journal(std::move(record));
    m_text.TrimGap();
    // Views follow as for a deletion of the old span and an insertion.
    Announce(from, -static_cast<std::int64_t>(old), -removedLines);
    Announce(from, size, addedLines);
}
