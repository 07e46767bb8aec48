// The start-up picture: a borderless pop-up above all other windows, exactly
// the size of its bitmap and centred on the screen, that paints the bitmap
// and nothing else.
#pragma once
#include <windows.h>

#include "framework/handles.h"
#include "framework/window.h"

// Where a picture of `picture` size sits centred on a `screen` sized screen.
POINT CenteredOrigin(SIZE screen, SIZE picture);

class CSplashWindow : public fw::Window {
public:
    // Creates, shows and paints the picture at once; false when the bitmap
    // or the window cannot be made.
    bool Create(UINT bitmapId);
    SIZE GetPictureSize() const { return m_size; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();

    fw::Bitmap m_bitmap;
    SIZE m_size{};
};
