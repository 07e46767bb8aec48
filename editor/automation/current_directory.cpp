#include "editor/automation/current_directory.h"

#include <windows.h>

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof directory, directory);
    return n > 0 && n < sizeof directory ? std::string(directory, n) : std::string();
}
