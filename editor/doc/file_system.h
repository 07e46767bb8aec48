// How the document reaches files: the program implements this with the
// platform's file calls, the native build with the standard library, and
// tests with an in-memory fake that can fail on demand.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Why a file operation failed; the document's error report is chosen by it.
enum class FileError { None, NotFound, AccessDenied, DiskFull, Other };

inline constexpr std::uint8_t kAttributeReadOnly = 0x01;

// A file's status as the platform reports it.  Times are seconds since
// 1970 (UTC); where the platform keeps no creation or access time they
// equal the modification time.
struct FileStatus {
    std::int64_t creationTime = 0;
    std::int64_t modificationTime = 0;
    std::int64_t accessTime = 0;
    std::int64_t size = 0;
    std::uint8_t attribute = 0; // bit 0: read-only
    std::string fullPath;

    bool operator==(const FileStatus&) const = default;
};

class FileReader {
public:
    virtual ~FileReader() = default;
    virtual std::int64_t Size() const = 0;
    // Up to n bytes; fewer only at the end of the file or on an error, which
    // is then set.
    virtual std::size_t Read(char* buffer, std::size_t n, FileError& error) = 0;
};

class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual bool Write(const char* bytes, std::size_t n, FileError& error) = 0;
    // Flushes and closes; a write failure may show up only here.
    virtual bool Close(FileError& error) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Bytes as stored: line ends are the document's business.
    virtual std::unique_ptr<FileReader> OpenRead(const std::string& path, FileError& error) = 0;
    // Creates or truncates.
    virtual std::unique_ptr<FileWriter> Create(const std::string& path, FileError& error) = 0;

    virtual bool Exists(const std::string& path) = 0;
    virtual bool GetStatus(const std::string& path, FileStatus& status) = 0;
    virtual bool Remove(const std::string& path, FileError& error) = 0;
    // Moves `from` to `to`, replacing a file of that name in one step.
    virtual bool Rename(const std::string& from, const std::string& to, FileError& error) = 0;
    // Gives `to` the attributes (read-only, hidden, permissions) of `from`.
    virtual bool CopyAttributes(const std::string& from, const std::string& to) = 0;
};
