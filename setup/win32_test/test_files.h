// Real files and folders for the in-process tests, in a fresh folder under
// the temporary directory that is removed again.
#pragma once
#include <string>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path without a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

void WriteFileText(const std::string& path, const std::string& text);
// Empty when the file cannot be read.
std::string ReadFileText(const std::string& path);
bool FileExists(const std::string& path);
// The folder of the running test program (where the test exes are built).
std::string ProgramFolder();
