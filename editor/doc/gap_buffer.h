// The bytes of a document: one text block holding the text before the gap,
// the gap, and the text after it.  This class knows the layout only; what
// the edits mean (journal, line count, indentation) is the document's.
//
// Layout invariants: the byte at position p lies at offset p below the gap
// position, else at p + gap length; every byte of the block that is not
// text (gap and tail) is zero; the block is never smaller than 512 bytes
// once it has been grown or reset.
#pragma once
#include "editor/doc/text_block.h"
#include "editor/doc/text_pos.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// Two pieces of text, the second following the first; valid while the block
// stays locked and unchanged.
struct TextSpans {
    std::string_view first;
    std::string_view second;

    std::size_t size() const { return first.size() + second.size(); }
};

class GapBuffer {
public:
    static constexpr std::size_t kMinBlockSize = 512;
    static constexpr TextPos kGapStep = 512;

    explicit GapBuffer(TextBlockFactory& factory) : m_factory(factory) {}
    GapBuffer(const GapBuffer&) = delete;
    GapBuffer& operator=(const GapBuffer&) = delete;
    ~GapBuffer() { Free(); }

    // A fresh zero block of the minimum size and an empty text; false (and
    // no block) when memory is short.
    bool Reset();
    // Drops the block; the text is empty until Reset or Adopt.
    void Free();
    // Takes a block whose first `length` bytes are the text, the rest zero.
    void Adopt(std::unique_ptr<TextBlock> block, TextPos length);

    TextPos Length() const { return m_length; }
    TextPos GapPos() const { return m_gapPos; }
    TextPos GapLength() const { return m_gapLength; }
    std::size_t BlockSize() const { return m_block ? m_block->Size() : 0; }
    bool HasBlock() const { return m_block != nullptr; }
    TextBlock* Block() { return m_block.get(); }

    // Locks do not nest: Lock on a locked buffer, or Unlock on an unlocked
    // one, does nothing.  A lock taken while there is no block applies to
    // the block the buffer gets next (a view keeps its lock across a reload).
    void Lock() const;
    void Unlock() const;
    bool IsLocked() const { return m_locked; }

    // At least `size` gap bytes at `pos` (clamped to the length).  False
    // when the block cannot grow; the text is then unchanged.
    bool OpenGap(TextPos pos, TextPos size);
    void CloseGap();

    unsigned char At(TextPos pos) const;
    TextSpans Spans(TextPos from, TextPos to) const; // needs a lock held
    // The same pieces to write through in place (a lock must be held); the
    // caller keeps the document's counts true.
    std::pair<std::span<char>, std::span<char>> WritableSpans(TextPos from, TextPos to);
    void CopyOut(TextPos from, TextPos to, char* out) const;
    std::string Text(TextPos from, TextPos to) const;

    // Scans; positions are clamped to the text.
    TextPos Find(TextPos from, TextPos to, char c) const; // `to` when absent
    TextPos FindBack(TextPos before, char c) const;       // kNoPos when absent
    std::size_t Count(TextPos from, TextPos to, char c) const;

    // Edits of the bytes only.
    bool Insert(TextPos pos, const char* bytes, TextPos n);
    void Set(TextPos pos, char c);
    void Erase(TextPos pos, TextPos n);

    // For edits that work on the block directly (a lock must be held):
    // GapStart is the gap's first byte; Commit makes the first n gap bytes
    // text, Uncommit gives the n text bytes before the gap back to it.
    char* GapStart() { return m_data + m_gapPos; }
    void Commit(TextPos n);
    void Uncommit(TextPos n);
    // Rewrites in place (a lock must be held): TakeForRewrite gives
    // [pos, pos + n) to the front of the gap without clearing it and
    // returns its first byte; CommitRewrite makes the first `written` gap
    // bytes text and clears what is left of the n old bytes.  The writer
    // must not write past what it commits beyond those n bytes.
    char* TakeForRewrite(TextPos pos, TextPos n);
    void CommitRewrite(TextPos written, TextPos n);
    // Moves the gap, keeping its length, to pos: [0, pos) then lies
    // contiguous at the start of the block, whose address is returned.
    char* GapAt(TextPos pos);

    // Lets the buffer give back room after large deletions.
    void TrimGap();

    // Holds the buffer locked for one operation, unless it was locked already.
    class Access;

private:
    void MoveGapTo(TextPos pos);
    bool ResizeBlock(std::size_t size);
    TextPos PositionOf(const char* p) const;
    std::size_t Offset(TextPos pos) const { return pos < m_gapPos ? pos : pos + m_gapLength; }

    TextBlockFactory& m_factory;
    std::unique_ptr<TextBlock> m_block;
    mutable bool m_locked = false;
    mutable char* m_data = nullptr; // the block while locked
    TextPos m_length = 0;
    TextPos m_gapPos = 0;
    TextPos m_gapLength = 0;
};

class GapBuffer::Access {
public:
    explicit Access(const GapBuffer& buffer) : m_buffer(buffer), m_owned(!buffer.IsLocked())
    {
        if (m_owned)
            m_buffer.Lock();
    }
    ~Access()
    {
        if (m_owned)
            m_buffer.Unlock();
    }
    Access(const Access&) = delete;
    Access& operator=(const Access&) = delete;

private:
    const GapBuffer& m_buffer;
    bool m_owned;
};
