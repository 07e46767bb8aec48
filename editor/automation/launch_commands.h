// Tools > DOS and Program..., Edit > Clipboard viewer, File > Directory...:
// what they start is decided by launch_plan; here the platform is asked.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "editor/automation/current_directory.h"
#include "editor/automation/program_launcher.h"

// The command interpreter: a program-information file found by the
// platform's file search, else COMSPEC, else the fallback.
void RunDosShell(ProgramLauncher& launcher);
// "Execute program": the chosen file, or the typed command line through the
// search path.
void RunProgramCommand(HWND owner, ProgramLauncher& launcher);
void RunClipboardViewer(ProgramLauncher& launcher);

// "Change Working Directory": the directory chosen, upper-cased and made
// current; nothing when cancelled (the directory is then where it was,
// although the dialog moved it while the user browsed).
std::optional<std::string> ChangeWorkingDirectory(HWND owner);
