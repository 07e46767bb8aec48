#include "editor/automation/tool_table.h"

ToolTable g_ToolTable;

int ToolTable::Count() const
{
    int count = 0;
    while (count < kToolCount && m_entries[static_cast<std::size_t>(count)].IsUsed())
        ++count;
    return count;
}

int ToolTable::FirstFree() const
{
    const int count = Count();
    return count < kToolCount ? count : -1;
}

void ToolTable::Remove(int index)
{
    if (index < 0 || index >= kToolCount)
        return;
    for (int i = index; i + 1 < kToolCount; ++i)
        (*this)[i] = (*this)[i + 1];
    (*this)[kToolCount - 1] = ToolEntry{};
}

void ToolTable::Swap(int a, int b)
{
    if (a < 0 || b < 0 || a >= kToolCount || b >= kToolCount)
        return;
    std::swap((*this)[a], (*this)[b]);
}

void ToolTable::Compact()
{
    std::array<ToolEntry, kToolCount> packed{};
    std::size_t next = 0;
    for (const ToolEntry& entry : m_entries)
        if (entry.IsUsed())
            packed[next++] = entry;
    m_entries = packed;
}
