#include <windows.h>

#include "editor/app/file_open_window.h"
#include "editor/app/integration_hooks.h"
#include "editor/app/macro_commands.h"
#include "editor/app/marl_app.h"
#include "editor/app/marl_doc_kinds.h"
#include "editor/app/options_sheet_commands.h"
#include "editor/app/tab_bar.h"
#include "editor/app/tool_commands.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int showCmd)
{
    // Outlives the application: the main frame releases its buffer.
    CMacroCommands macros;
    CToolCommands tools;
    MarlAppHooks hooks;
    hooks.macroRecorder = &macros;
    hooks.toolsMenu = &tools;
    COptionSheetCommands optionSheet(tools);
    hooks.optionSheet = &optionSheet;
    CTipOfTheDay tips;
    hooks.tips = &tips;
    CFileOpenWindow fileOpenWindow;
    hooks.fileOpenWindow = &fileOpenWindow;
    CTabBar tabBar;
    hooks.tabBar = &tabBar;
    CMarlApp app(MakeMarlDocKinds(), hooks);
    return app.Run(instance, cmdLine, showCmd);
}
