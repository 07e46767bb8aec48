// Where the progress box and its parts lie on a backdrop of W × H pixels.
// Rectangles are left, top, right, bottom with the right and bottom edges
// outside, as the platform's fills take them.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

PixelRect ProgressBoxRect(int width, int height);
PixelRect BarOutline(int width, int height);
// The bar inside its outline (m_barRect).
PixelRect BarInside(const PixelRect& outline);

// The four bands around a drawn box, filled instead of the whole backdrop
// so that the box does not flicker: above, left, right, below.
std::array<PixelRect, 4> BackdropBands(int width, int height, const PixelRect& barRect);

// The white strip above the bar holding "Copying file ...".
PixelRect CaptionStrip(const PixelRect& barRect);
std::string CaptionText(const std::string& currentFile);

// The blue part of the bar at a percentage, and the white rest after it.
PixelRect FilledPart(const PixelRect& outline, std::int32_t percent);
PixelRect UnfilledPart(const PixelRect& filled, const PixelRect& barRect);

std::string PercentText(std::int32_t percent);
