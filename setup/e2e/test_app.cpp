// A small program of the end-to-end tests.  It carries a version resource
// (two builds, two versions) so that the installer's version check can be
// seen at work, and when started with a file name it appends its command
// line and working directory to that file, so that a [Run] start shows.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    if (!commandLine || !*commandLine)
        return 0;
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    if (FILE* f = std::fopen(commandLine, "a")) {
        std::fprintf(f, "started in %s\n", directory);
        std::fclose(f);
    }
    return 0;
}
