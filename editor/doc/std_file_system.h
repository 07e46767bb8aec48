// Files through the C++ standard library, for the native build and its
// tests.  Creation and access times are not available there and equal the
// modification time; a file without write permission is read-only.
#pragma once
#include "editor/doc/file_system.h"

class StdFileSystem : public FileSystem {
public:
    std::unique_ptr<FileReader> OpenRead(const std::string& path, FileError& error) override;
    std::unique_ptr<FileWriter> Create(const std::string& path, FileError& error) override;
    bool Exists(const std::string& path) override;
    bool GetStatus(const std::string& path, FileStatus& status) override;
    bool Remove(const std::string& path, FileError& error) override;
    bool Rename(const std::string& from, const std::string& to, FileError& error) override;
    bool CopyAttributes(const std::string& from, const std::string& to) override;
};
