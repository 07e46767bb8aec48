// The editor's top-level window.
#pragma once
#include "framework/window.h"

inline constexpr char kMainFrameClass[] = "TrelvanEditFrame";

class CMainFrame : public fw::Window {
public:
    // Creates the (hidden) main window with its menu; false without a display.
    bool Create();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
