// Text conversions that compute a replacement from the selected text: number
// notation and reformatting to a line length.  The document applies them.
#pragma once
#include <string>
#include <string_view>

namespace doc_convert {

// Longest selection a number conversion looks at.
constexpr std::size_t kMaxNumberText = 2047;

// The leading number of `text` in `radix` (8, 10 or 16) notation: "0%lo",
// "%ld" or "0x%lX" of its unsigned 32-bit value.  Empty when there is
// nothing to convert (too long, no leading digit run, or already in that
// notation and identical to the run).
std::string ConvertNumber(std::string_view text, int radix);

struct ReformatParams {
    int startColumn = 1; // one-based display column of the text's first byte
    int lineLength = 72;
    bool keepBreaks = false;
    int tabLength = 8;
    bool lineFeedAfter = false; // the byte after the text is a line feed
};

// Refills `text` to lines of at most lineLength columns.  Returns false (and
// leaves `out` alone) when no line had to be broken.
bool ReformatText(std::string_view text, const ReformatParams& params, std::string& out);

// The same in steps, for writing the result in place: whether a line has to
// be broken; the most bytes the refill of `size` bytes can make; and the
// refill (of a text that needs a break) written to `out`, which has room for
// that many bytes; returns the bytes written, and writes nothing past them.
bool ReformatBreaks(std::string_view text, const ReformatParams& params);
std::size_t ReformatBound(std::size_t size, const ReformatParams& params);
std::size_t ReformatTo(std::string_view text, const ReformatParams& params, char* out);

} // namespace doc_convert
