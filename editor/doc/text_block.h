// The movable memory block that holds a document's text, and the blocks
// in which text is handed to the clipboard, drag and drop and the journal.
// The program implements it with the platform's movable global memory (the
// clipboard takes such blocks); the native build keeps bytes on the heap.
#pragma once
#include <cstddef>
#include <memory>

class TextBlock {
public:
    virtual ~TextBlock() = default;

    virtual std::size_t Size() const = 0;

    // The block's address, valid until Unlock.  Locks do not nest: the
    // document keeps one lock at most.
    virtual char* Lock() = 0;
    virtual void Unlock() = 0;

    // Only while unlocked: the block may move.  New bytes are zero.  False
    // when memory is short; the block is then unchanged.
    virtual bool Resize(std::size_t size) = 0;
};

class TextBlockFactory {
public:
    virtual ~TextBlockFactory() = default;

    // A zero-filled block of `size` bytes, or null when memory is short.
    virtual std::unique_ptr<TextBlock> Allocate(std::size_t size) = 0;
};

// Locks a block for one scope.
class BlockLock {
public:
    explicit BlockLock(TextBlock& block) : m_block(block), m_data(block.Lock()) {}
    ~BlockLock() { m_block.Unlock(); }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;

    char* Data() const { return m_data; }

private:
    TextBlock& m_block;
    char* m_data;
};
