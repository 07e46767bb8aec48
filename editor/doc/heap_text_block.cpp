#include "editor/doc/heap_text_block.h"

#include <cstdlib>
#include <cstring>

std::unique_ptr<HeapTextBlock> HeapTextBlock::Create(std::size_t size)
{
    // calloc hands out fresh, already zero pages for big sizes: no second
    // pass over the memory as a zero fill would take.
    char* data = static_cast<char*>(std::calloc(size == 0 ? 1 : size, 1));
    if (data == nullptr)
        return nullptr;
    return std::unique_ptr<HeapTextBlock>(new HeapTextBlock(data, size));
}

HeapTextBlock::~HeapTextBlock()
{
    std::free(m_data);
}

bool HeapTextBlock::Resize(std::size_t size)
{
    char* data = static_cast<char*>(std::realloc(m_data, size == 0 ? 1 : size));
    if (data == nullptr)
        return false;
    if (size > m_size)
        std::memset(data + m_size, 0, size - m_size);
    m_data = data;
    m_size = size;
    return true;
}

std::unique_ptr<TextBlock> HeapTextBlockFactory::Allocate(std::size_t size)
{
    return HeapTextBlock::Create(size);
}
