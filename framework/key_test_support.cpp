#include "framework/key_test_support.h"

#include <algorithm>
#include <iterator>

#include "framework/app_test_support.h"

namespace fwtest {

void PressKey(fw::Application& app, UINT vk, std::initializer_list<UINT> held)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE state[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(state));
    bool alt = false;
    for (UINT key : held) {
        state[key] |= 0x80;
        if (key == VK_MENU)
            alt = true;
    }
    SetKeyboardState(state);
    HWND target = GetFocus();
    const UINT scan = MapVirtualKeyA(vk, 0);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? (1L << 29) : 0);
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    Pump(app);
    PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, down | (3L << 30));
    Pump(app);
    SetKeyboardState(saved);
}

} // namespace fwtest
