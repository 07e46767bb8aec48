// Any bytes as a tips file, read from a position taken from the input: the
// tip has at most 511 characters before its line breaks are widened, no NUL,
// and the next position lies after the tip's start and within the file.
#include "editor/integration/tips_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "tips_fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int32_t lastPos = 0;
    if (size >= sizeof lastPos) {
        std::memcpy(&lastPos, data, sizeof lastPos);
        data += sizeof lastPos;
        size -= sizeof lastPos;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream file(bytes);
    const TipLine line = ReadTipAt(file, lastPos);
    Check(line.text.find('\0') == std::string::npos, "NUL in the tip");
    Check(line.text.size() <= 2 * kTipLineChars, "tip too long");
    Check(line.next >= 0 && line.next <= static_cast<std::int64_t>(size),
          "position outside the file");
    const bool readThere = lastPos >= 0 && lastPos < static_cast<std::int64_t>(size);
    Check(!readThere || line.next > lastPos, "no progress");
    return 0;
}
