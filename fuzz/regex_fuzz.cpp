// Random patterns against random texts: the matcher must not crash, must not
// hang (libFuzzer's timeout), must report an invalid pattern exactly once,
// and the start from FindMatchStart and the end from FindMatchEnd must belong
// to the same match, the one the plain reference walk finds.
//
// Input: one flag byte (bit 0: ignore case), one byte with the pattern's
// length, the pattern, then the text.
#include "editor/search/pattern_consistency.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    bool ignoreCase = data[0] & 1u;
    std::size_t patternLength = data[1];
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    if (patternLength > rest.size())
        patternLength = rest.size();
    std::string_view pattern = rest.substr(0, patternLength);
    std::string_view text = rest.substr(patternLength);

    std::string problem = CheckPatternConsistency(pattern, text, ignoreCase);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
