#include "editor/app/profile_key_list.h"

#include <cstring>

std::vector<std::string_view> ProfileKeyList::Names() const&
{
    std::vector<std::string_view> names;
    std::size_t pos = 0;
    while (pos < m_buffer.size() && m_buffer[pos] != '\0') {
        // The store guarantees the terminator, but never read past the buffer.
        const void* end = std::memchr(m_buffer.data() + pos, '\0', m_buffer.size() - pos);
        std::size_t len =
            end ? static_cast<const char*>(end) - (m_buffer.data() + pos) : m_buffer.size() - pos;
        names.emplace_back(m_buffer.data() + pos, len);
        pos += len + 1;
    }
    return names;
}
