// An outliner library that faults inside its outline function: the editor
// must survive it and say so.
#include <windows.h>

extern "C" HWND WINAPI FunctionOutline(HWND, const char*, HGLOBAL, DWORD)
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
    return nullptr;
}
