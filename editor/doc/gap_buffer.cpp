#include "editor/doc/gap_buffer.h"

#include "editor/doc/byte_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Room added whenever the block grows: a 32nd of the text, so typing at one
// place moves the text behind it only once per that many bytes, while the
// block stays within about 1.1 times the text.
TextPos GrowthFor(TextPos length)
{
    return std::max<TextPos>(GapBuffer::kGapStep, length / 32);
}

// A gap larger than this is given back after deletions.
TextPos TrimThreshold(TextPos length)
{
    return std::max<TextPos>(64 * 1024, length / 16);
}

} // namespace

bool GapBuffer::Reset()
{
    Free();
    m_block = m_factory.Allocate(kMinBlockSize);
    if (m_block && m_locked)
        m_data = m_block->Lock();
    return m_block != nullptr;
}

void GapBuffer::Free()
{
    if (m_data != nullptr)
        m_block->Unlock();
    m_data = nullptr;
    m_block.reset();
    m_length = m_gapPos = m_gapLength = 0;
}

void GapBuffer::Adopt(std::unique_ptr<TextBlock> block, TextPos length)
{
    Free();
    m_block = std::move(block);
    m_length = length;
    if (m_locked)
        m_data = m_block->Lock();
}

void GapBuffer::Lock() const
{
    m_locked = true;
    if (m_data == nullptr && m_block)
        m_data = m_block->Lock();
}

void GapBuffer::Unlock() const
{
    m_locked = false;
    if (m_data != nullptr) {
        m_block->Unlock();
        m_data = nullptr;
    }
}

bool GapBuffer::ResizeBlock(std::size_t size)
{
    if (!m_block) {
        m_block = m_factory.Allocate(size);
        if (m_block && m_locked)
            m_data = m_block->Lock();
        return m_block != nullptr;
    }
    // A movable block may only move while nobody holds its address.
    if (m_data != nullptr) {
        m_block->Unlock();
        m_data = nullptr;
    }
    bool resized = m_block->Resize(size);
    if (m_locked)
        m_data = m_block->Lock();
    return resized;
}

bool GapBuffer::OpenGap(TextPos pos, TextPos size)
{
    pos = std::min(pos, m_length);
    if (m_gapLength > 0 && m_gapPos == pos && m_gapLength >= size)
        return true;
    // 64-bit sums: on the 32-bit program a size_t would overflow here.
    std::uint64_t freeBytes = std::uint64_t{BlockSize()} - m_length;
    if (!m_block || freeBytes < std::uint64_t{size} + 1) {
        std::uint64_t room = std::max<std::uint64_t>(size, GrowthFor(m_length));
        std::uint64_t wanted = std::max<std::uint64_t>(m_length + room + 1, kMinBlockSize);
        if (wanted > std::uint64_t{kMaxTextLength} + 1 ||
            !ResizeBlock(static_cast<std::size_t>(wanted)))
            return false;
    }
    Access access(*this);
    MoveGapTo(pos);
    // Every free byte but the closing zero joins the gap: the text behind it
    // moves once, however far.
    auto newGap = static_cast<TextPos>(BlockSize() - m_length - 1);
    if (newGap > m_gapLength) {
        std::size_t tail = m_length - pos;
        char* oldTail = m_data + pos + m_gapLength;
        std::memmove(m_data + pos + newGap, oldTail, tail);
        std::memset(oldTail, 0, std::min<std::size_t>(tail, newGap - m_gapLength));
        m_gapLength = newGap;
    }
    return true;
}

void GapBuffer::MoveGapTo(TextPos pos)
{
    if (m_gapLength == 0 || pos == m_gapPos) {
        m_gapPos = pos;
        return;
    }
    if (pos < m_gapPos) {
        std::size_t n = m_gapPos - pos;
        std::memmove(m_data + pos + m_gapLength, m_data + pos, n);
        std::memset(m_data + pos, 0, std::min<std::size_t>(n, m_gapLength));
    } else {
        std::size_t n = pos - m_gapPos;
        std::memmove(m_data + m_gapPos, m_data + m_gapPos + m_gapLength, n);
        std::size_t clearFrom = std::max<std::size_t>(pos, std::size_t{m_gapPos} + m_gapLength);
        std::memset(m_data + clearFrom, 0, std::size_t{pos} + m_gapLength - clearFrom);
    }
    m_gapPos = pos;
}

void GapBuffer::CloseGap()
{
    if (m_gapLength == 0) {
        m_gapPos = 0;
        return;
    }
    {
        Access access(*this);
        MoveGapTo(m_length);
    }
    m_gapPos = 0;
    m_gapLength = 0;
    // Shrink when much room is left, but keep enough that the next gap needs
    // no new growth.
    std::size_t keep =
        std::max<std::size_t>(std::size_t{m_length} + 1 + GrowthFor(m_length), kMinBlockSize);
    if (BlockSize() > keep + TrimThreshold(m_length))
        ResizeBlock(keep);
}

void GapBuffer::TrimGap()
{
    if (m_gapLength > TrimThreshold(m_length))
        CloseGap();
}

unsigned char GapBuffer::At(TextPos pos) const
{
    if (pos >= m_length)
        return 0;
    Access access(*this);
    return static_cast<unsigned char>(m_data[Offset(pos)]);
}

TextSpans GapBuffer::Spans(TextPos from, TextPos to) const
{
    to = std::min(to, m_length);
    from = std::min(from, to);
    if (from == to)
        return {};
    if (to <= m_gapPos)
        return {{m_data + from, std::size_t{to} - from}, {}};
    if (from >= m_gapPos)
        return {{m_data + from + m_gapLength, std::size_t{to} - from}, {}};
    return {{m_data + from, std::size_t{m_gapPos} - from},
            {m_data + m_gapPos + m_gapLength, std::size_t{to} - m_gapPos}};
}

std::pair<std::span<char>, std::span<char>> GapBuffer::WritableSpans(TextPos from, TextPos to)
{
    // The spans point into m_data, which this buffer owns and may write.
    TextSpans spans = Spans(from, to);
    return {{const_cast<char*>(spans.first.data()), spans.first.size()},
            {const_cast<char*>(spans.second.data()), spans.second.size()}};
}

void GapBuffer::CopyOut(TextPos from, TextPos to, char* out) const
{
    Access access(*this);
    TextSpans spans = Spans(from, to);
    if (!spans.first.empty())
        std::memcpy(out, spans.first.data(), spans.first.size());
    if (!spans.second.empty())
        std::memcpy(out + spans.first.size(), spans.second.data(), spans.second.size());
}

std::string GapBuffer::Text(TextPos from, TextPos to) const
{
    to = std::min(to, m_length);
    from = std::min(from, to);
    std::string text(to - from, '\0');
    CopyOut(from, to, text.data());
    return text;
}

TextPos GapBuffer::PositionOf(const char* p) const
{
    auto offset = static_cast<std::size_t>(p - m_data);
    return static_cast<TextPos>(offset < m_gapPos ? offset : offset - m_gapLength);
}

TextPos GapBuffer::Find(TextPos from, TextPos to, char c) const
{
    Access access(*this);
    to = std::min(to, m_length);
    TextSpans spans = Spans(from, to);
    if (const char* hit = byte_scan::FindFirst(spans.first.data(), spans.first.size(), c))
        return PositionOf(hit);
    if (const char* hit = byte_scan::FindFirst(spans.second.data(), spans.second.size(), c))
        return PositionOf(hit);
    return to;
}

TextPos GapBuffer::FindBack(TextPos before, char c) const
{
    Access access(*this);
    TextSpans spans = Spans(0, before);
    if (const char* hit = byte_scan::FindLast(spans.second.data(), spans.second.size(), c))
        return PositionOf(hit);
    if (const char* hit = byte_scan::FindLast(spans.first.data(), spans.first.size(), c))
        return PositionOf(hit);
    return kNoPos;
}

std::size_t GapBuffer::Count(TextPos from, TextPos to, char c) const
{
    Access access(*this);
    TextSpans spans = Spans(from, to);
    return byte_scan::Count(spans.first.data(), spans.first.size(), c) +
           byte_scan::Count(spans.second.data(), spans.second.size(), c);
}

bool GapBuffer::Insert(TextPos pos, const char* bytes, TextPos n)
{
    if (n == 0)
        return true;
    if (!OpenGap(pos, n))
        return false;
    Access access(*this);
    std::memcpy(GapStart(), bytes, n);
    Commit(n);
    return true;
}

void GapBuffer::Commit(TextPos n)
{
    m_gapPos += n;
    m_gapLength -= n;
    m_length += n;
}

void GapBuffer::Set(TextPos pos, char c)
{
    if (pos >= m_length)
        return;
    Access access(*this);
    m_data[Offset(pos)] = c;
}

void GapBuffer::Erase(TextPos pos, TextPos n)
{
    pos = std::min(pos, m_length);
    n = std::min(n, m_length - pos);
    if (n == 0)
        return;
    Access access(*this);
    // Bring the gap next to the range (or leave it inside), so that only the
    // bytes between the old gap and the range move.
    if (m_gapPos <= pos)
        MoveGapTo(pos);
    else if (m_gapPos >= pos + n)
        MoveGapTo(pos + n);
    TextPos before = m_gapPos - pos;
    TextPos after = n - before;
    std::memset(m_data + pos, 0, before);
    std::memset(m_data + m_gapPos + m_gapLength, 0, after);
    m_gapPos = pos;
    m_gapLength += n;
    m_length -= n;
}

char* GapBuffer::TakeForRewrite(TextPos pos, TextPos n)
{
    pos = std::min(pos, m_length);
    n = std::min(n, m_length - pos);
    MoveGapTo(pos + n);
    m_gapPos = pos;
    m_gapLength += n;
    m_length -= n;
    return GapStart();
}

void GapBuffer::CommitRewrite(TextPos written, TextPos n)
{
    if (written < n)
        std::memset(GapStart() + written, 0, n - written);
    Commit(written);
}

void GapBuffer::Uncommit(TextPos n)
{
    std::memset(m_data + m_gapPos - n, 0, n);
    m_gapPos -= n;
    m_gapLength += n;
    m_length -= n;
}

char* GapBuffer::GapAt(TextPos pos)
{
    MoveGapTo(std::min(pos, m_length));
    return m_data;
}
