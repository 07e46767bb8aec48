// A program for the tools tests to start: it writes the command line it was
// given and its current directory, one per line, to the file named by the
// environment variable TV_TOOL_PROBE_OUT.
#include <windows.h>

#include <cstdio>

int main()
{
    char out[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("TV_TOOL_PROBE_OUT", out, sizeof out))
        return 2;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    // Written under another name first: the test reads only a whole record.
    char partial[MAX_PATH + 4] = {};
    std::snprintf(partial, sizeof partial, "%s.tmp", out);
    FILE* file = std::fopen(partial, "wb");
    if (!file)
        return 1;
    std::fprintf(file, "%s\n%s\n", GetCommandLineA(), directory);
    std::fclose(file);
    return MoveFileA(partial, out) ? 0 : 1;
}
