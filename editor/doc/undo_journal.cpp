#include "editor/doc/undo_journal.h"

#include <cstring>
#include <new>
#include <utility>

void RecordList::Push(UndoRecord&& record)
{
    if (m_count == kCapacity) {
        m_records[m_first] = UndoRecord{};
        m_first = Slot(1);
        --m_count;
    }
    m_records[Slot(m_count)] = std::move(record);
    ++m_count;
}

UndoRecord RecordList::Pop()
{
    --m_count;
    return std::exchange(m_records[Slot(m_count)], UndoRecord{});
}

const UndoRecord* RecordList::Newest() const
{
    return m_count == 0 ? nullptr : &m_records[Slot(m_count - 1)];
}

void RecordList::Clear()
{
    for (UndoRecord& record : m_records)
        record = UndoRecord{};
    m_first = 0;
    m_count = 0;
}

std::unique_ptr<char[]> CopyRecordData(const char* bytes, std::size_t n)
{
    std::unique_ptr<char[]> data(new (std::nothrow) char[n == 0 ? 1 : n]);
    if (data && n > 0)
        std::memcpy(data.get(), bytes, n);
    return data;
}
