#include "editor/doc/global_text_block.h"

#include <cstring>

std::unique_ptr<GlobalTextBlock> GlobalTextBlock::Allocate(std::size_t size)
{
    // A zero-byte global block cannot be locked: keep at least one byte.
    fw::GlobalMemory memory = fw::GlobalMemory::Alloc(size ? size : 1);
    if (!memory)
        return nullptr;
    return std::unique_ptr<GlobalTextBlock>(new GlobalTextBlock(std::move(memory), nullptr, size));
}

std::unique_ptr<GlobalTextBlock> GlobalTextBlock::Borrow(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    return std::unique_ptr<GlobalTextBlock>(
        new GlobalTextBlock(fw::GlobalMemory(), memory, GlobalSize(memory)));
}

GlobalTextBlock::~GlobalTextBlock()
{
    Unlock();
}

char* GlobalTextBlock::Lock()
{
    if (!m_locked && Handle())
        m_locked = static_cast<char*>(GlobalLock(Handle()));
    return m_locked;
}

void GlobalTextBlock::Unlock()
{
    if (m_locked) {
        GlobalUnlock(Handle());
        m_locked = nullptr;
    }
}

bool GlobalTextBlock::Resize(std::size_t size)
{
    if (!m_owned || m_locked || !m_owned.ReAlloc(size ? size : 1))
        return false;
    if (size > m_size) {
        // Not every platform version zeroes what a reallocation adds.
        fw::GlobalLockGuard<char> bytes(m_owned);
        if (bytes)
            std::memset(bytes.get() + m_size, 0, size - m_size);
    }
    m_size = size;
    return true;
}

HGLOBAL GlobalTextBlock::Release()
{
    Unlock();
    m_size = 0;
    m_borrowed = nullptr;
    return m_owned.release();
}

std::unique_ptr<TextBlock> GlobalTextBlockFactory::Allocate(std::size_t size)
{
    return GlobalTextBlock::Allocate(size);
}
