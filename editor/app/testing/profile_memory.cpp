#include "editor/app/testing/profile_memory.h"

#include <algorithm>
#include <cstring>

namespace {

// The platform counts Ctrl+Z (the DOS end of file) as a blank as well.
bool IsProfileSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsProfileSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsProfileSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// The platform's strings end at the first NUL.
std::string_view UpToNul(std::string_view s)
{
    std::size_t nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

std::string_view StripQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

void MemoryProfile::Load(std::string_view text)
{
    m_sections.clear();
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    Section* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        line = Trim(line);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                std::string_view name = Trim(UpToNul(line.substr(1, close - 1)));
                current = &m_sections.emplace_back(Section{std::string(name), true, {}});
                continue;
            }
        }
        if (!current)
            current = &m_sections.emplace_back(Section{{}, false, {}});

        Line entry;
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || line.front() == ';') {
            entry.key = line; // kept for Text(), never read
        } else {
            entry.key = Trim(UpToNul(line.substr(0, equals)));
            entry.value = Trim(UpToNul(line.substr(equals + 1)));
            entry.hasValue = true;
        }
        current->lines.push_back(std::move(entry));
    }
}

std::string MemoryProfile::Text() const
{
    std::string text;
    for (const Section& section : m_sections) {
        if (section.hasHeader) {
            if (!text.empty())
                text += "\r\n";
            text += '[';
            text += section.name;
            text += "]\r\n";
        }
        for (const Line& line : section.lines) {
            text += line.key;
            if (line.hasValue) {
                text += '=';
                text += line.value;
            }
            text += "\r\n";
        }
    }
    return text;
}

MemoryProfile::Section* MemoryProfile::FindSection(std::string_view name)
{
    name = Trim(UpToNul(name));
    for (Section& section : m_sections) {
        if (section.hasHeader && SameName(section.name, name))
            return &section;
    }
    return nullptr;
}

MemoryProfile::Line* MemoryProfile::FindKey(Section& section, std::string_view key)
{
    key = Trim(UpToNul(key));
    for (Line& line : section.lines) {
        if (line.hasValue && SameName(line.key, key))
            return &line;
    }
    return nullptr;
}

std::string MemoryProfile::ReadString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue)
{
    Section* found = FindSection(section);
    Line* line = found ? FindKey(*found, key) : nullptr;
    if (!line)
        return std::string(defaultValue);
    return std::string(StripQuotes(Trim(line->value)));
}

bool MemoryProfile::WriteString(std::string_view section, std::string_view key,
                                std::string_view value)
{
    Section* found = FindSection(section);
    if (!found)
        found = &m_sections.emplace_back(Section{std::string(Trim(UpToNul(section))), true, {}});
    Line* line = FindKey(*found, key);
    if (!line)
        line = &found->lines.emplace_back(Line{std::string(Trim(UpToNul(key))), {}, true});
    line->value = UpToNul(value);
    return true;
}

bool MemoryProfile::DeleteKey(std::string_view section, std::string_view key)
{
    Section* found = FindSection(section);
    Line* line = found ? FindKey(*found, key) : nullptr;
    if (!line)
        return false;
    found->lines.erase(found->lines.begin() + (line - found->lines.data()));
    return true;
}

bool MemoryProfile::DeleteSection(std::string_view section)
{
    Section* found = FindSection(section);
    if (!found)
        return false;
    // Only the first of duplicate sections goes; a later one becomes visible.
    m_sections.erase(m_sections.begin() + (found - m_sections.data()));
    return true;
}

std::size_t MemoryProfile::ListKeys(std::string_view section, std::span<char> buffer)
{
    if (buffer.empty())
        return 0;
    if (buffer.size() == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t pos = 0;
    bool cut = false;
    if (Section* found = FindSection(section)) {
        for (const Line& line : found->lines) {
            if (!line.hasValue || line.key.empty())
                continue;
            // Room for this name's NUL and the list's final NUL.
            if (pos + 2 >= buffer.size()) {
                cut = true;
                break;
            }
            std::size_t room = buffer.size() - pos - 2;
            std::size_t len = std::min(line.key.size(), room);
            std::memcpy(buffer.data() + pos, line.key.data(), len);
            buffer[pos + len] = '\0';
            pos += len + 1;
            if (len < line.key.size()) {
                cut = true;
                break;
            }
        }
    }
    buffer[pos] = '\0';
    if (cut || pos == buffer.size() - 1)
        return buffer.size() - 2;
    return pos;
}
