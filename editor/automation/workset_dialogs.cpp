#include "editor/automation/workset_dialogs.h"

#include "editor/automation/launch_commands.h"
#include "framework/common_dialogs.h"

namespace {

std::optional<std::string> RunWorksetDialog(const fw::FileDialogOptions& options, bool save)
{
    const std::string before = CurrentDirectory();
    const fw::FileDialogResult chosen =
        save ? fw::ShowSaveDialog(options) : fw::ShowOpenDialog(options);
    if (!before.empty())
        SetCurrentDirectoryA(before.c_str());
    if (!chosen)
        return std::nullopt;
    return chosen.paths.front();
}

} // namespace

std::optional<std::string> ChooseWorkset(HWND owner)
{
    fw::FileDialogOptions options;
    options.owner = owner;
    options.title = "Load Workset";
    options.filter = fw::MakeFilterList({{"Workset files (*.set)", "*.set"}});
    return RunWorksetDialog(options, false);
}

std::optional<std::string> ChooseWorksetSaveName(HWND owner)
{
    fw::FileDialogOptions options;
    options.owner = owner;
    options.title = "Save Set As";
    options.filter = fw::MakeFilterList({{"File sets", "*.set"}});
    options.fileName = "untitled.set";
    return RunWorksetDialog(options, true);
}

void ShowWorksetError(HWND owner, const char* text, UINT extraFlags)
{
    MessageBoxA(owner, text, "Error", MB_OK | MB_ICONEXCLAMATION | extraFlags);
}
