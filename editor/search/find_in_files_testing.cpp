#include "editor/search/find_in_files_testing.h"

#include <cstring>

void MemoryFindFileSystem::AddFile(const std::string& path, std::string bytes, bool hidden,
                                   bool system)
{
    std::size_t slash = path.rfind('\\');
    std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    m_directories[directory].push_back({name, false, hidden, system});
    m_files[path] = std::move(bytes);
}

void MemoryFindFileSystem::AddDirectory(const std::string& path)
{
    m_directories[path];
    std::size_t slash = path.rfind('\\');
    if (slash != std::string::npos)
        m_directories[path.substr(0, slash)].push_back({path.substr(slash + 1), true});
}

bool MemoryFindFileSystem::ListDirectory(const std::string& directory,
                                         std::vector<DirectoryEntry>& entries)
{
    auto it = m_directories.find(directory);
    if (it == m_directories.end())
        return false;
    entries = it->second;
    return true;
}

bool MemoryFindFileSystem::ReadFile(const std::string& path, std::string& bytes)
{
    auto it = m_files.find(path);
    if (it == m_files.end())
        return false;
    m_read.push_back(path);
    bytes = it->second;
    return true;
}

bool MemoryFindFileSystem::IsDirectory(const std::string& path)
{
    return m_directories.count(path) != 0;
}

std::string MemoryFindFileSystem::FullPath(const std::string& path)
{
    if (path.size() > 1 && path[1] == ':')
        return path;
    return m_current + "\\" + path;
}

std::vector<SearchResult> ReferenceSearch(const FindRequest& request, const std::string& path,
                                          std::string_view bytes, MessageSink& sink)
{
    std::vector<SearchResult> out;
    std::string text(bytes.substr(0, std::min(bytes.find('\x1a'), bytes.size())));
    for (std::size_t crlf = 0; (crlf = text.find("\r\n", crlf)) != std::string::npos;)
        text.erase(crlf, 1);
    std::optional<LinePattern> pattern;
    if (request.regularExpression) {
        pattern = LinePattern::Compile(request.searchFor, request.ignoreCase, sink);
        if (!pattern)
            return out;
    }
    auto upper = [&](std::string s) {
        if (request.ignoreCase)
            for (char& c : s)
                c = static_cast<char>(AnsiUpper(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string needle = upper(request.searchFor);
    long number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t next = std::min(text.find('\n', start), text.size() - 1) + 1;
        std::string line = text.substr(start, next - start);
        bool match = pattern ? LineMatches(*pattern, line)
                             : std::strstr(upper(line).c_str(), needle.c_str()) != nullptr;
        if (match)
            out.push_back({path, std::string(), number, line});
        start = next;
    }
    return out;
}
