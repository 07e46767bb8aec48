#include "setup/setup_app.h"

#include <windows.h>

#include <cstdio>
#include <memory>

#include "framework/app_message.h"
#include "framework/dialog.h"
#include "framework/doc_template.h"
#include "resource.h"
#include "setup/main_frame.h"
#include "setup/script_profile_win32.h"
#include "setup/setup_doc.h"
#include "setup/setup_title.h"
#include "setup/setup_view.h"

namespace {

// The script of a program whose path does not fit would be looked for under
// a cut or bare name: another directory's "SETUP.INF".
constexpr char kPathTooLong[] =
    "The path of the Setup program is too long: Setup cannot find its SETUP.INF.\n"
    "Copy the Setup files to a directory with a shorter path and start Setup again.";

} // namespace

CSetupApp::CSetupApp()
{
    SetAppTitle(kSetupTitle);
}

std::string CSetupApp::ProgramPath() const
{
    // Room for any path the platform can give: the script's rules decide
    // what is too long.
    std::string path(32768, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

bool CSetupApp::InitInstance()
{
    fw::Dialog::SetColors(RGB(192, 192, 192), RGB(0, 0, 0));
    std::string sourceDir = SourceDirFromProgramPath(ProgramPath());
    if (sourceDir.empty()) {
        m_startFailed = true;
        fw::AppMessageBox(kPathTooLong, MB_OK | MB_ICONSTOP);
        return false;
    }
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
