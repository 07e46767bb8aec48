// The small dialogs of the Workset menu: choosing a workset file, naming a
// new one, and the error boxes.  None of them moves the current directory.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

// "Load Workset": an existing "*.set" file; nothing when cancelled.
std::optional<std::string> ChooseWorkset(HWND owner);
// "Save Set As": the name for a new workset, "untitled.set" offered.
std::optional<std::string> ChooseWorksetSaveName(HWND owner);
// A workset failure: `text` in a box titled "Error" with the exclamation
// icon (`extraFlags`: MB_TASKMODAL and the like).
void ShowWorksetError(HWND owner, const char* text, UINT extraFlags);
