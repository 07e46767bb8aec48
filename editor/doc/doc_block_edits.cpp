// Edits of whole ranges: lines, blocks, clipboard text, files.
#include "editor/doc/byte_scan.h"
#include "editor/doc/doc_messages.h"
#include "editor/doc/file_error_report.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/text_file_io.h"
#include "editor/doc/text_mode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Copies clipboard text into dst without its carriage returns.
std::size_t CopyWithoutCr(const char* src, std::size_t n, char* dst)
{
    char* out = dst;
    while (n > 0) {
        const char* cr = static_cast<const char*>(std::memchr(src, '\r', n));
        std::size_t run = cr ? static_cast<std::size_t>(cr - src) : n;
        std::memcpy(out, src, run);
        out += run;
        if (!cr)
            break;
        n -= run + 1;
        src = cr + 1;
    }
    return static_cast<std::size_t>(out - dst);
}

std::size_t UpToZero(const char* text, std::size_t size)
{
    const void* zero = std::memchr(text, '\0', size);
    return zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : size;
}

} // namespace

void MarlDocCore::RemoveRange(TextPos pos, TextPos len, int recordLine)
{
    JournalBytes(MakeRecord(RecordKind::DeleteBlock, pos, recordLine), pos, len);
    const auto lineFeeds = static_cast<std::int64_t>(m_text.Count(pos, pos + len, '\n'));
    m_nLineCount -= static_cast<int>(lineFeeds);
    m_text.Erase(pos, len);
    Announce(pos, -static_cast<std::int64_t>(len), -lineFeeds);
}

TextPos MarlDocCore::DeleteLine(TextPos pos, int line)
{
    GapBuffer::Access access(m_text);
    TextPos length = GetLength();
    pos = std::min(pos, length);
    TextPos start = LineStart(pos);
    TextPos end = LineEnd(pos);
    if (end < length) {
        ++end; // through its line feed
    } else if (start > 0) {
        --start; // the last line goes with the line feed before it
    }
    if (end == start)
        return 0;
    RemoveRange(start, end - start, line);
    m_text.TrimGap();
    return end - start;
}

int MarlDocCore::DeleteBlock(TextPos pos, TextPos len, int line, TextPos caret)
{
    GapBuffer::Access access(m_text);
    pos = std::min(pos, GetLength());
    len = std::min(len, GetLength() - pos);
    int lineFeeds = CountLines(pos, pos + len);
    // The record keeps the caret line of pos: with the caret at the far end
    // of the range, that is the view's line less the lines removed.
    int recordLine = caret == pos || caret == kNoPos ? line : line - lineFeeds;
    RemoveRange(pos, len, recordLine);
    m_text.TrimGap();
    return lineFeeds;
}

TextPos MarlDocCore::InsertBlock(TextPos pos, TextBlock& block, int line)
{
    BlockLock source(block);
    return InsertClipboardText(pos, source.Data(), block.Size(), line);
}

TextPos MarlDocCore::InsertString(TextPos pos, std::string_view text, int line)
{
    return InsertClipboardText(pos, text.data(), text.size(), line);
}

TextPos MarlDocCore::InsertClipboardText(TextPos pos, const char* text, std::size_t size, int line)
{
    GapBuffer::Access access(m_text);
    pos = std::min(pos, GetLength());
    if (size > kMaxTextLength || !MakeRoom(pos, static_cast<TextPos>(size))) {
        m_services.messages.ShowMessage(doc_text::kInsufficientMemory, MessageIcon::Exclamation,
                                        MessageButtons::Ok);
        return 0;
    }
    std::size_t n = CopyWithoutCr(text, UpToZero(text, size), m_text.GapStart());
    const std::size_t lineFeeds = byte_scan::Count(m_text.GapStart(), n, '\n');
    m_nLineCount += static_cast<int>(lineFeeds);
    m_text.Commit(static_cast<TextPos>(n));
    Journal(MakeRecord(RecordKind::InsertBlock, pos, line, static_cast<TextPos>(n)));
    Announce(pos, static_cast<std::int64_t>(n), static_cast<std::int64_t>(lineFeeds));
    return static_cast<TextPos>(n);
}

// Inserts bytes exactly as given (no CR or zero filtering): the journal's
// replays and the conversions must put back precisely what was there.
TextPos MarlDocCore::InsertBytes(TextPos pos, const char* bytes, TextPos n, int line)
{
    GapBuffer::Access access(m_text);
    pos = std::min(pos, GetLength());
    if (!MakeRoom(pos, n))
        return 0;
    m_text.Insert(pos, bytes, n);
    const std::size_t lineFeeds = byte_scan::Count(bytes, n, '\n');
    m_nLineCount += static_cast<int>(lineFeeds);
    Journal(MakeRecord(RecordKind::InsertBlock, pos, line, n));
    Announce(pos, n, static_cast<std::int64_t>(lineFeeds));
    return n;
}

TextPos MarlDocCore::InsertFile(TextPos pos, const std::string& path, int line)
{
    FileError error = FileError::None;
    std::unique_ptr<FileReader> reader = m_services.files.OpenRead(path, error);
    if (!reader) {
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
        return 0;
    }
    GapBuffer::Access access(m_text);
    pos = std::min(pos, GetLength());
    std::int64_t size = reader->Size();
    if (size < 0 || size > kMaxTextLength - GetLength() ||
        !MakeRoom(pos, static_cast<TextPos>(size))) {
        m_services.messages.ShowMessage(doc_text::kInsufficientMemory, MessageIcon::Exclamation,
                                        MessageButtons::Ok);
        return 0;
    }
    char* gap = m_text.GapStart();
    std::size_t lineFeeds = 0;
    std::size_t n = ReadTextFile(*reader, gap, static_cast<std::size_t>(size), lineFeeds, error);
    // Decoding shortened the text: what it left behind must be gap zeros.
    std::memset(gap + n, 0, static_cast<std::size_t>(size) - n);
    m_nLineCount += static_cast<int>(lineFeeds);
    m_text.Commit(static_cast<TextPos>(n));
    Journal(MakeRecord(RecordKind::InsertBlock, pos, line, static_cast<TextPos>(n)));
    Announce(pos, static_cast<std::int64_t>(n), static_cast<std::int64_t>(lineFeeds));
    if (error != FileError::None)
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
    return static_cast<TextPos>(n);
}

std::unique_ptr<TextBlock> MarlDocCore::CopyBlock(TextPos from, TextPos to)
{
    return MakeClipboardBlock(from, to, true);
}

std::unique_ptr<TextBlock> MarlDocCore::CopyBlockRaw(TextPos from, TextPos to)
{
    return MakeClipboardBlock(from, to, false);
}

std::unique_ptr<TextBlock> MarlDocCore::MakeClipboardBlock(TextPos from, TextPos to, bool crlf)
{
    GapBuffer::Access access(m_text);
    to = std::min(to, GetLength());
    from = std::min(from, to);
    std::size_t lineFeeds = crlf ? m_text.Count(from, to, '\n') : 0;
    std::unique_ptr<TextBlock> block;
    std::uint64_t size = std::uint64_t{to - from} + lineFeeds + 1;
    if (size <= SIZE_MAX)
        block = m_services.blocks.Allocate(static_cast<std::size_t>(size));
    if (!block) {
        m_services.messages.ShowMessage(doc_text::kInsufficientMemory, MessageIcon::Exclamation,
                                        MessageButtons::Ok);
        return nullptr;
    }
    BlockLock target(*block);
    TextSpans spans = m_text.Spans(from, to);
    char* out = target.Data();
    if (crlf) {
        std::size_t room = block->Size() - 1;
        for (std::string_view rest : {spans.first, spans.second}) {
            std::size_t written = EncodeCrLfPiece(rest, out, room);
            out += written;
            room -= written;
        }
    } else {
        m_text.CopyOut(from, to, out);
    }
    // The block came zero-filled: its last byte ends the text.
    return block;
}
