#include "editor/automation/program_launcher.h"

#include <windows.h>

void Win32ProgramLauncher::Run(const std::string& commandLine)
{
    WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}
