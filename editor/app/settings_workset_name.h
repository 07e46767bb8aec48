// The name of the current workset: a 260-byte path buffer, process-wide.
// Longer names are cut to 259 characters.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t kWorksetNameSize = 260;

class WorksetName {
public:
    void Set(std::string_view name)
    {
        std::size_t len = name.size() < kWorksetNameSize ? name.size() : kWorksetNameSize - 1;
        name.copy(m_text.data(), len);
        m_text[len] = '\0';
    }
    std::string_view Get() const { return std::string_view(m_text.data()); }
    const char* c_str() const { return m_text.data(); }
    bool empty() const { return m_text[0] == '\0'; }

private:
    std::array<char, kWorksetNameSize> m_text{};
};

// The process-wide current workset (empty: none).
extern WorksetName g_WorksetName;
