#include "editor/automation/launch_commands.h"

#include <dlgs.h>

#include "editor/automation/launch_plan.h"
#include "editor/res/resource.h"
#include "framework/common_dialogs.h"

namespace {

bool FoundBySearch(const std::string& name)
{
    char found[MAX_PATH] = {};
    const DWORD n = SearchPathA(nullptr, name.c_str(), nullptr, sizeof found, found, nullptr);
    return n > 0 && n < sizeof found;
}

// The whole value; the DOS command cuts it as its buffer did.
std::optional<std::string> Environment(const char* name)
{
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::string value(size, '\0');
    const DWORD length = GetEnvironmentVariableA(name, value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The change-directory dialog is the file dialog with its file parts hidden;
// a dummy name lets OK through whatever the user did.
UINT_PTR CALLBACK DirectoryHook(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    static constexpr int kFileParts[] = {stc3, edt1, lst1, stc2, cmb1};
    constexpr const char* kFirstPaint = "marl.dirFirstPaint";
    switch (msg) {
    case WM_INITDIALOG:
        for (int id : kFileParts)
            ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
        SetDlgItemTextA(dialog, edt1, "Junk");
        SetFocus(GetDlgItem(dialog, lst2));
        SetPropA(dialog, kFirstPaint, reinterpret_cast<HANDLE>(1));
        return TRUE; // the focus is set
    case WM_PAINT:
        if (RemovePropA(dialog, kFirstPaint))
            SendDlgItemMessageA(dialog, lst2, LB_SETCURSEL, 0, 0);
        return FALSE;
    case WM_DESTROY:
        RemovePropA(dialog, kFirstPaint);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void RunDosShell(ProgramLauncher& launcher)
{
    DosShellEnvironment env;
    env.fileFound = FoundBySearch;
    env.comSpec = Environment("COMSPEC");
    launcher.Run(DosShellCommand(env));
}

void RunProgramCommand(HWND owner, ProgramLauncher& launcher)
{
    fw::FileDialogOptions options;
    options.owner = owner;
    options.title = "Execute program";
    options.filter = fw::MakeFilterList({{"Program files (*.exe)", "*.exe"}});
    options.mustExist = false;
    options.pathMustExist = false;
    const fw::FileDialogResult chosen = fw::ShowOpenDialog(options);
    if (!chosen)
        return;
    const std::string& path = chosen.paths.front();
    launcher.Run(ProgramCommandLine(path, IsExistingFile(path)));
}

void RunClipboardViewer(ProgramLauncher& launcher)
{
    launcher.Run(kClipboardViewer);
}

std::optional<std::string> ChangeWorkingDirectory(HWND owner)
{
    const std::string before = CurrentDirectory();
    fw::FileDialogOptions options;
    options.owner = owner;
    // Without a title the platform puts its own over the template's.
    options.title = "Change Working Directory";
    options.explorerStyle = false;
    options.templateId = IDD_CHANGE_DIRECTORY;
    options.hook = DirectoryHook;
    options.overwritePrompt = false;
    options.pathMustExist = false;
    options.fileName = "Junk";
    const fw::FileDialogResult chosen = fw::ShowSaveDialog(options);
    const std::string directory = chosen ? ChosenDirectory(chosen.paths.front()) : std::string();
    if (directory.empty() || !SetCurrentDirectoryA(directory.c_str())) {
        if (!before.empty())
            SetCurrentDirectoryA(before.c_str());
        return std::nullopt;
    }
    return directory;
}
