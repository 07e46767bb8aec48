// The installer's full-screen backdrop window.
#pragma once
#include "framework/window.h"

inline constexpr char kSetupWindowClass[] = "TrelvanSetupBackdrop";

class CSetupView : public fw::Window {
public:
    // Creates the captionless window covering the whole screen; false without a display.
    bool Create();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
};
