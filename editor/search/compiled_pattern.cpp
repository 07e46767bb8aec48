#include "editor/search/compiled_pattern.h"

#include <utility>

CompiledPattern& CompiledPattern::operator=(CompiledPattern&& other) noexcept
{
    if (this != &other) {
        Release();
        m_head = std::move(other.m_head);
    }
    return *this;
}

void CompiledPattern::Release() noexcept
{
    while (m_head)
        m_head = std::move(m_head->next);
}
