// Text blocks on the C heap.  Large blocks come straight from the system's
// zeroed pages and resize without copying where the allocator can remap
// them, which keeps loading and growing a big text cheap.
#pragma once
#include "editor/doc/text_block.h"

class HeapTextBlock final : public TextBlock {
public:
    static std::unique_ptr<HeapTextBlock> Create(std::size_t size);
    ~HeapTextBlock() override;
    HeapTextBlock(const HeapTextBlock&) = delete;
    HeapTextBlock& operator=(const HeapTextBlock&) = delete;

    std::size_t Size() const override { return m_size; }
    char* Lock() override { return m_data; }
    void Unlock() override {}
    bool Resize(std::size_t size) override;

private:
    HeapTextBlock(char* data, std::size_t size) : m_data(data), m_size(size) {}

    char* m_data;
    std::size_t m_size;
};

class HeapTextBlockFactory : public TextBlockFactory {
public:
    std::unique_ptr<TextBlock> Allocate(std::size_t size) override;
};
