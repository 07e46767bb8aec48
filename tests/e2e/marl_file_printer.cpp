// Installs a PostScript printer of the test prefix whose jobs land in a
// file, and makes it the default, as the printing tests need:
//   marl_file_printer NAME C:\path\out.ps
#include <cstdio>
#include <string>

#include "framework/testing/file_printer.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: marl_file_printer NAME OUTPUT\n");
        return 2;
    }
    std::string error;
    if (!fw::test::InstallFilePrinter(argv[1], argv[2], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
