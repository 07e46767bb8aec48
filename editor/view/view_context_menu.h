// The editor window's right-button menu: one list without a selection and a
// longer one (cut, copy, append and the number conversions) with one.
#pragma once
#include <windows.h>

#include "framework/handles.h"

fw::OwnedMenu BuildContextMenu(bool withSelection);

// Shows the menu centred on the client point (x, y) of `view`; the chosen
// item goes to `frame` as its menu command would.
void TrackContextMenu(HWND view, HWND frame, bool withSelection, int x, int y);
