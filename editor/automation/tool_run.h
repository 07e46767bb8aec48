// Starting a user tool: its initial directory entered, its arguments taken
// from the record or asked for, its placeholders expanded, the program
// started without waiting for it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "editor/automation/current_directory.h"
#include "editor/automation/tool_table.h"
#include "editor/automation/tool_text.h"
#include "framework/dialog.h"

// The "Parameters" dialog: the arguments of one start, empty at first.
class CParametersDlg : public fw::Dialog {
public:
    explicit CParametersDlg(HWND owner);
    std::string m_strArguments;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
};

// Enters `directory`: its drive first when it names one ("d:..."), then the
// directory itself.  Failures are ignored; an empty text changes nothing.
void EnterDirectory(const std::string& directory);

// Starts `commandLine` as a program in the normal window state without
// waiting for it; false when it could not be started (not reported).
bool StartProgram(const std::string& commandLine);

// Runs `entry` with `facts` about the active window (the current directory
// is read as it is at each expansion).  The command line started, or none
// when the user cancelled the "Parameters" dialog.
std::optional<std::string> RunTool(const ToolEntry& entry, ToolFacts facts, HWND owner);
