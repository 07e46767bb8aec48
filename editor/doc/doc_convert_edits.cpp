// The conversions as document edits: each journals one undo step.
#include "editor/doc/ascii_case.h"
#include "editor/doc/byte_scan.h"
#include "editor/doc/doc_conversions.h"
#include "editor/doc/marl_doc_core.h"

#include <algorithm>
#include <cstring>

namespace {

// Index of the first byte where a and b differ, n when none; whole blocks
// are compared by memcmp, which runs at memory speed.
std::size_t FirstDifference(const char* a, const char* b, std::size_t n)
{
    constexpr std::size_t kBlock = 4096;
    std::size_t i = 0;
    while (i + kBlock <= n && std::memcmp(a + i, b + i, kBlock) == 0)
        i += kBlock;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// One past the last index where a and b differ, 0 when none.
std::size_t EndOfDifferences(const char* a, const char* b, std::size_t n)
{
    constexpr std::size_t kBlock = 4096;
    std::size_t end = n;
    while (end >= kBlock && std::memcmp(a + end - kBlock, b + end - kBlock, kBlock) == 0)
        end -= kBlock;
    while (end > 0 && a[end - 1] == b[end - 1])
        --end;
    return end;
}

} // namespace

bool MarlDocCore::OverwriteRange(TextPos from, std::string_view bytes, int line)
{
    GapBuffer::Access access(m_text);
    from = std::min(from, GetLength());
    TextPos n = std::min(static_cast<TextPos>(bytes.size()), GetLength() - from);
    if (n == 0)
        return false;
    // Only the span between the first and the last differing byte is
    // journalled and written, so a record holds no more than changed.
    char* d = m_text.GapAt(from + n) + from;
    const auto first = static_cast<TextPos>(FirstDifference(d, bytes.data(), n));
    if (first == n)
        return false;
    const auto last = static_cast<TextPos>(EndOfDifferences(d, bytes.data(), n));
    JournalBytes(MakeRecord(RecordKind::CaseChange, from + first, line), from + first,
                 last - first);
    d = m_text.GapAt(from + n) + from;
    // A replayed record may land on other text than it was made for: line
    // feeds written over or in keep the line count true.
    const std::size_t span = last - first;
    m_nLineCount += static_cast<int>(byte_scan::Count(bytes.data() + first, span, '\n')) -
                    static_cast<int>(byte_scan::Count(d + first, span, '\n'));
    std::memcpy(d + first, bytes.data() + first, span);
    Announce(from + first, 0, 0);
    return true;
}

bool MarlDocCore::ConvertCase(TextPos from, TextPos to, bool upper, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    if (from >= to)
        return false;
    // Converted where it lies, on both sides of the gap; only the span from
    // the first to the last changing letter is journalled and written.
    auto [front, back] = m_text.WritableSpans(from, to);
    const TextPos backStart = from + static_cast<TextPos>(front.size());
    TextPos first =
        from + static_cast<TextPos>(ascii_case::FirstChange(front.data(), front.size(), upper));
    if (first == backStart)
        first = backStart +
                static_cast<TextPos>(ascii_case::FirstChange(back.data(), back.size(), upper));
    if (first == to)
        return false;
    TextPos end =
        backStart + static_cast<TextPos>(ascii_case::EndOfChanges(back.data(), back.size(), upper));
    if (end == backStart)
        end = from +
              static_cast<TextPos>(ascii_case::EndOfChanges(front.data(), front.size(), upper));
    JournalBytes(MakeRecord(RecordKind::CaseChange, first, line), first, end - first);
    auto [changedFront, changedBack] = m_text.WritableSpans(first, end);
    ascii_case::Convert(changedFront.data(), changedFront.size(), upper);
    ascii_case::Convert(changedBack.data(), changedBack.size(), upper);
    Announce(first, 0, 0);
    return true;
}

int MarlDocCore::ReplaceText(TextPos from, TextPos to, std::string_view text, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    from = std::min(from, to);
    return ReplaceRange(from, to, text, line);
}

bool MarlDocCore::ReformatRange(TextPos from, TextPos to, int lineLength, bool keepBreaks, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    if (from >= to)
        return false;
    doc_convert::ReformatParams params;
    params.startColumn = ColumnOfPos(from);
    params.lineLength = lineLength;
    params.keepBreaks = keepBreaks;
    params.tabLength = m_services.settings.TabLength();
    params.lineFeedAfter = to < GetLength() && GetChar(to) == '\n';
    // Lines that all fit leave the document alone, journal included.  The
    // range is made contiguous where the replacement wants its room anyway.
    const std::string_view text(m_text.GapAt(to) + from, to - from);
    if (!doc_convert::ReformatBreaks(text, params))
        return false;
    // The refill is written straight into the gap, from the journal's copy.
    return ReplaceSpanWith(
        from, to, doc_convert::ReformatBound(text.size(), params),
        [&params](std::string_view old, char* out) {
            return doc_convert::ReformatTo(old, params, out);
        },
        LineFeeds::Changed, line);
}
