#include <windows.h>

#include "editor/app/marl_app.h"
#include "editor/app/marl_doc_kinds.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR cmdLine, int showCmd)
{
    CMarlApp app(MakeMarlDocKinds());
    return app.Run(instance, cmdLine, showCmd);
}
