#include <cstdio>
#include <windows.h>

#include "editor/app/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCmd)
{
    CMainFrame frame;
    if (!frame.Create()) {
        std::fprintf(stderr, "marl: cannot create the main window (no display?)\n");
        return 1;
    }
    ShowWindow(frame, showCmd);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
