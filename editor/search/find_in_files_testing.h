// Shared by the find-in-files tests and fuzz target: a disk in memory, and
// the plain line-at-a-time search that the fast one must agree with.
#pragma once
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/find_in_files.h"

#include <map>
#include <string>
#include <vector>

class MemoryFindFileSystem : public FindFileSystem {
public:
    // Adds the file to its directory's listing (the text before the last
    // backslash; "" for a bare name).
    void AddFile(const std::string& path, std::string bytes, bool hidden = false,
                 bool system = false);
    void AddDirectory(const std::string& path);

    bool ListDirectory(const std::string& directory, std::vector<DirectoryEntry>& entries) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool IsDirectory(const std::string& path) override;
    std::string FullPath(const std::string& path) override;

    std::string m_current = "c:\\cur";
    std::vector<std::string> m_read; // paths in the order they were read

private:
    std::map<std::string, std::vector<DirectoryEntry>> m_directories;
    std::map<std::string, std::string> m_files;
};

// Every line of the file read as text, one at a time: the substring test on
// the line as a C string, or LineMatches.
std::vector<SearchResult> ReferenceSearch(const FindRequest& request, const std::string& path,
                                          std::string_view bytes, MessageSink& sink);
