// Sends the running editor's main window what the platform would send it
// later or only with a window manager:
//   marl_poke timer     - the minute timer fires (WM_TIMER 1)
//   marl_poke activate  - the program loses and regains activation
//   marl_poke focus     - prints the classes of the program's active and
//                         focused windows (what typed keys would reach)
//   marl_poke origin    - prints the screen position of the focused
//                         window's client area ("x y"), to aim the mouse
//   marl_poke status    - prints the status bar's panes, "|"-separated
// Exit code 0 when the window was found.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
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

// The status bar lives in the editor's process: its pane texts are fetched
// into a buffer there and read back.
static bool PrintStatusPanes(HWND main)
{
    HWND bar = FindWindowExA(main, nullptr, "msctls_statusbar32", nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, pid);
    if (!bar || !process)
        return false;
    constexpr SIZE_T kSize = 512;
    void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    const int parts = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; remote && i < parts; ++i) {
        char text[kSize] = {};
        SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, text, kSize - 1, nullptr);
        std::printf("%s%s", i ? "|" : "", text);
    }
    std::printf("\n");
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return remote != nullptr;
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
    } else if (std::strcmp(argv[1], "focus") == 0 || std::strcmp(argv[1], "origin") == 0) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info))
            return 1;
        if (argv[1][0] == 'o') {
            POINT origin = {0, 0};
            if (!info.hwndFocus || !ClientToScreen(info.hwndFocus, &origin))
                return 1;
            std::printf("%ld %ld\n", static_cast<long>(origin.x), static_cast<long>(origin.y));
            return 0;
        }
        char active[128] = "-", focus[128] = "-";
        if (info.hwndActive)
            GetClassNameA(info.hwndActive, active, sizeof active);
        if (info.hwndFocus)
            GetClassNameA(info.hwndFocus, focus, sizeof focus);
        std::printf("active %s focus %s foreground %s\n", active, focus,
                    GetForegroundWindow() == main ? "main" : "other");
    } else if (std::strcmp(argv[1], "status") == 0) {
        return PrintStatusPanes(main) ? 0 : 1;
    } else {
        return 1;
    }
    return 0;
}
