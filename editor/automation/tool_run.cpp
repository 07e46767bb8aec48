#include "editor/automation/tool_run.h"

#include <vector>

#include "editor/res/resource.h"
#include "framework/application.h"

CParametersDlg::CParametersDlg(HWND owner) : fw::Dialog(IDD_PARAMETERS, owner) {}

void CParametersDlg::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_PARAMETERS_ARGUMENTS, m_strArguments, static_cast<int>(kToolPathSize - 1));
}

void EnterDirectory(const std::string& directory)
{
    if (directory.empty())
        return;
    // Only a drive letter followed by ":" names a drive; "docs" is relative.
    if (directory.size() >= 2 && directory[1] == ':' && IsCharAlphaA(directory[0])) {
        const char drive[] = {directory[0], ':', '\0'};
        SetCurrentDirectoryA(drive);
    }
    SetCurrentDirectoryA(directory.c_str());
}

bool StartProgram(const std::string& commandLine)
{
    // The platform may write into the command line while it parses it.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    // Nobody waits for the program: its handles go at once.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::optional<std::string> RunTool(const ToolEntry& entry, ToolFacts facts, HWND owner)
{
    facts.currentDir = CurrentDirectory();
    EnterDirectory(ExpandToolText(ToolField(entry.directory), facts));

    std::string command(ToolField(entry.command));
    command += ' ';
    if (entry.askForArguments) {
        CParametersDlg ask(owner);
        // Cancel abandons the start: a tool run without the arguments the
        // user was asked for would be a surprise.
        if (ask.DoModal() != IDOK)
            return std::nullopt;
        command += ask.m_strArguments;
    } else {
        command += ToolField(entry.arguments);
    }

    facts.currentDir = CurrentDirectory();
    const std::string expanded = ExpandToolText(command, facts);
    fw::WaitCursor wait;
    StartProgram(expanded);
    return expanded;
}
