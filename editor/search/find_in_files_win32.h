// Find in files on the platform's disk: directory listings with file
// attributes, files read whole, and Touch.
#pragma once
#include "editor/search/find_in_files_fs.h"

class Win32FindFileSystem : public FindFileSystem {
public:
    bool ListDirectory(const std::string& directory, std::vector<DirectoryEntry>& entries) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool IsDirectory(const std::string& path) override;
    std::string FullPath(const std::string& path) override;
};

// Sets the file's last-access and last-write times to now (UTC), keeping its
// creation time; false when it cannot be opened for writing.
bool TouchFile(const std::string& path);
