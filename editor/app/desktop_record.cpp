#include "editor/app/desktop_record.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kFieldOffsets[] = {0, 5, 10, 15, 20, 25};

// A decimal number read from `offset` as the C library reads one (leading
// blanks, a sign, digits up to the first other character); out-of-range
// values are held at the limits instead of wrapping.
int NumberAt(std::string_view text, std::size_t offset)
{
    const std::string field(text.substr(offset));
    const long long value = std::strtoll(field.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

std::string FormatPlacement(const PlacementRecord& record)
{
    char text[6 * 12 + 1];
    std::snprintf(text, sizeof text, "%04d %04d %04d %04d %04d %04d", record.left, record.top,
                  record.right, record.bottom, record.minimized ? 1 : 0, record.maximized ? 1 : 0);
    return text;
}

std::optional<PlacementRecord> ParsePlacement(std::string_view text, PlacementOwner owner)
{
    const bool fits = owner == PlacementOwner::EditorWindow ? text.size() == kPlacementRecordLength
                                                            : text.size() >= kPlacementRecordLength;
    if (!fits)
        return std::nullopt;
    int numbers[6];
    for (std::size_t i = 0; i < 6; ++i)
        numbers[i] = NumberAt(text, kFieldOffsets[i]);
    return PlacementRecord{numbers[0], numbers[1],      numbers[2],
                           numbers[3], numbers[4] != 0, numbers[5] != 0};
}

PlacementState StateOf(const PlacementRecord& record)
{
    if (record.minimized)
        return {PlacementShow::MinimizedNoActivate, record.maximized};
    if (record.maximized)
        return {PlacementShow::Maximized, true};
    return {};
}

std::string BuildZOrder(const std::vector<std::string>& slots)
{
    std::string text;
    for (auto slot = slots.rbegin(); slot != slots.rend(); ++slot) {
        if (slot != slots.rbegin())
            text += ',';
        text += *slot;
    }
    return text;
}

std::vector<std::string> SplitZOrder(std::string_view text)
{
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        if (comma > start)
            keys.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return keys;
}
