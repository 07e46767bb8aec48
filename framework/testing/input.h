// Keyboard, clipboard and command-state helpers of the Win32 tests: keys go
// through the application's message loop (accelerators first), as typed.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

namespace fw {
class Application;
class CommandTarget;
} // namespace fw

namespace fw::test {

// A key pressed and released in the focused window, with modifiers held (any
// of VK_SHIFT, VK_CONTROL, VK_MENU), each message pumped through `app`.
void PressKey(Application& app, UINT vk, std::initializer_list<UINT> held = {});
// Characters typed into the focused window.
void TypeChars(Application& app, const std::string& text);

// The clipboard's text, "<none>" without text; setting it replaces all.
std::string ClipboardText(HWND owner);
void SetClipboardText(HWND owner, const std::string& text);
void ClearClipboard(HWND owner);

// What the update handlers along `target`'s routing say of a command.
bool IsCommandEnabled(CommandTarget& target, UINT id);
int CommandCheck(CommandTarget& target, UINT id); // -1 when untouched
std::string CommandText(CommandTarget& target, UINT id);

} // namespace fw::test
