// Keys for in-process tests: what the keyboard would deliver to the focused
// window, modifiers included.  Apart from the test program's resources, so
// that any program's tests can use it.
#pragma once
#include <windows.h>

#include <initializer_list>

#include "framework/application.h"

namespace fwtest {

// A key pressed and released in the focused window while the keys `held`
// (VK_CONTROL, VK_SHIFT, VK_MENU) are down; pumps after each message.
void PressKey(fw::Application& app, UINT vk, std::initializer_list<UINT> held = {});

} // namespace fwtest
