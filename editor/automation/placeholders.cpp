#include "editor/automation/placeholders.h"

void PlaceholderTable::Set(std::string_view name, std::string_view value)
{
    for (auto& [existing, old] : m_entries) {
        if (existing == name) {
            old.assign(value);
            return;
        }
    }
    m_entries.emplace_back(std::string(name), std::string(value));
}

const std::string* PlaceholderTable::Find(std::string_view name) const
{
    for (const auto& [existing, value] : m_entries)
        if (existing == name)
            return &value;
    return nullptr;
}

bool ExpandPlaceholders(std::string& text, const PlaceholderTable& table, std::size_t capacity)
{
    if (capacity == 0)
        return false;
    const std::size_t limit = capacity - 1; // room for the terminating zero
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t dollar = text.find('$', pos);
        const std::size_t literalEnd = dollar == std::string::npos ? text.size() : dollar;
        if (out.size() + (literalEnd - pos) > limit)
            return false;
        out.append(text, pos, literalEnd - pos);
        if (dollar == std::string::npos)
            break;
        const std::size_t close = text.find('$', dollar + 1);
        if (close == std::string::npos)
            return false;
        const std::string_view name(text.data() + dollar + 1, close - dollar - 1);
        if (const std::string* value = table.Find(name)) {
            if (out.size() + value->size() > limit)
                return false;
            out += *value;
        }
        pos = close + 1;
    }
    text = std::move(out);
    return true;
}

std::string ExpandOrKeep(std::string_view text, const PlaceholderTable& table)
{
    std::string expanded(text);
    if (!ExpandPlaceholders(expanded, table))
        return std::string(text);
    return expanded;
}

bool HasBackslash(std::string_view path)
{
    return path.find('\\') != std::string_view::npos;
}

std::string_view NameAfterLastBackslash(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
}

std::string_view DirUpToLastBackslash(std::string_view path)
{
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}
