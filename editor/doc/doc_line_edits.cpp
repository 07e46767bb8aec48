// Edits of a few bytes in place or of line starts: exchange, capitalise,
// indent and unindent, tab and blank conversion.
#include "editor/doc/byte_scan.h"
#include "editor/doc/char_class.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/tab_conversion.h"

#include <algorithm>
#include <cstring>
#include <vector>

void MarlDocCore::TransposeChars(TextPos pos)
{
    GapBuffer::Access access(m_text);
    TextPos length = GetLength();
    if (length < 2 || pos > length - 2)
        return;
    Journal(MakeRecord(RecordKind::Transpose, pos, -1));
    unsigned char first = GetChar(pos);
    m_text.Set(pos, static_cast<char>(GetChar(pos + 1)));
    m_text.Set(pos + 1, static_cast<char>(first));
    Announce(pos, 0, 0);
}

void MarlDocCore::CapitalizeWord(TextPos pos, TextPos& start, TextPos& end)
{
    GapBuffer::Access access(m_text);
    if (start == kNoPos || end == kNoPos)
        WordBounds(pos, start, end);
    if (start == kNoPos || end == kNoPos || start >= GetLength() || end < start)
        return;
    end = std::min(end, GetLength() - 1);
    JournalBytes(MakeRecord(RecordKind::CaseChange, start, -1), start, end - start + 1);
    m_text.Set(start, static_cast<char>(char_class::ToUpper(GetChar(start))));
    for (TextPos p = start + 1; p <= end; ++p)
        m_text.Set(p, static_cast<char>(char_class::ToLower(GetChar(p))));
    Announce(start, 0, 0);
    ++end;
}

TextPos MarlDocCore::LinesStartingIn(TextPos start, TextPos end) const
{
    if (end <= start)
        return 0;
    return 1 + static_cast<TextPos>(m_text.Count(start, end - 1, '\n'));
}

TextPos MarlDocCore::IndentBlock(TextPos from, TextPos to, int line)
{
    GapBuffer::Access access(m_text);
    TextPos start = LineStart(from);
    TextPos end = std::min(GetLength(), to);
    return IndentLines(start, LinesStartingIn(start, end), nullptr, end, line);
}

TextPos MarlDocCore::UnindentBlock(TextPos from, TextPos to, int line)
{
    GapBuffer::Access access(m_text);
    TextPos start = LineStart(from);
    TextPos end = std::min(GetLength(), to);
    return UnindentLines(start, LinesStartingIn(start, end), line);
}

namespace {

// The start of the last of `lines` lines from `start`; `lines` drops to the
// lines that exist (a replay may find the text shorter than recorded).
TextPos LastLineStart(const GapBuffer& text, TextPos start, TextPos& lines)
{
    TextPos last = start;
    for (TextPos found = 1; found < lines; ++found) {
        TextPos lineFeed = text.Find(last, text.Length(), '\n');
        if (lineFeed == text.Length()) {
            lines = found;
            break;
        }
        last = lineFeed + 1;
    }
    return last;
}

} // namespace

// Inserts one byte at the start of each of `lines` lines from `start`: the
// fill byte, or the line's entry of `chars` (0: nothing).  Only the bytes
// between the first and the last line start move.
TextPos MarlDocCore::IndentLines(TextPos start, TextPos lines, const char* chars, TextPos end,
                                 int line)
{
    GapBuffer::Access access(m_text);
    start = std::min(start, GetLength());
    TextPos lastStart = LastLineStart(m_text, start, lines);
    TextPos inserted = chars ? static_cast<TextPos>(std::count_if(chars, chars + lines,
                                                                  [](char c) { return c != 0; }))
                             : lines;
    if (!MakeRoom(lastStart, std::max(inserted, GapBuffer::kGapStep)))
        return 0;
    if (end == kNoPos)
        end = lastStart + 1;
    UndoRecord record =
        MakeRecord(RecordKind::Indent, start, line, (end > start ? end - start : 0) + 1);
    record.lines = lines;
    Journal(std::move(record));
    if (lines == 0)
        return 0;
    const char fill = m_services.settings.UseBlanks() ? ' ' : '\t';
    char* d = m_text.GapAt(lastStart);
    // From the last line backwards, each line's bytes move up past the bytes
    // inserted before them and get their own byte in front.
    TextPos lineStart = lastStart;
    TextPos src = lastStart;
    TextPos dst = lastStart + inserted;
    for (TextPos index = lines; index-- > 0;) {
        TextPos run = src - lineStart;
        std::memmove(d + dst - run, d + lineStart, run);
        dst -= run;
        src = lineStart;
        char c = chars ? chars[index] : fill;
        if (c != 0)
            d[--dst] = c;
        if (index == 0)
            break;
        const char* lineFeed = byte_scan::FindLast(d + start, lineStart - 1 - start, '\n');
        lineStart = lineFeed ? static_cast<TextPos>(lineFeed - d) + 1 : start;
    }
    m_text.Commit(inserted);
    AnnounceLineStarts(start, lines, chars, 1);
    return inserted;
}

// Removes a leading blank or tab from each of `lines` lines from `start`,
// journalling what each line lost.
TextPos MarlDocCore::UnindentLines(TextPos start, TextPos lines, int line)
{
    GapBuffer::Access access(m_text);
    start = std::min(start, GetLength());
    TextPos lastStart = LastLineStart(m_text, start, lines);
    TextPos regionEnd = lines == 0 ? start : std::min(lastStart + 1, GetLength());
    char* d = m_text.GapAt(regionEnd);
    std::vector<char> removed(lines);
    TextPos read = start;
    TextPos write = start;
    for (TextPos index = 0; index < lines; ++index) {
        if (read < regionEnd && char_class::IsBlankOrTab(static_cast<unsigned char>(d[read])))
            removed[index] = d[read++];
        TextPos next = regionEnd;
        if (index + 1 < lines) {
            const char* lineFeed = byte_scan::FindFirst(d + read, regionEnd - read, '\n');
            next = lineFeed ? static_cast<TextPos>(lineFeed - d) + 1 : regionEnd;
        }
        std::memmove(d + write, d + read, next - read);
        write += next - read;
        read = next;
    }
    TextPos count = regionEnd - write;
    m_text.Uncommit(count);
    m_bModified = true;
    UndoRecord record = MakeRecord(RecordKind::Unindent, start, line, lines);
    record.lines = lines;
    record.data = CopyRecordData(removed.data(), removed.size());
    if (record.data)
        Journal(std::move(record));
    m_text.TrimGap();
    AnnounceLineStarts(start, lines, removed.data(), -1);
    return count;
}

// One notice per line whose start gained (sign 1) or lost (-1) a byte, top
// down, each at the line's start as the text stands after the ones before:
// a bookmark on a line start stays on it.  `changed` null: every line.
void MarlDocCore::AnnounceLineStarts(TextPos start, TextPos lines, const char* changed, int sign)
{
    if (!m_observer)
        return;
    TextPos lineStart = start;
    for (TextPos index = 0; index < lines; ++index) {
        if (!changed || changed[index] != 0)
            Announce(lineStart, sign, 0);
        const TextPos end = LineEnd(lineStart);
        if (end >= GetLength())
            break;
        lineStart = end + 1;
    }
}

int MarlDocCore::TabsToBlanks(TextPos from, TextPos to, int line)
{
    GapBuffer::Access access(m_text);
    const int tab = m_services.settings.TabLength();
    const TextPos start = LineStart(from);
    const TextPos end = std::min(GetLength(), to);
    if (end <= start)
        return 0;
    const std::size_t bound =
        m_text.Count(start, end, '\t') * static_cast<std::size_t>(std::max(tab, 1) - 1);
    return ReplaceLinesWith(
        start, end, end - start + bound,
        [tab](std::string_view old, char* out) {
            return tab_conversion::ExpandTabsTo(old, tab, out);
        },
        LineFeeds::Kept, line);
}

int MarlDocCore::BlanksToTabs(TextPos from, TextPos to, int line)
{
    GapBuffer::Access access(m_text);
    const int tab = m_services.settings.TabLength();
    const TextPos start = LineStart(from);
    const TextPos end = std::min(GetLength(), to);
    if (end <= start)
        return 0;
    return ReplaceLinesWith(
        start, end, end - start,
        [tab](std::string_view old, char* out) {
            return tab_conversion::CompressBlanksTo(old, tab, out);
        },
        LineFeeds::Kept, line);
}

int MarlDocCore::ReplaceLinesWith(TextPos start, TextPos end, std::size_t maxSize,
                                  const SpanWriter& write, LineFeeds lineFeeds, int line)
{
    const TextPos before = GetLength();
    if (!ReplaceSpanWith(start, end, maxSize, write, lineFeeds, line))
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(GetLength()) - before);
}

// Replaces [from, to) as one record, one undo step.  Only the growth needs
// new room (the old bytes go to the record first), so a 10 MB range does not
// ask for twice its size; a shortage leaves the text as it was.
int MarlDocCore::ReplaceRange(TextPos from, TextPos to, std::string_view replacement, int line)
{
    if (!ReplaceSpan(from, to, replacement, line))
        return 0;
    return static_cast<int>(replacement.size()) - static_cast<int>(to - from);
}
