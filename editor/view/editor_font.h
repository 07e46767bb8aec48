// The editor font as the settings name it: what a new editor window takes
// and what the option sheet's font dialog starts from.
#pragma once
#include <windows.h>

#include "editor/base/settings_app.h"

LOGFONTA EditorFont(const AppSettings& settings);
