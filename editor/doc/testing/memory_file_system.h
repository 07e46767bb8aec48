// Files in memory, with failures on demand: for tests and the fuzz target.
// Behaves like a disk where it matters: names ignore case, Create truncates
// at once, writes land as they are made, a rename replaces its target in
// one step.
#pragma once
#include "editor/doc/file_system.h"

#include <map>
#include <optional>
#include <string>

class MemoryFileSystem : public FileSystem {
public:
    struct File {
        std::string bytes;
        std::uint8_t attribute = 0;
        std::int64_t modificationTime = 0;
    };

    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    template <class T> using ByName = std::map<std::string, T, NameLess>;

    ByName<File> files;

    // Failures by path.
    ByName<FileError> openFailures;
    ByName<FileError> createFailures;
    ByName<FileError> removeFailures;
    ByName<FileError> renameFailures; // by the file to be moved
    // A writer fails with "disk full" once this many bytes were written.
    std::optional<std::size_t> diskSpace;
    // A reader fails with this error after this many bytes.
    std::optional<std::size_t> readFailsAfter;

    void Put(const std::string& path, std::string bytes, std::uint8_t attribute = 0);
    // The file's bytes; empty when it does not exist.
    std::string Get(const std::string& path) const;
    bool Has(const std::string& path) const { return files.count(path) != 0; }

    std::unique_ptr<FileReader> OpenRead(const std::string& path, FileError& error) override;
    std::unique_ptr<FileWriter> Create(const std::string& path, FileError& error) override;
    bool Exists(const std::string& path) override { return Has(path); }
    bool GetStatus(const std::string& path, FileStatus& status) override;
    bool Remove(const std::string& path, FileError& error) override;
    bool Rename(const std::string& from, const std::string& to, FileError& error) override;
    bool CopyAttributes(const std::string& from, const std::string& to) override;

private:
    std::int64_t m_clock = 1000; // every write moves the files' time on
    friend class MemoryFileWriter;
};
