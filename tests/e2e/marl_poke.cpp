// Sends the running editor's main window what the platform would send it
// later or only with a window manager:
//   marl_poke timer     - the minute timer fires (WM_TIMER 1)
//   marl_poke activate  - the program loses and regains activation
// Exit code 0 when the window was found.
#include <windows.h>

#include <cstring>

static BOOL CALLBACK FindMain(HWND hWnd, LPARAM found)
{
    char title[256] = {};
    GetWindowTextA(hWnd, title, sizeof title);
    constexpr char kTitle[] = "Trelvan EDIT for Windows";
    if (std::strncmp(title, kTitle, sizeof kTitle - 1) == 0 && GetMenu(hWnd)) {
        *reinterpret_cast<HWND*>(found) = hWnd;
        return FALSE;
    }
    return TRUE;
}

int main(int argc, char** argv)
{
    HWND main = nullptr;
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&main));
    if (!main || argc != 2)
        return 1;
    if (std::strcmp(argv[1], "timer") == 0) {
        SendMessageA(main, WM_TIMER, 1, 0);
    } else if (std::strcmp(argv[1], "activate") == 0) {
        SendMessageA(main, WM_ACTIVATEAPP, FALSE, 0);
        PostMessageA(main, WM_ACTIVATEAPP, TRUE, 0);
    } else {
        return 1;
    }
    return 0;
}
