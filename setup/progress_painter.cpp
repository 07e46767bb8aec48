#include "setup/progress_painter.h"

#include <string>

#include "framework/handles.h"
#include "setup/setup_title.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
// Yellow on black, combined by exclusive-or: white over blue, blue over white.
constexpr COLORREF kPercentText = RGB(255, 255, 0);
constexpr COLORREF kPercentBack = RGB(0, 0, 0);

RECT ToRect(const PixelRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const PixelRect& area, COLORREF colour)
{
    fw::Brush brush(CreateSolidBrush(colour));
    const RECT rect = ToRect(area);
    FillRect(dc, &rect, brush.get());
}

bool Inside(const RECT& area, const PixelRect& r)
{
    return area.left >= r.left && area.top >= r.top && area.right <= r.right &&
           area.bottom <= r.bottom;
}

} // namespace

void ProgressPainter::Paint(HDC dc, const RECT& updateArea, int width, int height,
                            InstallProgress& progress, PixelRect& barRect) const
{
    FillBackdrop(dc, width, height, progress, barRect);
    DrawPicture(dc);
    if (progress.m_nProgressState == kProgressIdle)
        return;
    const PixelRect outline = BarOutline(width, height);
    // The box is drawn once; later paints of the strip or the bar leave it be.
    // A paint of anything more (a message box moved away) draws it again.
    const bool onlyStripOrBar =
        Inside(updateArea, CaptionStrip(barRect)) || Inside(updateArea, outline);
    if (progress.m_nProgressState == kProgressStarted || !onlyStripOrBar)
        DrawBox(dc, width, height, barRect);
    DrawCaption(dc, barRect, progress);
    DrawBar(dc, outline, barRect, progress.m_nPercent);
    DrawPercent(dc, outline, progress.m_nPercent);
    progress.m_nProgressState = kProgressBoxDrawn;
}

void ProgressPainter::FillBackdrop(HDC dc, int width, int height, const InstallProgress& progress,
                                   const PixelRect& barRect) const
{
    const BackdropColor c = SetupBackdropColor();
    const COLORREF backdrop = RGB(c.red, c.green, c.blue);
    if (progress.m_nProgressState != kProgressBoxDrawn) {
        Fill(dc, {0, 0, width, height}, backdrop);
        return;
    }
    for (const PixelRect& band : BackdropBands(width, height, barRect))
        Fill(dc, band, backdrop);
}

void ProgressPainter::DrawPicture(HDC dc) const
{
    BITMAP info{};
    if (!m_picture || !GetObjectA(m_picture, sizeof info, &info))
        return;
    fw::OwnedDC memory = fw::CreateMemoryDC(dc);
    HGDIOBJ old = SelectObject(memory.get(), m_picture);
    BitBlt(dc, 20, 10, info.bmWidth, info.bmHeight, memory.get(), 0, 0, SRCCOPY);
    SelectObject(memory.get(), old);
}

void ProgressPainter::DrawBox(HDC dc, int width, int height, PixelRect& barRect)
{
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const PixelRect box = ProgressBoxRect(width, height);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    const PixelRect outline = BarOutline(width, height);
    Rectangle(dc, outline.left, outline.top, outline.right, outline.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    barRect = BarInside(outline);
}

void ProgressPainter::DrawCaption(HDC dc, const PixelRect& barRect, const InstallProgress& progress)
{
    const PixelRect strip = CaptionStrip(barRect);
    Fill(dc, strip, kWhite);
    const std::string text = CaptionText(progress.m_strCurrentFile);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, strip.left, strip.top, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void ProgressPainter::DrawBar(HDC dc, const PixelRect& outline, const PixelRect& barRect,
                              std::int32_t percent)
{
    const PixelRect filled = FilledPart(outline, percent);
    Fill(dc, filled, kBlue);
    Fill(dc, UnfilledPart(filled, barRect), kWhite);
}

void ProgressPainter::DrawPercent(HDC dc, const PixelRect& outline, std::int32_t percent)
{
    const std::string text = PercentText(percent);
    const int length = static_cast<int>(text.size());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), length, &size);
    fw::OwnedDC memory = fw::CreateMemoryDC(dc);
    fw::Bitmap canvas(CreateCompatibleBitmap(dc, size.cx, size.cy));
    if (!memory || !canvas)
        return;
    HGDIOBJ oldBitmap = SelectObject(memory.get(), canvas.get());
    HGDIOBJ oldFont = SelectObject(memory.get(), GetCurrentObject(dc, OBJ_FONT));
    SetTextColor(memory.get(), kPercentText);
    SetBkColor(memory.get(), kPercentBack);
    const RECT all{0, 0, size.cx, size.cy};
    ExtTextOutA(memory.get(), 0, 0, ETO_OPAQUE, &all, text.c_str(), static_cast<UINT>(length),
                nullptr);
    const int x = (outline.left + outline.right - size.cx) / 2;
    const int y = (outline.top + outline.bottom - size.cy) / 2;
    BitBlt(dc, x, y, size.cx, size.cy, memory.get(), 0, 0, SRCINVERT);
    SelectObject(memory.get(), oldFont);
    SelectObject(memory.get(), oldBitmap);
}
