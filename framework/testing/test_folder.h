// Real files and folders for the in-process tests: a fresh folder under the
// temporary directory, removed again with everything in it.
#pragma once
#include <string>

namespace fw::test {

class TestFolder {
public:
    explicit TestFolder(const char* prefix = "tvt");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path without a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return m_path + "\\" + name; }
    std::string operator/(const std::string& name) const { return Path(name); }

private:
    std::string m_path;
};

// Writes `bytes` as the whole file (binary).
void WriteFileText(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
// Removes a folder with everything in it (read-only files too).
void RemoveTree(const std::string& path);
// The folder of the running test program (where the test exes are built).
std::string ProgramFolder();

} // namespace fw::test
