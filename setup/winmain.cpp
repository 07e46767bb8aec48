#include <windows.h>

#include "setup/setup_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int cmdShow)
{
    CSetupApp app;
    return app.Run(instance, cmdLine, cmdShow);
}
