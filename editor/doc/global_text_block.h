// Text blocks in the platform's movable global memory, the form the
// clipboard and drag and drop exchange.  A block either owns its memory or
// borrows one (clipboard data, which belongs to the clipboard).
#pragma once
#include <windows.h>

#include "editor/doc/text_block.h"
#include "framework/handles.h"

class GlobalTextBlock final : public TextBlock {
public:
    // A zero-filled movable block, or null when memory is short.
    static std::unique_ptr<GlobalTextBlock> Allocate(std::size_t size);
    // Wraps memory owned elsewhere; it is neither resized nor freed.
    static std::unique_ptr<GlobalTextBlock> Borrow(HGLOBAL memory);
    ~GlobalTextBlock() override;
    GlobalTextBlock(const GlobalTextBlock&) = delete;
    GlobalTextBlock& operator=(const GlobalTextBlock&) = delete;

    std::size_t Size() const override { return m_size; }
    char* Lock() override;
    void Unlock() override;
    bool Resize(std::size_t size) override;

    HGLOBAL Handle() const { return m_owned ? m_owned.get() : m_borrowed; }
    // Hands the memory over (to the clipboard); the block is empty after.
    HGLOBAL Release();

private:
    GlobalTextBlock(fw::GlobalMemory owned, HGLOBAL borrowed, std::size_t size)
        : m_owned(std::move(owned)), m_borrowed(borrowed), m_size(size)
    {
    }

    fw::GlobalMemory m_owned; // empty for borrowed memory
    HGLOBAL m_borrowed;
    std::size_t m_size;
    char* m_locked = nullptr;
};

class GlobalTextBlockFactory : public TextBlockFactory {
public:
    std::unique_ptr<TextBlock> Allocate(std::size_t size) override;
};
