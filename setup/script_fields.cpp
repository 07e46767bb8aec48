#include "setup/script_fields.h"

#include <cstddef>
#include <limits>

std::string GetField(std::string_view line, int n)
{
    if (n < 0)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            return {};
        start = comma + 1;
    }
    const std::size_t end = line.find(',', start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

std::int32_t GetFieldInt(std::string_view line, int n)
{
    return DecimalValue(GetField(line, n));
}

std::int32_t DecimalValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    // Accumulate as a negative number so that the most negative value fits.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 - (text[i] - '0');
        if (value < kLowest) {
            value = kLowest;
            if (!negative)
                return std::numeric_limits<std::int32_t>::max();
        }
    }
    if (negative)
        return static_cast<std::int32_t>(value);
    return value < -std::numeric_limits<std::int32_t>::max()
               ? std::numeric_limits<std::int32_t>::max()
               : static_cast<std::int32_t>(-value);
}
