// Paints the backdrop and, while files are copied, the progress box.
#pragma once
#include <windows.h>

#include "setup/install_progress.h"
#include "setup/progress_layout.h"

class ProgressPainter {
public:
    explicit ProgressPainter(HBITMAP backdropPicture) : m_picture(backdropPicture) {}

    // One paint of a client area of width × height; moves the progress from
    // "started" to "box drawn" and sets barRect when it draws the box.
    void Paint(HDC dc, const RECT& updateArea, int width, int height, InstallProgress& progress,
               PixelRect& barRect) const;

private:
    void FillBackdrop(HDC dc, int width, int height, const InstallProgress& progress,
                      const PixelRect& barRect) const;
    void DrawPicture(HDC dc) const;
    static void DrawBox(HDC dc, int width, int height, PixelRect& barRect);
    static void DrawCaption(HDC dc, const PixelRect& barRect, const InstallProgress& progress);
    static void DrawBar(HDC dc, const PixelRect& outline, const PixelRect& barRect,
                        std::int32_t percent);
    static void DrawPercent(HDC dc, const PixelRect& outline, std::int32_t percent);

    HBITMAP m_picture;
};
