#include "editor/app/main_frame.h"

#include <ctime>

#include "editor/app/frame_hooks.h"
#include "editor/app/profile.h"
#include "editor/view/search_history.h"
#include "editor/res/resource.h"
#include "framework/application.h"
#include "framework/print_preview.h"
#include "framework/view.h"

namespace {

// The search box's state as the update handlers set it (the frame disables
// it; an active editor view enables it).
class ControlCmdUI : public fw::CmdUI {
public:
    ControlCmdUI(UINT id, HWND control) : fw::CmdUI(id), m_control(control) {}
    void Enable(bool on) override
    {
        if (!on && GetFocus() == m_control)
            SetFocus(GetParent(GetParent(m_control))); // not onto a disabled control
        EnableWindow(m_control, on);
    }

private:
    HWND m_control;
};

} // namespace

CMainFrame::CMainFrame(MainFrameServices services) : m_services(services) {}

CMainFrame::~CMainFrame()
{
    if (m_services.macroRecorder)
        m_services.macroRecorder->Release();
}

bool CMainFrame::OnCreate(CREATESTRUCTA& cs)
{
    if (!fw::MDIFrameWnd::OnCreate(cs))
        return false;
    if (!CreateToolBars() || !CreateSearchHistoryBox() || !CreateStatusBar())
        return false;
    StartSearchHistory();
    // The file-open window (dialog 121, docked left) comes with its own
    // feature; until then command 32831 finds no bar and does nothing.
    m_nTimer = SetTimer(m_hWnd, kAutoSaveTimerId, kAutoSavePeriodMs, nullptr);
    m_bTimerStarted = m_nTimer != 0;
    RecalcLayout();
    PlaceSearchHistoryBox();
    return true;
}

void CMainFrame::OnClose()
{
    // Stays set when the user cancels: activation handling is off from now.
    m_bClosing = true;
    fw::MDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy()
{
    WriteSearchHistory();
    StopSearchHistory();
    if (m_bTimerStarted) {
        KillTimer(m_hWnd, m_nTimer);
        m_bTimerStarted = false;
    }
    CPerMainFrame::OnDestroy(); // the placement, then the frame's own
}

void CMainFrame::WriteSearchHistory()
{
    if (!m_services.profile || !m_searchBox)
        return;
    const std::vector<SearchHistoryEntry> entries = GetSearchHistory();
    ::WriteSearchHistory(*m_services.profile, entries);
}

void CMainFrame::OnDropFiles(const std::vector<std::string>& files)
{
    if (IsIconic(m_hWnd))
        ShowWindow(m_hWnd, SW_RESTORE);
    fw::MDIFrameWnd::OnDropFiles(files);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        if (wParam == m_nTimer && m_bTimerStarted) {
            OnTimerTick();
            return 0;
        }
        break;
    case WM_CHECK_FILES_CHANGED:
        CheckFilesChangedOnDisk();
        return 0;
    case WM_SETFOCUS:
        // Keys belong in the active editor window, not in the frame.
        if (fw::View* view = GetActiveView()) {
            SetFocus(view->GetHwnd());
            return 0;
        }
        break;
    case WM_INITMENU:
        if (m_services.toolsMenu)
            m_services.toolsMenu->Rebuild();
        break;
    case WM_SIZE: {
        LRESULT result = CPerMainFrame::WindowProc(msg, wParam, lParam);
        PlaceSearchHistoryBox();
        return result;
    }
    default:
        if (msg == fw::PreviewModeMessage()) {
            OnPreviewMode(wParam != 0);
            return 0;
        }
        break;
    }
    return CPerMainFrame::WindowProc(msg, wParam, lParam);
}

// ---- Status panes and the idle prompt ---------------------------------------

std::string CMainFrame::GetIdleText()
{
    char directory[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    if (length == 0 || length >= sizeof directory)
        return fw::MDIFrameWnd::GetIdleText();
    return directory;
}

void CMainFrame::OnIdleUpdateCmdUI()
{
    fw::MDIFrameWnd::OnIdleUpdateCmdUI();
    // The idle prompt follows the working directory: refresh it when it is
    // what the message pane shows and the directory changed.
    if (m_statusBar.GetHwnd() && m_statusBar.GetPaneCount() > 0) {
        const std::string shown = m_statusBar.GetPaneText(0);
        const std::string idle = GetIdleText();
        if ((shown == m_idleText || shown == fw::MDIFrameWnd::GetIdleText()) && shown != idle)
            ShowIdleText();
        if (m_statusBar.GetPaneText(0) == idle)
            m_idleText = idle;
    }
    if (m_searchBox) {
        ControlCmdUI ui(IDC_SEARCH_HISTORY, m_searchBox);
        ui.DoUpdate(*this, false);
    }
}

void CMainFrame::OnUpdateRec(fw::CmdUI& ui)
{
    ui.Enable(m_bRecording);
}

void CMainFrame::OnUpdateClock(fw::CmdUI& ui)
{
    std::time_t now = std::time(nullptr);
    char text[16] = {};
    if (const std::tm* local = std::localtime(&now))
        std::strftime(text, sizeof text, "%H:%M", local);
    ui.Enable(true);
    ui.SetText(text);
}

// ---- Commands -----------------------------------------------------------------

bool CMainFrame::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CMainFrame> map{
        {ID_FILE_CLOSE_ALL, &CMainFrame::OnCloseAll},
        {ID_FILE_SAVE_ALL, &CMainFrame::OnSaveAll},
        {ID_VIEW_FILE_OPEN_WINDOW, &CMainFrame::OnToggleFileOpenWindow},
        {ID_VIEW_TAB_BAR, &CMainFrame::OnToggleTabBar},
        {ID_VIEW_TOOLBAR2, &CMainFrame::OnToggleToolBar2},
        {ID_VIEW_FILE_OPEN_WINDOW, &CMainFrame::OnUpdateBarToggle},
        {ID_VIEW_TAB_BAR, &CMainFrame::OnUpdateBarToggle},
        {ID_VIEW_TOOLBAR2, &CMainFrame::OnUpdateBarToggle},
        {ID_CREATE_TAB_BAR, &CMainFrame::OnCreateTabBar},
        {ID_TAB_FIRST, ID_TAB_LAST, &CMainFrame::OnTab},
        {ID_TAB_FIRST, ID_TAB_LAST, &CMainFrame::OnUpdateTab},
        {ID_MACRO_RECORD, &CMainFrame::OnMacroRecord},
        {ID_MACRO_STOP, &CMainFrame::OnMacroRecord},
        {ID_MACRO_PLAY, &CMainFrame::OnMacroPlay},
        {ID_MACRO_SAVE, &CMainFrame::OnMacroSave},
        {ID_MACRO_LOAD, &CMainFrame::OnMacroLoad},
        {ID_MACRO_RECORD, &CMainFrame::OnUpdateMacroRecord},
        {ID_MACRO_STOP, &CMainFrame::OnUpdateMacroStop},
        {ID_MACRO_PLAY, &CMainFrame::OnUpdateMacroAvailable},
        {ID_MACRO_SAVE, &CMainFrame::OnUpdateMacroAvailable},
        {ID_MACRO_LOAD, &CMainFrame::OnUpdateMacroLoad},
        {ID_INDICATOR_REC, &CMainFrame::OnUpdateRec},
        {ID_INDICATOR_CLOCK, &CMainFrame::OnUpdateClock},
        // The active view serves these; without one they stay blank.
        {ID_INDICATOR_OVR, &CMainFrame::OnUpdateDisabled},
        {ID_INDICATOR_READ, &CMainFrame::OnUpdateDisabled},
        {ID_INDICATOR_LINE, &CMainFrame::OnUpdateDisabled},
        {ID_INDICATOR_COLUMN, &CMainFrame::OnUpdateDisabled},
        {IDC_SEARCH_HISTORY, &CMainFrame::OnUpdateSearchHistory},
    };
    return map.Dispatch(*this, id, code, ui) || fw::MDIFrameWnd::HandleCommand(id, code, ui);
}

void CMainFrame::OnCloseAll()
{
    if (fw::Application* app = fw::Application::Current())
        app->CloseAllDocumentsAsking();
}

void CMainFrame::OnSaveAll()
{
    SaveAllModifiedUnderOwnNames();
}

void CMainFrame::SaveAllModifiedUnderOwnNames()
{
    // Each failure is reported by its document; the others are still saved.
    if (fw::Application* app = fw::Application::Current())
        app->SaveAllDocuments();
}

void CMainFrame::OnCreateTabBar()
{
    if (m_services.tabBar && m_services.tabBar->Create())
        RecalcLayout();
}

void CMainFrame::OnTab(UINT id)
{
    if (m_services.tabBar)
        m_services.tabBar->Activate(static_cast<int>(id - ID_TAB_FIRST));
}

void CMainFrame::OnUpdateTab(fw::CmdUI& ui)
{
    ui.Enable(m_services.tabBar != nullptr);
}

void CMainFrame::OnMacroRecord()
{
    m_bRecording = !m_bRecording;
    if (m_services.macroRecorder) {
        if (m_bRecording)
            m_services.macroRecorder->StartRecording();
        else
            m_services.macroRecorder->StopRecording();
        // Playing refuses to record: the flag tells what the recorder does.
        m_bRecording = m_services.macroRecorder->IsRecording();
    }
    m_bMacroAvailable = true;
    m_strMacroPath.clear();
}

void CMainFrame::OnMacroPlay()
{
    if (m_services.macroRecorder) {
        m_services.macroRecorder->Play();
        m_bRecording = m_services.macroRecorder->IsRecording();
    }
}

void CMainFrame::OnMacroSave()
{
    if (m_services.macroRecorder)
        m_services.macroRecorder->Save(m_strMacroPath);
}

void CMainFrame::OnMacroLoad()
{
    if (m_services.macroRecorder && m_services.macroRecorder->Load(m_strMacroPath))
        m_bMacroAvailable = true;
}

void CMainFrame::OnUpdateMacroRecord(fw::CmdUI& ui)
{
    ui.Enable(m_services.macroRecorder != nullptr);
    ui.SetCheck(m_bRecording ? 1 : 0);
}

void CMainFrame::OnUpdateMacroStop(fw::CmdUI& ui)
{
    ui.Enable(m_services.macroRecorder != nullptr && m_bRecording);
}

void CMainFrame::OnUpdateMacroAvailable(fw::CmdUI& ui)
{
    ui.Enable(m_services.macroRecorder != nullptr && m_bMacroAvailable);
}

void CMainFrame::OnUpdateMacroLoad(fw::CmdUI& ui)
{
    ui.Enable(m_services.macroRecorder != nullptr);
}
