#include <windows.h>

#include "editor/app/integration_hooks.h"
#include "editor/app/macro_commands.h"
#include "editor/app/marl_app.h"
#include "editor/app/marl_doc_kinds.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int showCmd)
{
    // Outlives the application: the main frame releases its buffer.
    CMacroCommands macros;
    MarlAppHooks hooks;
    hooks.macroRecorder = &macros;
    CTipOfTheDay tips;
    hooks.tips = &tips;
    CMarlApp app(MakeMarlDocKinds(), hooks);
    return app.Run(instance, cmdLine, showCmd);
}
