#include "setup/progress_layout.h"

PixelRect ProgressBoxRect(int width, int height)
{
    return {190, height - 190, width - 190, height - 80};
}

PixelRect BarOutline(int width, int height)
{
    return {200, height - 150, width - 200, height - 100};
}

PixelRect BarInside(const PixelRect& outline)
{
    return {outline.left + 1, outline.top + 1, outline.right - 1, outline.bottom - 1};
}

std::array<PixelRect, 4> BackdropBands(int width, int height, const PixelRect& barRect)
{
    return {{
        {0, 0, width, barRect.top - 41},
        {0, barRect.top - 40, barRect.left - 11, barRect.bottom + 20},
        {barRect.right + 11, barRect.top - 40, width, barRect.bottom + 20},
        {0, barRect.bottom + 21, width, height},
    }};
}

PixelRect CaptionStrip(const PixelRect& barRect)
{
    return {barRect.left, barRect.top - 35, barRect.right + 9, barRect.top - 1};
}

std::string CaptionText(const std::string& currentFile)
{
    return "Copying file " + currentFile;
}

PixelRect FilledPart(const PixelRect& outline, std::int32_t percent)
{
    const int left = outline.left + 1;
    // Whole-number arithmetic: the exact integer part of percent % of the width.
    const auto extent = static_cast<std::int64_t>(percent) * (outline.right - left) / 100;
    return {left, outline.top + 1, left + static_cast<int>(extent), outline.bottom - 1};
}

PixelRect UnfilledPart(const PixelRect& filled, const PixelRect& barRect)
{
    return {filled.right + 1, barRect.top, barRect.right, barRect.bottom};
}

std::string PercentText(std::int32_t percent)
{
    return std::to_string(percent) + "%";
}
