#include "setup/setup_app.h"

#include <windows.h>

#include "framework/dialog.h"
#include "resource.h"
#include "setup/script_profile_win32.h"

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length < sizeof path ? std::string(path, length) : std::string();
}

CSetupApp::CSetupApp() : m_view(m_document, m_model), m_frame(m_view) {}

bool CSetupApp::InitInstance()
{
    fw::Dialog::SetColors(RGB(192, 192, 192), RGB(0, 0, 0));
    std::string sourceDir = SourceDirFromProgramPath(ProgramPath());
    const ScriptProfile script(ScriptPath(sourceDir));
    m_model = ReadInstallModel(script, std::move(sourceDir));
    if (!m_frame.Create())
        return false;
    UpdateWindow(m_frame);
    PostMessageA(m_frame, WM_COMMAND, ID_WIZARD_WELCOME, 0);
    return true;
}

int CSetupApp::Run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
