#include "editor/doc/global_text_block.h"

#include <cstring>

std::unique_ptr<GlobalTextBlock> GlobalTextBlock::Allocate(std::size_t size)
{
    // A zero-byte global block cannot be locked: keep at least one byte.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size ? size : 1);
    if (!memory)
        return nullptr;
    return std::unique_ptr<GlobalTextBlock>(new GlobalTextBlock(memory, size, true));
}

std::unique_ptr<GlobalTextBlock> GlobalTextBlock::Borrow(HGLOBAL memory)
{
    if (!memory)
        return nullptr;
    return std::unique_ptr<GlobalTextBlock>(new GlobalTextBlock(memory, GlobalSize(memory), false));
}

GlobalTextBlock::~GlobalTextBlock()
{
    if (!m_memory)
        return;
    if (m_locked)
        GlobalUnlock(m_memory);
    if (m_owned)
        GlobalFree(m_memory);
}

char* GlobalTextBlock::Lock()
{
    if (!m_locked && m_memory)
        m_locked = static_cast<char*>(GlobalLock(m_memory));
    return m_locked;
}

void GlobalTextBlock::Unlock()
{
    if (m_locked) {
        GlobalUnlock(m_memory);
        m_locked = nullptr;
    }
}

bool GlobalTextBlock::Resize(std::size_t size)
{
    if (!m_owned || m_locked)
        return false;
    HGLOBAL grown = GlobalReAlloc(m_memory, size ? size : 1, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown)
        return false;
    m_memory = grown;
    if (size > m_size) {
        // Not every platform version zeroes what a reallocation adds.
        if (char* bytes = static_cast<char*>(GlobalLock(m_memory))) {
            std::memset(bytes + m_size, 0, size - m_size);
            GlobalUnlock(m_memory);
        }
    }
    m_size = size;
    return true;
}

HGLOBAL GlobalTextBlock::Release()
{
    Unlock();
    m_size = 0;
    m_owned = false;
    HGLOBAL memory = m_memory;
    m_memory = nullptr;
    return memory;
}

std::unique_ptr<TextBlock> GlobalTextBlockFactory::Allocate(std::size_t size)
{
    return GlobalTextBlock::Allocate(size);
}
