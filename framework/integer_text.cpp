#include "framework/integer_text.h"

#include <charconv>

namespace fw {

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
} // namespace

std::optional<long long> ParseInteger(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    // from_chars takes "-" but not "+".
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

std::string FormatRangeMessage(std::string_view pattern, long long low, long long high)
{
    std::string out;
    out.reserve(pattern.size() + 24);
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += std::to_string(pattern[i + 1] == '1' ? low : high);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace fw
