// The portable core of the editor's document: its text in a gap buffer with
// every query and edit the views use, the undo and redo journal, the file
// flags and status, and loading and saving.  The program's document class
// wraps it and adds what belongs to windows (tab bar, view updates, title).
//
// Edits take `line`, the one-based caret line the view wants back when the
// edit is undone (-1: none).  Every edit journals how to reverse itself,
// sets the modified flag and keeps the line count.
#pragma once
#include "editor/base/message_sink.h"
#include "editor/doc/change_observer.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/file_system.h"
#include "editor/doc/gap_buffer.h"
#include "editor/doc/line_queries.h"
#include "editor/doc/open_documents.h"
#include "editor/doc/text_block.h"
#include "editor/doc/undo_journal.h"
#include "editor/doc/word_queries.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What the document needs of the program.
struct DocServices {
    MessageSink& messages;
    FileSystem& files;
    TextBlockFactory& blocks;
    const DocSettings& settings;
    OpenDocuments* openDocuments = nullptr; // null: no other documents
};

class MarlDocCore {
public:
    explicit MarlDocCore(const DocServices& services);
    MarlDocCore(const MarlDocCore&) = delete;
    MarlDocCore& operator=(const MarlDocCore&) = delete;
    ~MarlDocCore();

    // ---- The document's side of the framework's calls
    // A new, untitled document: empty text in a fresh 512-byte block.
    bool OnNewDocument();
    // Offers a temporary copy, then reads the file; false after reporting,
    // and then the document is as it was (a failed reload keeps the text).
    bool OnOpenDocument(const std::string& path);
    // Writes the text to `path`; false after reporting (still modified, and
    // the file at `path` as it was).
    bool OnSaveDocument(const std::string& path);
    // Empties the document: text, journal, flags; removes its temporary copy.
    void DeleteContents();
    // Writes the text with CR LF line ends to `path`, or without one to the
    // temporary-copy name of the document's path (never over the file
    // itself).  Touches no flags.
    bool WriteTempCopy(const std::string& path = {});
    // Removes the temporary copy this document wrote (before Save As).
    void DeleteTempCopy();
    // m_bReadOnly from the file's read-only attribute (first view shown).
    void UpdateReadOnlyFromFile();

    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    // Told of every change of the text (null: nobody listens).
    void SetChangeObserver(ChangeObserver* observer) { m_observer = observer; }

    // ---- The gap and the block
    // Every query reads across the gap, so nothing but the block itself can
    // tell whether the gap is closed: GetTextBlock closes it before it hands
    // the block out.
    bool OpenGap(TextPos pos, TextPos size);
    // A view holds the text locked while it has the focus or paints.
    void LockText() const { m_text.Lock(); }
    void UnlockText() const { m_text.Unlock(); }
    // The block itself, the whole text contiguous at its start, as the
    // outliner libraries receive it (null while the document is emptied).
    TextBlock* GetTextBlock();
    std::size_t GetBlockSize() const { return m_text.BlockSize(); }

    // ---- Queries
    TextPos GetLength() const { return m_text.Length(); }
    int GetLineCount() const { return m_nLineCount; }
    // Recounts the line feeds (a view's recount update).
    int RecountLines();
    unsigned char GetChar(TextPos pos) const { return m_text.At(pos); }
    // The text in [from, to) as it lies in the block, without copying; valid
    // while the text is locked (LockText) and unchanged.
    TextSpans GetSpans(TextPos from, TextPos to) const { return m_text.Spans(from, to); }
    // The contiguous bytes from pos up to the gap or the end, and those
    // before pos back to the gap or the start (the pieces a view walks).
    std::string_view PieceFrom(TextPos pos) const;
    std::string_view PieceBefore(TextPos pos) const;

    TextPos LineStart(TextPos pos) const { return line_query::LineStart(m_text, pos); }
    TextPos LineEnd(TextPos pos) const { return line_query::LineEnd(m_text, pos); }
    TextPos GetLine(TextPos pos, std::string& out) const
    {
        return line_query::GetLine(m_text, pos, out);
    }
    void GetText(TextPos from, TextPos to, std::string& out) const { out = m_text.Text(from, to); }
    int CountLines(TextPos a, TextPos b) const { return line_query::CountLines(m_text, a, b); }
    TextPos MoveLines(TextPos pos, int n) const { return line_query::MoveLines(m_text, pos, n); }
    int ColumnOfPos(TextPos pos) const
    {
        return line_query::ColumnOfPos(m_text, pos, m_services.settings.TabLength());
    }
    int PosOfColumn(TextPos& pos, int col) const
    {
        return line_query::PosOfColumn(m_text, pos, col, m_services.settings.TabLength());
    }
    TextPos WordLeft(TextPos pos) const { return word_query::WordLeft(m_text, pos); }
    TextPos WordRight(TextPos pos) const { return word_query::WordRight(m_text, pos); }
    void WordBounds(TextPos pos, TextPos& start, TextPos& end) const
    {
        word_query::WordBounds(m_text, pos, start, end);
    }
    void FileNameAt(TextPos pos, std::string& name, long& line) const
    {
        word_query::FileNameAt(m_text, pos, name, line);
    }
    static bool IsWordChar(unsigned char c);

    // The clipboard form of [from, to): CR LF line ends and a closing zero
    // byte.  Null (after "Insufficient memory") when memory is short.
    std::unique_ptr<TextBlock> CopyBlock(TextPos from, TextPos to);
    // The same with the line feeds as they are.
    std::unique_ptr<TextBlock> CopyBlockRaw(TextPos from, TextPos to);

    // ---- Edits
    // Returns the bytes inserted: 1, more with automatic indentation, 0 when
    // memory is short.
    int InsertChar(TextPos pos, char ch, int line);
    // Replaces the byte at pos (1); at a line feed or the end it inserts.
    int OverwriteChar(TextPos pos, char ch, int line);
    // Returns the deleted byte, 0 when there was none.
    unsigned char DeleteChar(TextPos pos, int line);
    // Removes pos's line with its line feed; returns the bytes removed.
    TextPos DeleteLine(TextPos pos, int line);
    // Removes [pos, pos + len); returns the line feeds removed.  `caret` is
    // the view's caret at one end of the range, or kNoPos.
    int DeleteBlock(TextPos pos, TextPos len, int line, TextPos caret);
    // Clipboard text (zero-terminated, CR dropped); returns bytes inserted.
    TextPos InsertBlock(TextPos pos, TextBlock& block, int line);
    TextPos InsertString(TextPos pos, std::string_view text, int line);
    // A file read in text mode; returns bytes inserted.
    TextPos InsertFile(TextPos pos, const std::string& path, int line);
    // Swaps the bytes at pos and pos + 1.
    void TransposeChars(TextPos pos);
    // First letter of the word upper case, the rest lower case.  start and
    // end (inclusive; kNoPos: the word at pos) become a half-open range.
    void CapitalizeWord(TextPos pos, TextPos& start, TextPos& end);
    // One blank or tab more (less) at the start of each line that starts in
    // [LineStart(from), to); returns the bytes inserted (removed).
    TextPos IndentBlock(TextPos from, TextPos to, int line);
    TextPos UnindentBlock(TextPos from, TextPos to, int line);
    // Tab and blank conversion of the lines from from's line start to `to`;
    // return the change of length.
    int TabsToBlanks(TextPos from, TextPos to, int line);
    int BlanksToTabs(TextPos from, TextPos to, int line);
    // Puts text in place of [from, to) as one journal record, so that one
    // undo brings the old text back.  False (text unchanged) when memory is
    // short.
    bool ReplaceSpan(TextPos from, TextPos to, std::string_view text, int line);
    // The same with the new text written in place by `write`, which gets the
    // old bytes and room for maxSize bytes and returns how many it wrote: a
    // conversion of a long range then copies it once, not three times.
    // It writes no byte past the count it returns.  A writer that keeps the
    // line feeds says so, and the lines are counted once.
    using SpanWriter = std::function<std::size_t(std::string_view old, char* out)>;
    enum class LineFeeds { Kept, Changed };
    bool ReplaceSpanWith(TextPos from, TextPos to, std::size_t maxSize, const SpanWriter& write,
                         LineFeeds lineFeeds, int line);
    // ---- Conversions, each one undo step (doc_convert_edits.cpp)
    // Writes `bytes` over the text from `from` as one case change; false
    // when no byte differs.
    bool OverwriteRange(TextPos from, std::string_view bytes, int line);
    // ASCII letters of [from, to) to upper (lower) case.
    bool ConvertCase(TextPos from, TextPos to, bool upper, int line);
    // Replaces [from, to) by `text`; returns the change of length.
    int ReplaceText(TextPos from, TextPos to, std::string_view text, int line);
    // Refills [from, to) to lines of lineLength columns; false when every
    // line fitted or memory ran short (the text is then unchanged).
    bool ReformatRange(TextPos from, TextPos to, int lineLength, bool keepBreaks, int line);

    // ---- Journal
    // Replays the newest record; returns its position (kNoPos when there is
    // none) and its caret line in `line`.
    TextPos Undo(int& line);
    TextPos Redo(int& line);
    bool CanUndo() const { return !m_undo.Empty(); }
    bool CanRedo() const { return !m_redo.Empty(); }
    TextPos LastEditPosition(int& line) const;
    // Change of length made by the last Undo or Redo.
    int GetChangeDelta() const { return m_nChangeDelta; }
    std::size_t UndoCount() const { return m_undo.Count(); }
    std::size_t RedoCount() const { return m_redo.Count(); }

    // ---- File state, read and set by the views and dialogs
    bool m_bReadOnly = false;       // commands that change the text do nothing
    bool m_bUnixFile = false;       // saved with LF line ends, else CR LF
    bool m_bSaving = false;         // a save or temporary copy is being written
    FileStatus m_status;            // the file as last read or written
    TextPos m_nLastMatchLength = 0; // characters the last pattern search found

    // Holds the text locked for one operation unless it was locked already
    // (GetSpans and PieceFrom need the lock).
    GapBuffer::Access AccessText() const { return GapBuffer::Access(m_text); }

private:
    class SavingScope;
    // The records journalled while it lives are undone and redone as one
    // step (nested groups join the outermost).
    class JournalGroup {
    public:
        explicit JournalGroup(MarlDocCore& doc) : m_doc(doc), m_outer(!doc.m_bGrouping)
        {
            if (m_outer) {
                doc.m_bGrouping = true;
                doc.m_nGrouped = 0;
            }
        }
        JournalGroup(const JournalGroup&) = delete;
        JournalGroup& operator=(const JournalGroup&) = delete;
        ~JournalGroup()
        {
            if (m_outer)
                m_doc.m_bGrouping = false;
        }

    private:
        MarlDocCore& m_doc;
        bool m_outer;
    };

    bool MakeRoom(TextPos pos, TextPos size);
    void Announce(TextPos pos, std::int64_t delta, std::int64_t lineDelta);
    void AnnounceReset();
    void AnnounceLineStarts(TextPos start, TextPos lines, const char* changed, int sign);
    void Journal(UndoRecord&& record);
    void JournalBytes(UndoRecord&& record, TextPos from, TextPos n);
    int InsertByte(TextPos pos, char ch, int line, bool mayIndent);
    int AutoIndentAfter(TextPos lineFeedPos, int line);
    void ReplaceByte(TextPos pos, char ch, int line);
    void RemoveRange(TextPos pos, TextPos len, int recordLine);
    TextPos InsertBytes(TextPos pos, const char* bytes, TextPos n, int line);
    TextPos InsertClipboardText(TextPos pos, const char* text, std::size_t size, int line);
    std::unique_ptr<TextBlock> MakeClipboardBlock(TextPos from, TextPos to, bool crlf);
    TextPos LinesStartingIn(TextPos start, TextPos end) const;
    TextPos IndentLines(TextPos start, TextPos lines, const char* chars, TextPos end, int line);
    TextPos UnindentLines(TextPos start, TextPos lines, int line);
    int ReplaceRange(TextPos from, TextPos to, std::string_view replacement, int line);
    int ReplaceLinesWith(TextPos start, TextPos end, std::size_t maxSize, const SpanWriter& write,
                         LineFeeds lineFeeds, int line);
    void FinishReplace(UndoRecord&& record, TextPos from, TextPos old, TextPos size,
                       int removedLines, int addedLines);
    TextPos Replay(RecordList& from, int& line);
    void ReplayRecord(const UndoRecord& record);

    void OfferTempCopy(const std::string& path);
    bool IsOffered(const std::string& copy, const std::string& path);
    bool CopyOfAnotherDocument(const std::string& copy, const std::string& path);
    bool ReadText(const std::string& path, std::unique_ptr<TextBlock>& block, TextPos& length,
                  int& lineFeeds);
    bool WriteScratch(const std::string& path, const std::string& scratch);
    bool MakeBackup(const std::string& path, const std::string& backup);
    void RestoreBackup(const std::string& backup, const std::string& path);

    DocServices m_services;
    ChangeObserver* m_observer = nullptr;
    GapBuffer m_text;
    int m_nLineCount = 0;
    bool m_bJournalToRedo = false; // an undo runs: its reversal goes to the redo list
    bool m_bInRedo = false;        // a redo runs: no automatic indentation
    bool m_bGrouping = false;      // records journalled now are one step
    int m_nGrouped = 0;            // records journalled in the open group
    int m_nChangeDelta = 0;
    RecordList m_undo;
    RecordList m_redo;
    std::string m_strPathName;
    bool m_bModified = false;
    // The temporary copy this document wrote; only it is removed on save,
    // close or reload (a copy of the same name may be another file's).
    std::string m_strTempCopy;
};
