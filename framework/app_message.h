// Message boxes of the application: captioned with its title, owned by its
// main window, and answerable by tests through Application::DoMessageBox.
#pragma once
#include <windows.h>

#include <string>

namespace fw {

// MB_* `type` (buttons, icon, MB_TASKMODAL); returns the button pressed.
int AppMessageBox(const std::string& text, UINT type = MB_OK, UINT helpId = 0);
// The text is string `promptId`.
int AppMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = UINT(-1));

} // namespace fw
