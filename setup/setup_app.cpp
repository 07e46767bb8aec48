#include "setup/setup_app.h"

#include <windows.h>

#include <cstdio>
#include <memory>

#include "framework/dialog.h"
#include "framework/doc_template.h"
#include "resource.h"
#include "setup/main_frame.h"
#include "setup/script_profile_win32.h"
#include "setup/setup_doc.h"
#include "setup/setup_title.h"
#include "setup/setup_view.h"

CSetupApp::CSetupApp()
{
    SetAppTitle(kSetupTitle);
}

std::string CSetupApp::ProgramPath() const
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length < sizeof path ? std::string(path, length) : std::string();
}

bool CSetupApp::InitInstance()
{
    fw::Dialog::SetColors(RGB(192, 192, 192), RGB(0, 0, 0));
    std::string sourceDir = SourceDirFromProgramPath(ProgramPath());
    const std::string scriptPath = ScriptPath(sourceDir);
    Profile().SetFileName(scriptPath);
    m_model = ReadInstallModel(ScriptProfile(scriptPath), std::move(sourceDir));

    AddDocTemplate(std::make_unique<fw::SingleDocTemplate>(
        IDR_MAINFRAME, fw::Make<CSetupDoc>(), fw::Make<CMainFrame>(),
        [this] { return std::make_unique<CSetupView>(m_model); }));
    OnFileNew();
    if (!GetMainWnd()) {
        m_startFailed = true;
        std::fprintf(stderr, "setup: cannot create the main window (no display?)\n");
        return false;
    }
    UpdateWindow(GetMainWnd());
    PostMessageA(GetMainWnd(), WM_COMMAND, ID_WIZARD_WELCOME, 0);
    return true;
}

int CSetupApp::ExitInstance()
{
    const int code = fw::Application::ExitInstance();
    return m_startFailed ? 1 : code;
}
