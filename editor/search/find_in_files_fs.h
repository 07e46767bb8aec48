// What find in files needs of the disk: the files of one directory and the
// bytes of one file.  The program implements it with the platform's calls,
// the benchmark with the standard library, tests with a fake.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DirectoryEntry {
    std::string name;
    bool directory = false;
    bool hidden = false;
    bool system = false;
};

class FindFileSystem {
public:
    virtual ~FindFileSystem() = default;
    // The entries of the directory ("" is the current directory); false when
    // it cannot be read.
    virtual bool ListDirectory(const std::string& directory,
                               std::vector<DirectoryEntry>& entries) = 0;
    // The whole file, as stored, into bytes (reused between files so that
    // memory stays at the largest file); false when it cannot be opened.
    virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;
    // The path made absolute against the current directory.
    virtual std::string FullPath(const std::string& path) = 0;
};
