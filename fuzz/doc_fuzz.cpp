// Any bytes as a file: loading must decode them exactly, saving must write
// the text back in its line-end form, random edits must keep the line count
// and undo must restore every earlier text byte for byte.
//
// Input: one settings byte, two bytes of file length, the file, then the
// edit script.
#include "editor/base/message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/heap_text_block.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/testing/memory_file_system.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "doc_fuzz: %s\n", what);
        std::abort();
    }
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_offset >= m_size; }
    std::uint8_t Byte() { return m_offset < m_size ? m_data[m_offset++] : 0; }
    std::uint32_t Number(std::uint32_t limit) // 0 .. limit inclusive
    {
        std::uint32_t v = Byte();
        v = (v << 8) | Byte();
        return limit == 0 ? 0 : v % (limit + 1);
    }
    std::string Bytes(std::size_t n)
    {
        n = std::min(n, m_size - std::min(m_size, m_offset));
        std::string s(reinterpret_cast<const char*>(m_data + m_offset), n);
        m_offset += n;
        return s;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

// The text-mode rules one byte at a time, to hold the fast code against.
std::string ReferenceDecode(const std::string& file)
{
    std::string text;
    for (std::size_t i = 0; i < file.size() && file[i] != 26; ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n')
            continue;
        text += file[i];
    }
    return text;
}

std::string ReferenceEncode(const std::string& text, bool crlf)
{
    std::string file;
    for (char c : text) {
        if (c == '\n' && crlf)
            file += '\r';
        file += c;
    }
    return file;
}

struct QuietSink : MessageSink {
    MessageAnswer ShowMessage(std::string_view, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::No;
    }
};

// Runs out of memory above a limit, to reach the failure paths.
class LimitedBlocks : public TextBlockFactory {
public:
    std::size_t limit = static_cast<std::size_t>(-1);
    std::unique_ptr<TextBlock> Allocate(std::size_t size) override
    {
        if (size > limit)
            return nullptr;
        return HeapTextBlock::Create(size);
    }
};

struct Fixture {
    QuietSink messages;
    MemoryFileSystem files;
    LimitedBlocks blocks;
    FixedDocSettings settings;
    MarlDocCore doc{DocServices{messages, files, blocks, settings}};

    std::string Text() const
    {
        std::string text;
        doc.GetText(0, doc.GetLength(), text);
        return text;
    }
    // Every byte of the block behind the text is zero: edits that write in
    // place must clear what they leave.  Closes the gap.
    void CheckBlockTail()
    {
        TextBlock* block = doc.GetTextBlock();
        if (!block)
            return;
        BlockLock lock(*block);
        const char* data = lock.Data();
        Check(std::all_of(data + doc.GetLength(), data + block->Size(),
                          [](char c) { return c == 0; }),
              "bytes left behind the text");
    }
    void CheckLineCount() const
    {
        std::string text = Text();
        Check(text.size() == doc.GetLength(), "length");
        Check(std::count(text.begin(), text.end(), '\n') == doc.GetLineCount(), "line count");
    }
};

bool Edit(Fixture& f, Input& in)
{
    MarlDocCore& doc = f.doc;
    TextPos length = doc.GetLength();
    TextPos pos = in.Number(length + 1); // now and then one past the end
    int line = static_cast<int>(in.Byte()) - 1;
    switch (in.Byte() % 19) {
    case 0:
    case 1:
        doc.InsertChar(pos, static_cast<char>(in.Byte() % 4 == 0 ? '\n' : in.Byte()), line);
        return false;
    case 2:
        doc.OverwriteChar(pos, static_cast<char>(in.Byte()), line);
        return false;
    case 3:
        doc.DeleteChar(pos, line);
        return false;
    case 4:
        doc.DeleteLine(pos, line);
        return false;
    case 5:
        doc.DeleteBlock(pos, in.Number(64), line, in.Byte() % 2 ? pos : kNoPos);
        return false;
    case 6:
        doc.InsertString(pos, in.Bytes(in.Byte() % 32), line);
        return false;
    case 7: {
        std::string bytes = in.Bytes(in.Byte() % 32);
        auto block = HeapTextBlock::Create(bytes.size());
        {
            BlockLock lock(*block);
            std::copy(bytes.begin(), bytes.end(), lock.Data());
        }
        doc.InsertBlock(pos, *block, line);
        return false;
    }
    case 8:
        doc.TransposeChars(pos);
        return false;
    case 9: {
        TextPos start = in.Byte() % 2 ? kNoPos : pos;
        TextPos end = start == kNoPos ? kNoPos : pos + in.Number(16);
        doc.CapitalizeWord(pos, start, end);
        return true;
    }
    case 10:
        doc.IndentBlock(pos, pos + in.Number(80), line);
        return false;
    case 11:
        doc.UnindentBlock(pos, pos + in.Number(80), line);
        return false;
    case 12:
        doc.TabsToBlanks(pos, pos + in.Number(80), line);
        return false;
    case 13:
        doc.BlanksToTabs(pos, pos + in.Number(80), line);
        return false;
    case 14:
        f.files.Put("INC", in.Bytes(in.Byte() % 48));
        doc.InsertFile(pos, "INC", line);
        return false;
    case 15: {
        // Memory runs short for one edit: it happens whole or not at all.
        std::string before = f.Text();
        f.blocks.limit = doc.GetBlockSize();
        TextPos n = doc.InsertString(pos, std::string(in.Number(2000), 'm'), line);
        f.blocks.limit = static_cast<std::size_t>(-1);
        Check(n != 0 || f.Text() == before, "failed insertion changed the text");
        return false;
    }
    case 16: {
        const int lineLength = 1 + in.Byte() % 40;
        doc.ReformatRange(pos, pos + in.Number(300), lineLength, in.Byte() % 2 != 0, line);
        return false;
    }
    case 17:
        doc.ConvertCase(pos, pos + in.Number(300), in.Byte() % 2 != 0, line);
        return false;
    default:
        doc.OpenGap(pos, in.Number(600));
        return false;
    }
}

void LoadAndSave(Fixture& f, const std::string& file)
{
    f.files.Put("IN.TXT", file);
    Check(f.doc.OnOpenDocument("IN.TXT"), "open");
    const std::string text = ReferenceDecode(file);
    Check(f.Text() == text, "loaded text");
    Check(f.doc.m_bUnixFile == (text.size() == file.size()), "unix flag");
    f.CheckLineCount();
    Check(f.doc.OnSaveDocument("IN.TXT"), "save");
    Check(f.files.Get("IN.TXT") == ReferenceEncode(text, !f.doc.m_bUnixFile), "saved bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    Fixture f;
    std::uint8_t settings = in.Byte();
    f.settings.autoIndent = settings & 1;
    f.settings.useBlanks = settings & 2;
    f.settings.backup = settings & 4;
    f.settings.tabLength = 1 + (settings >> 3) % 32;
    f.doc.OnNewDocument();
    LoadAndSave(f, in.Bytes(in.Number(4096)));

    // Edits, then undo step by step back to the loaded text.
    std::vector<std::string> texts{f.Text()};
    std::vector<std::size_t> records{f.doc.UndoCount()};
    bool capitalised = false;
    while (!in.Empty() && texts.size() < 40 && f.doc.UndoCount() < 150) {
        capitalised |= Edit(f, in);
        f.CheckLineCount();
        texts.push_back(f.Text());
        records.push_back(f.doc.UndoCount());
    }
    const std::string edited = f.Text();
    f.CheckBlockTail();
    int line = 0;
    for (std::size_t step = texts.size(); step-- > 1;) {
        while (f.doc.UndoCount() > records[step - 1])
            f.doc.Undo(line);
        f.CheckLineCount();
        Check(f.Text() == texts[step - 1], "undo did not restore the text");
    }
    if (!capitalised) { // a capitalisation leaves nothing to redo
        while (f.doc.CanRedo())
            f.doc.Redo(line);
        Check(f.Text() == edited, "redo did not restore the edits");
    }

    // Edits, undo and redo in any order: nothing breaks, the counts hold.
    for (int i = 0; i < 40 && !in.Empty(); ++i) {
        switch (in.Byte() % 4) {
        case 0:
            Check(f.doc.Undo(line) <= f.doc.GetLength() || !f.doc.CanUndo(), "undo position");
            break;
        case 1:
            Check(f.doc.Redo(line) <= f.doc.GetLength() || !f.doc.CanRedo(), "redo position");
            break;
        default:
            Edit(f, in);
            break;
        }
        f.CheckLineCount();
    }

    // Whatever the text became, saving and loading it again keeps it (up to
    // a Ctrl-Z, which ends a text file).
    const std::string text = f.Text();
    if (TextBlock* block = f.doc.GetTextBlock()) {
        BlockLock lock(*block);
        Check(block->Size() >= text.size() &&
                  text.compare(0, text.size(), lock.Data(), text.size()) == 0,
              "the block handed out holds the text");
    }
    bool crlf = !f.doc.m_bUnixFile;
    Check(f.doc.OnSaveDocument("OUT.TXT"), "save after edits");
    const std::string saved = f.files.Get("OUT.TXT");
    Check(saved == ReferenceEncode(text, crlf), "saved bytes after edits");
    Check(f.doc.WriteTempCopy("COPY.TXT"), "temporary copy");
    Check(f.files.Get("COPY.TXT") == ReferenceEncode(text, true), "temporary copy bytes");
    Fixture g;
    g.files.Put("OUT.TXT", saved);
    Check(g.doc.OnOpenDocument("OUT.TXT"), "reload");
    std::string expected = crlf ? text.substr(0, text.find('\x1a')) : ReferenceDecode(text);
    Check(g.Text() == expected, "reloaded text");
    return 0;
}
