// Any bytes as a workset file: every entry is one non-empty line without
// line ends, NUL or Ctrl+Z, already upper case, and writing the entries and
// reading them back gives the same list.
#include "editor/automation/workset_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "workset_fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = ParseWorksetText(bytes);
    for (const std::string& entry : entries) {
        Check(!entry.empty(), "empty entry");
        Check(entry.find_first_of(std::string_view("\n\0\x1a", 3)) == std::string::npos,
              "line end, NUL or Ctrl+Z in an entry");
        Check(entry.back() != '\r', "CR at an entry's end");
        Check(WorksetUpper(entry) == entry, "entry not upper case");
    }
    Check(ParseWorksetText(FormatWorksetText(entries)) == entries, "round trip");
    return 0;
}
