#include <windows.h>

#include <cstdio>

#include "setup/setup_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CSetupApp app;
    if (!app.InitInstance()) {
        std::fprintf(stderr, "setup: cannot create the main window (no display?)\n");
        return 1;
    }
    return app.Run();
}
