// Any file contents searched for any text: the whole-file search must not
// crash and must list exactly the lines, numbers and texts that searching
// one line at a time lists.
//
// Input: one flag byte (bit 0: ignore case, bit 1: pattern), one byte with
// the search text's length, the search text, then the file's bytes.
#include "editor/search/find_in_files_testing.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    std::size_t length = std::min<std::size_t>(data[1], rest.size());
    FindRequest request{std::string(rest.substr(0, length)), "*.c", "d", (data[0] & 1u) != 0,
                        (data[0] & 2u) != 0};
    if (request.searchFor.empty())
        return 0;
    std::string bytes(rest.substr(length));

    MemoryFindFileSystem fs;
    fs.AddFile("d\\f.c", bytes);
    RecordingMessageSink sink;
    std::vector<SearchResult> found;
    FindInFiles(request, fs, sink, nullptr, found);
    for (SearchResult& r : found)
        r.fullPath.clear();
    RecordingMessageSink referenceSink;
    if (found != ReferenceSearch(request, "d\\f.c", bytes, referenceSink) ||
        sink.shown.size() != referenceSink.shown.size()) {
        std::fprintf(stderr, "find in files differs from the line-at-a-time search\n");
        std::abort();
    }
    return 0;
}
