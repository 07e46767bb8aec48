// The text and background colours of a colour slot in the "Colors" settings,
// for the screen and the printer alike.
#pragma once
#include <windows.h>

#include "editor/base/settings_app.h"
#include "editor/view/colour_slot.h"

struct SlotColours {
    COLORREF text;
    COLORREF back;
};

SlotColours ColoursOf(ColourSlot slot, const AppSettings& settings);
