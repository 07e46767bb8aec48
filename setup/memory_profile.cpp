#include "setup/memory_profile.h"

#include <cstddef>

namespace {

// Ctrl-Z counts as a blank: old editors end text files with it.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names and values are C strings on the platform: a zero byte ends them.
std::string_view UpToZero(std::string_view s)
{
    return s.substr(0, s.find('\0'));
}

std::string Lower(std::string_view s)
{
    std::string out(UpToZero(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The name of a section header line "[name]" (the last "]" closes it), or
// nothing when the line is not a header.
bool SectionName(std::string_view line, std::string_view& name)
{
    if (line.empty() || line.front() != '[')
        return false;
    const std::size_t close = line.rfind(']');
    if (close == 0 || close == std::string_view::npos)
        return false;
    name = line.substr(1, close - 1);
    return true;
}

} // namespace

MemoryProfile::MemoryProfile(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    Keys* current = nullptr; // entries before the first section are unreachable
    bool currentIsDuplicate = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        line = TrimBlanks(line);
        if (line.empty())
            continue;
        std::string_view name;
        if (SectionName(line, name)) {
            auto [it, inserted] = m_sections.try_emplace(Lower(name));
            current = &it->second;
            currentIsDuplicate = !inserted;
            continue;
        }
        if (!current || currentIsDuplicate)
            continue;
        const std::size_t equals = line.find('=');
        std::string_view key = TrimBlanks(line.substr(0, equals));
        std::string_view value;
        if (equals != std::string_view::npos)
            value = TrimBlanks(line.substr(equals + 1));
        current->try_emplace(Lower(key), UpToZero(value));
    }
}

std::string MemoryProfile::ReadString(std::string_view section, std::string_view key) const
{
    const auto s = m_sections.find(Lower(section));
    if (s == m_sections.end())
        return {};
    const auto k = s->second.find(Lower(key));
    if (k == s->second.end())
        return {};
    return std::string(StripQuotes(k->second));
}
