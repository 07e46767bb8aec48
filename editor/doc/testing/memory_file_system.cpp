#include "editor/doc/testing/memory_file_system.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

class MemoryFileReader : public FileReader {
public:
    MemoryFileReader(std::string bytes, std::optional<std::size_t> failAfter)
        : m_bytes(std::move(bytes)), m_failAfter(failAfter)
    {
    }

    std::int64_t Size() const override { return static_cast<std::int64_t>(m_bytes.size()); }

    std::size_t Read(char* buffer, std::size_t n, FileError& error) override
    {
        std::size_t limit = m_bytes.size();
        if (m_failAfter && *m_failAfter < limit)
            limit = *m_failAfter;
        std::size_t got = std::min(n, limit - std::min(limit, m_offset));
        std::memcpy(buffer, m_bytes.data() + m_offset, got);
        m_offset += got;
        if (got < n && limit < m_bytes.size())
            error = FileError::Other;
        return got;
    }

private:
    std::string m_bytes;
    std::optional<std::size_t> m_failAfter;
    std::size_t m_offset = 0;
};

} // namespace

class MemoryFileWriter : public FileWriter {
public:
    MemoryFileWriter(MemoryFileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}

    bool Write(const char* bytes, std::size_t n, FileError& error) override
    {
        MemoryFileSystem::File& file = m_fs.files[m_path];
        file.modificationTime = ++m_fs.m_clock;
        std::size_t room = n;
        if (m_fs.diskSpace)
            room = std::min(n, *m_fs.diskSpace - std::min(*m_fs.diskSpace, m_written));
        file.bytes.append(bytes, room);
        m_written += room;
        if (room == n)
            return true;
        error = FileError::DiskFull;
        return false;
    }

    bool Close(FileError&) override { return true; }

private:
    MemoryFileSystem& m_fs;
    std::string m_path;
    std::size_t m_written = 0;
};

bool MemoryFileSystem::NameLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) <
               std::toupper(static_cast<unsigned char>(y));
    });
}

void MemoryFileSystem::Put(const std::string& path, std::string bytes, std::uint8_t attribute)
{
    files[path] = File{std::move(bytes), attribute, ++m_clock};
}

std::string MemoryFileSystem::Get(const std::string& path) const
{
    auto it = files.find(path);
    return it == files.end() ? std::string() : it->second.bytes;
}

std::unique_ptr<FileReader> MemoryFileSystem::OpenRead(const std::string& path, FileError& error)
{
    if (auto failure = openFailures.find(path); failure != openFailures.end()) {
        error = failure->second;
        return nullptr;
    }
    auto it = files.find(path);
    if (it == files.end()) {
        error = FileError::NotFound;
        return nullptr;
    }
    return std::make_unique<MemoryFileReader>(it->second.bytes, readFailsAfter);
}

std::unique_ptr<FileWriter> MemoryFileSystem::Create(const std::string& path, FileError& error)
{
    if (auto failure = createFailures.find(path); failure != createFailures.end()) {
        error = failure->second;
        return nullptr;
    }
    auto it = files.find(path);
    if (it != files.end() && (it->second.attribute & kAttributeReadOnly) != 0) {
        error = FileError::AccessDenied;
        return nullptr;
    }
    files[path] = File{{}, 0, ++m_clock};
    return std::make_unique<MemoryFileWriter>(*this, path);
}

bool MemoryFileSystem::GetStatus(const std::string& path, FileStatus& status)
{
    auto it = files.find(path);
    if (it == files.end())
        return false;
    status.creationTime = status.accessTime = status.modificationTime = it->second.modificationTime;
    status.size = static_cast<std::int64_t>(it->second.bytes.size());
    status.attribute = it->second.attribute;
    status.fullPath = path;
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path, FileError& error)
{
    if (auto failure = removeFailures.find(path); failure != removeFailures.end()) {
        error = failure->second;
        return false;
    }
    if (files.erase(path) == 0) {
        error = FileError::NotFound;
        return false;
    }
    return true;
}

bool MemoryFileSystem::Rename(const std::string& from, const std::string& to, FileError& error)
{
    if (auto failure = renameFailures.find(from); failure != renameFailures.end()) {
        error = failure->second;
        return false;
    }
    auto it = files.find(from);
    if (it == files.end()) {
        error = FileError::NotFound;
        return false;
    }
    File moved = std::move(it->second);
    files.erase(it);
    files[to] = std::move(moved);
    return true;
}

bool MemoryFileSystem::CopyAttributes(const std::string& from, const std::string& to)
{
    auto source = files.find(from);
    auto target = files.find(to);
    if (source == files.end() || target == files.end())
        return false;
    target->second.attribute = source->second.attribute;
    return true;
}
