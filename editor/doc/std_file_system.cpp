#include "editor/doc/std_file_system.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

FileError FromErrno(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return FileError::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
        return FileError::AccessDenied;
    case ENOSPC:
        return FileError::DiskFull;
    default:
        return FileError::Other;
    }
}

FileError FromErrorCode(const std::error_code& code)
{
    if (code.category() == std::generic_category() || code.category() == std::system_category())
        return FromErrno(code.value());
    return FileError::Other;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class StdFileReader : public FileReader {
public:
    StdFileReader(FilePtr file, std::int64_t size) : m_file(std::move(file)), m_size(size) {}

    std::int64_t Size() const override { return m_size; }

    std::size_t Read(char* buffer, std::size_t n, FileError& error) override
    {
        std::size_t got = std::fread(buffer, 1, n, m_file.get());
        if (got < n && std::ferror(m_file.get()))
            error = FromErrno(errno);
        return got;
    }

private:
    FilePtr m_file;
    std::int64_t m_size;
};

class StdFileWriter : public FileWriter {
public:
    explicit StdFileWriter(FilePtr file) : m_file(std::move(file)) {}

    bool Write(const char* bytes, std::size_t n, FileError& error) override
    {
        if (std::fwrite(bytes, 1, n, m_file.get()) == n)
            return true;
        error = FromErrno(errno);
        return false;
    }

    bool Close(FileError& error) override
    {
        // The last buffered bytes are written here; some C libraries (Wine's
        // msvcrt) report a failure of that write only from fflush, and
        // fclose then returns 0 over a cut-off file.
        errno = 0;
        if (std::fflush(m_file.get()) != 0 || std::ferror(m_file.get())) {
            error = errno != 0 ? FromErrno(errno) : FileError::Other;
            m_file.reset();
            return false;
        }
        if (std::fclose(m_file.release()) == 0)
            return true;
        error = FromErrno(errno);
        return false;
    }

private:
    FilePtr m_file;
};

std::int64_t ToUnixSeconds(fs::file_time_type time)
{
    auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

} // namespace

std::unique_ptr<FileReader> StdFileSystem::OpenRead(const std::string& path, FileError& error)
{
    std::error_code code;
    if (fs::is_directory(path, code)) {
        error = FileError::AccessDenied;
        return nullptr;
    }
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = FromErrno(errno);
        return nullptr;
    }
    std::uintmax_t size = fs::file_size(path, code);
    if (code) {
        error = FromErrorCode(code);
        return nullptr;
    }
    return std::make_unique<StdFileReader>(std::move(file), static_cast<std::int64_t>(size));
}

std::unique_ptr<FileWriter> StdFileSystem::Create(const std::string& path, FileError& error)
{
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        error = FromErrno(errno);
        return nullptr;
    }
    return std::make_unique<StdFileWriter>(std::move(file));
}

bool StdFileSystem::Exists(const std::string& path)
{
    std::error_code code;
    return fs::exists(path, code);
}

bool StdFileSystem::GetStatus(const std::string& path, FileStatus& status)
{
    std::error_code code;
    fs::file_status info = fs::status(path, code);
    if (code || !fs::exists(info))
        return false;
    fs::file_time_type written = fs::last_write_time(path, code);
    if (code)
        return false;
    std::uintmax_t size = fs::is_regular_file(info) ? fs::file_size(path, code) : 0;
    if (code)
        return false;
    fs::path full = fs::absolute(path, code);
    status.modificationTime = ToUnixSeconds(written);
    status.creationTime = status.modificationTime;
    status.accessTime = status.modificationTime;
    status.size = static_cast<std::int64_t>(size);
    bool writable = (info.permissions() & fs::perms::owner_write) != fs::perms::none;
    status.attribute = writable ? 0 : kAttributeReadOnly;
    status.fullPath = code ? path : full.string();
    return true;
}

bool StdFileSystem::Remove(const std::string& path, FileError& error)
{
    std::error_code code;
    if (fs::remove(path, code))
        return true;
    error = code ? FromErrorCode(code) : FileError::NotFound;
    return false;
}

bool StdFileSystem::Rename(const std::string& from, const std::string& to, FileError& error)
{
    std::error_code code;
    fs::rename(from, to, code);
    if (!code)
        return true;
    error = FromErrorCode(code);
    return false;
}

bool StdFileSystem::CopyAttributes(const std::string& from, const std::string& to)
{
    std::error_code code;
    fs::file_status info = fs::status(from, code);
    if (code)
        return false;
    fs::permissions(to, info.permissions(), fs::perm_options::replace, code);
    return !code;
}
