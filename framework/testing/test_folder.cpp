#include "framework/testing/test_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "framework/handles.h"

namespace fw::test {

TestFolder::TestFolder(const char* prefix)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    char name[MAX_PATH] = {};
    GetTempFileNameA(temp, prefix, 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    m_path = name;
}

TestFolder::~TestFolder()
{
    RemoveTree(m_path);
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA((path + "\\*").c_str(), &found));
    if (find) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string item = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(item);
            } else {
                SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(item.c_str());
            }
        } while (FindNextFileA(find.get(), &found));
    }
    find.reset();
    RemoveDirectoryA(path.c_str());
}

void WriteFileText(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

} // namespace fw::test
