#include "editor/integration/extension_entries.h"

#include <algorithm>

namespace {

std::string_view KeyOf(std::string_view entry)
{
    return entry.substr(0, std::min(entry.find('='), entry.size()));
}

std::string Entry(std::string_view extension, std::string_view value)
{
    std::string text(extension);
    text += '=';
    text += value;
    return text;
}

} // namespace

std::vector<std::string> ExtensionEntries::Load(ProfileSection& section)
{
    m_entries.clear();
    std::vector<std::string> keys = section.Keys();
    for (const std::string& key : keys)
        m_entries.push_back(Entry(key, section.Read(key)));
    return keys;
}

void ExtensionEntries::Save(ProfileSection& section) const
{
    for (const std::string& key : section.Keys())
        section.Delete(key);
    for (const std::string& entry : m_entries) {
        const std::string_view key = KeyOf(entry);
        const std::size_t valueAt = std::min(key.size() + 1, entry.size());
        section.Write(std::string(key), entry.substr(valueAt));
    }
}

std::vector<std::string>::iterator ExtensionEntries::Find(std::string_view extension)
{
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const std::string& entry) { return KeyOf(entry) == extension; });
}

std::optional<std::string> ExtensionEntries::Value(std::string_view extension) const
{
    for (const std::string& entry : m_entries)
        if (KeyOf(entry) == extension)
            return entry.substr(std::min(extension.size() + 1, entry.size()));
    return std::nullopt;
}

void ExtensionEntries::Set(std::string_view extension, std::string_view value)
{
    auto entry = Find(extension);
    if (entry == m_entries.end())
        Add(extension, value);
    else
        *entry = Entry(extension, value);
}

void ExtensionEntries::Add(std::string_view extension, std::string_view value)
{
    m_entries.push_back(Entry(extension, value));
}

void ExtensionEntries::Remove(std::string_view extension)
{
    auto entry = Find(extension);
    if (entry != m_entries.end())
        m_entries.erase(entry);
}

std::vector<std::string> SplitHelpFiles(std::string_view value)
{
    std::vector<std::string> files;
    while (!value.empty()) {
        const std::size_t end = std::min(value.find(';'), value.size());
        if (end > 0)
            files.emplace_back(value.substr(0, end));
        value.remove_prefix(std::min(end + 1, value.size()));
    }
    return files;
}

std::string WithHelpFile(std::string_view value, std::string_view path)
{
    std::string text(value);
    text += ';';
    text += path;
    return text;
}

std::string WithoutHelpFile(std::string_view value, std::string_view file)
{
    // A whole piece, never a piece's tail: "B.HLP" is not taken out of "AB.HLP".
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(';', start), value.size());
        if (value.substr(start, end - start) == file) {
            std::string text(value);
            if (start == 0)
                text.erase(0, end);
            else
                text.erase(start - 1, end - start + 1);
            return text;
        }
        start = end + 1;
    }
    return std::string(value);
}

std::string UpperExtension(std::string_view extension)
{
    std::string text(extension);
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string FileExtension(std::string_view path)
{
    // A dot in a directory's name is not the file's extension.
    const std::size_t name = path.find_last_of("\\/:");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || (name != std::string_view::npos && dot < name))
        return {};
    return std::string(path.substr(dot + 1));
}
