// CMarlApp's start-up and exit sequences.
#include "editor/app/marl_app.h"

#include <ole2.h>

#include "editor/app/doc_file_access.h"
#include "editor/app/frame_hooks.h"
#include "editor/app/main_frame.h"
#include "editor/app/marl_frame.h"
#include "editor/app/persistent_frames.h"
#include "editor/app/search_results_dialog.h"
#include "editor/automation/print_text.h"
#include "editor/automation/program_launcher.h"
#include "editor/automation/workset_list_window.h"
#include "editor/app/settings_exit.h"
#include "editor/app/settings_search_history.h"
#include "editor/app/settings_startup.h"
#include "editor/app/splash_window.h"
#include "editor/res/resource.h"
#include "editor/view/view_print.h"

// The start-up reads take part in the picture and the recent-file list.
class CMarlApp::Startup : public StartupHooks {
public:
    explicit Startup(CMarlApp& app) : m_app(app) {}
    bool SplashWanted() override { return m_app.m_plan.showSplash; }
    void ShowSplash() override
    {
        auto splash = std::make_unique<CSplashWindow>();
        if (splash->Create(IDB_SPLASH))
            m_app.m_pSplash = std::move(splash);
    }
    void LoadRecentFileList() override { m_app.LoadStdProfileSettings(4); }

private:
    CMarlApp& m_app;
};

namespace {

class RecentFilesOnExit : public ExitHooks {
public:
    explicit RecentFilesOnExit(fw::Application& app) : m_app(app) {}
    // The framework's own exit work: the recent files, the DDE server.
    void SaveRecentFileList() override { m_exitCode = m_app.fw::Application::ExitInstance(); }
    int m_exitCode = 0;

private:
    fw::Application& m_app;
};

} // namespace

CMarlApp::CMarlApp(MarlDocKinds kinds, MarlAppHooks hooks)
    : m_kinds(std::move(kinds)), m_hooks(hooks)
{
    if (!m_kinds.access)
        m_kinds.access = std::make_unique<NoDocFileAccess>();
    SetProfileFileName(ExecutableProfileName());
}

CMarlApp::~CMarlApp()
{
    // The frame and the documents go before the settings they point at.
    SetMainFrame(nullptr);
}

void CMarlApp::SetProfileFileName(const std::string& fileName)
{
    Profile().SetFileName(fileName);
    m_profileStore = std::make_unique<Win32Profile>(fileName);
    m_profile = std::make_unique<::Profile>(*m_profileStore);
}

SettingsHomes CMarlApp::Homes()
{
    return {m_settingsObjects->Options(), m_settingsObjects->PrintOptions(), m_settings,
            m_nDesktopFlag, g_WorksetName, g_ExtensionTable};
}

CMainFrame* CMarlApp::GetMarlMainFrame() const
{
    return static_cast<CMainFrame*>(GetMainFrame());
}

bool CMarlApp::InitInstance()
{
    // Text is dragged and dropped between editor windows through OLE.
    if (FAILED(OleInitialize(nullptr)))
        return false;
    m_bOleStarted = true;
    m_plan = PlanCommandLine(GetCommandLine());
    m_settingsObjects = std::make_unique<SettingsObjects>();

    Startup startup(*this);
    const StartupSettings read = ReadSettingsAtStartup(*m_profile, m_systemProfile, Homes(), startup);
    m_nTipsShow = read.tipsShow;
    m_bSettingsRead = true;

    // Printed headers and footers: the placeholders of the view being printed.
    SetPageTextExpander([](std::string_view text, const CMarlView& view, int page) {
        return ExpandPrintText(text, &view, page);
    });
    AddDocTemplate(std::make_unique<CPerMultiDocTemplate>(
        IDR_MARLTYPE, m_kinds.makeDocument, fw::Make<CMarlFrame>(), m_kinds.makeView));
    if (!CreateMainFrame())
        return false;
    CMainFrame& frame = *GetMarlMainFrame();
    frame.FillSearchHistory(ReadSearchHistory(*m_profile));

    DragAcceptFiles(frame.GetHwnd(), TRUE);
    EnableShellOpen();
    if (m_hooks.fileOpenWindow)
        m_hooks.fileOpenWindow->Create(frame);
    if (!m_settings.m_bOpenDlg)
        frame.ToggleBar(IDW_FILE_OPEN_WINDOW);
    if (m_plan.showMainWindow)
        ShowWindow(frame.GetHwnd(), m_nCmdShow);
    frame.Send(WM_COMMAND, ID_CREATE_TAB_BAR);
    if (!m_settings.m_bTabBar)
        frame.ToggleBar(IDW_TAB_BAR);
    if (!m_settings.m_bToolBar2)
        frame.ToggleBar(IDW_TOOLBAR2);
    if (m_plan.showMainWindow)
        UpdateWindow(frame.GetHwnd());
    if (m_hooks.toolsMenu)
        m_hooks.toolsMenu->Load(*m_profile);
    if (m_plan.restoreDesktop) {
        m_pSplash.reset(); // the picture goes before the desktop comes back
        RestoreDesktop();
    }
    RunCommandLine();
    WriteShellRegistration();
    m_dwStartTick = GetTickCount();
    if (m_nTipsShow && !m_pSplash && !m_bPrintMode)
        ShowTip();
    return true;
}

bool CMarlApp::CreateMainFrame()
{
    MainFrameServices services;
    services.profile = m_profile.get();
    services.options = &m_settingsObjects->Options();
    services.appSettings = &m_settings;
    services.docAccess = m_kinds.access.get();
    services.macroRecorder = m_hooks.macroRecorder;
    services.tabBar = m_hooks.tabBar;
    services.toolsMenu = m_hooks.toolsMenu;
    auto frame = std::make_unique<CMainFrame>(services);
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN))
        return false;
    SetMainFrame(std::move(frame));
    return true;
}

void CMarlApp::RunCommandLine()
{
    for (const CommandLineAction& action : m_plan.actions) {
        switch (action.kind) {
        case CommandLineActionKind::SetPrintMode:
            m_bPrintMode = true;
            break;
        case CommandLineActionKind::OpenFile:
            // A file that cannot be opened is reported; the next one follows.
            OpenDocumentFile(action.argument);
            break;
        case CommandLineActionKind::SetWorksetName:
            g_WorksetName.Set(action.argument);
            break;
        case CommandLineActionKind::NewDocument:
            OnFileNew();
            break;
        }
    }
}

int CMarlApp::ExitInstance()
{
    m_pSplash.reset();
    int exitCode = 0;
    if (m_bSettingsRead) {
        RecentFilesOnExit recent(*this);
        const std::optional<std::string> zOrder = DesktopZOrder();
        WriteSettingsOnExit(*m_profile, Homes(),
                            zOrder ? std::optional<std::string_view>(*zOrder) : std::nullopt,
                            recent);
        exitCode = recent.m_exitCode;
        m_bSettingsRead = false;
    } else {
        exitCode = fw::Application::ExitInstance();
    }
    SetMainFrame(nullptr);
    m_settingsObjects.reset();
    if (m_bOleStarted) {
        OleUninitialize();
        m_bOleStarted = false;
    }
    return exitCode;
}

// ---- The start-up picture ------------------------------------------------------

bool CMarlApp::OnIdle(LONG count)
{
    bool more = fw::Application::OnIdle(count);
    if (!m_pSplash)
        return more;
    if (GetTickCount() - m_dwStartTick < kSplashMinimumMs)
        return true;
    CloseSplash();
    return more;
}

bool CMarlApp::PreTranslateMessage(MSG& msg)
{
    if (m_pSplash) {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            if (msg.hwnd != m_pSplash->GetHwnd())
                CloseSplash();
            else
                m_dwStartTick -= kSplashMinimumMs; // the next idle time closes it
            break;
        default:
            break;
        }
    }
    return fw::Application::PreTranslateMessage(msg);
}

void CMarlApp::CloseSplash()
{
    m_pSplash.reset();
    if (HWND main = GetMainWnd())
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (m_profile->ReadInt("Tips", "Show", 1))
        ShowTip();
}

void CMarlApp::ShowTip()
{
    if (m_hooks.tips)
        m_hooks.tips->ShowTip();
}
