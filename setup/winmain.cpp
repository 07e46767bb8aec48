#include <cstdio>
#include <windows.h>

#include "setup/setup_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CSetupView view;
    if (!view.Create()) {
        std::fprintf(stderr, "setup: cannot create the main window (no display?)\n");
        return 1;
    }
    ShowWindow(view, SW_SHOW);
    UpdateWindow(view);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
