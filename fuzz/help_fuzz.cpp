// Any bytes as a help file: the title-index search ends, reads only inside
// the bytes, and finds the word only where whole-word matching allows.
#include "editor/integration/help_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HelpMemoryBytes bytes({data, size});
    for (const char* word : {"open", "a", "File"}) {
        const HelpFileAnswer answer = SearchHelpBytes(bytes, word);
        if (answer.status != HelpFileStatus::Found && !answer.title.empty()) {
            std::fprintf(stderr, "help_fuzz: a title without a find\n");
            std::abort();
        }
    }
    return 0;
}
