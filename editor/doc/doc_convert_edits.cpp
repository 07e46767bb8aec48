// The conversions as document edits: each journals one undo step.
#include "editor/doc/doc_conversions.h"
#include "editor/doc/marl_doc_core.h"

#include <algorithm>
#include <cstring>

bool MarlDocCore::OverwriteRange(TextPos from, std::string_view bytes, int line)
{
    GapBuffer::Access access(m_text);
    from = std::min(from, GetLength());
    TextPos n = std::min(static_cast<TextPos>(bytes.size()), GetLength() - from);
    if (n == 0)
        return false;
    // Only the span between the first and the last differing byte is
    // journalled and written, so a record holds no more than changed.
    const char* d = m_text.GapAt(from + n);
    TextPos first = 0;
    while (first < n && d[from + first] == bytes[first])
        ++first;
    if (first == n)
        return false;
    TextPos last = n;
    while (d[from + last - 1] == bytes[last - 1])
        --last;
    JournalBytes(MakeRecord(RecordKind::CaseChange, from + first, line), from + first,
                 last - first);
    char* out = m_text.GapAt(from + n);
    // A replayed record may land on other text than it was made for: line
    // feeds written over or in keep the line count true.
    const auto count = [](const char* p, TextPos k) {
        return static_cast<int>(std::count(p, p + k, '\n'));
    };
    m_nLineCount += count(bytes.data() + first, last - first) - count(out + from + first, last - first);
    std::memcpy(out + from + first, bytes.data() + first, last - first);
    Announce(from + first, 0, 0);
    return true;
}

bool MarlDocCore::ConvertCase(TextPos from, TextPos to, bool upper, int line)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    if (from >= to)
        return false;
    std::string text = m_text.Text(from, to);
    auto convert = upper ? doc_convert::AsciiUpper : doc_convert::AsciiLower;
    for (char& c : text)
        c = static_cast<char>(convert(static_cast<unsigned char>(c)));
    return OverwriteRange(from, text, line);
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
    std::string out;
    if (!doc_convert::ReformatText(m_text.Text(from, to), params, out))
        return false;
    ReplaceRange(from, to, out, line);
    return true;
}
