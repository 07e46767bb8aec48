// Calls an outliner library's outline function (export ordinal 2) so that a
// fault inside the library ends the call instead of the editor: the call
// runs under a frame-based exception handler of its own, which unwinds the
// library's frames and resumes right after the call.
#pragma once
#include <windows.h>

using OutlineFunction = HWND(WINAPI*)(HWND view, const char* path, HGLOBAL text, DWORD length);

struct OutlineCallResult {
    HWND window = nullptr;
    DWORD exceptionCode = 0; // nonzero: the library faulted inside the call
};

OutlineCallResult CallOutlineFunction(OutlineFunction function, HWND view, const char* path,
                                      HGLOBAL text, DWORD length);
