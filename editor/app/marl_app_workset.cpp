// The Workset menu (choose, create, edit the current workset, open files
// from it) and the commands that start programs or change the working
// directory.
#include "editor/app/marl_app.h"

#include "editor/app/frame_hooks.h"
#include "editor/app/main_frame.h"
#include "editor/app/settings_extension_table.h"
#include "editor/app/settings_workset_name.h"
#include "editor/automation/edit_workset_dialog.h"
#include "editor/automation/launch_commands.h"
#include "editor/automation/program_launcher.h"
#include "editor/automation/workset_dialogs.h"
#include "editor/automation/workset_list_window.h"
#include "editor/base/options.h"
#include "framework/status_bar.h"

namespace {

constexpr int kListOffset = 10;

HWND MainWindow()
{
    return fw::Application::Current() ? fw::Application::Current()->GetMainWnd() : nullptr;
}

std::vector<fw::FileFilter> FileTypes()
{
    std::vector<fw::FileFilter> types;
    for (const ExtensionEntry& entry : g_ExtensionTable.Entries())
        types.push_back({entry.description, entry.mask});
    return types;
}

} // namespace

ProgramLauncher& CMarlApp::Launcher()
{
    if (m_hooks.launcher)
        return *m_hooks.launcher;
    if (!m_pLauncher)
        m_pLauncher = std::make_unique<Win32ProgramLauncher>();
    return *m_pLauncher;
}

void CMarlApp::OnWorksetOpen()
{
    if (std::optional<std::string> chosen = ChooseWorkset(MainWindow()))
        g_WorksetName.Set(*chosen);
}

// A current workset, asking for one when there is none.
bool CMarlApp::EnsureWorkset()
{
    if (g_WorksetName.empty())
        OnWorksetOpen();
    return !g_WorksetName.empty();
}

void CMarlApp::EditWorkset(const std::string& workset)
{
    CEditWorksetDialog dialog(MainWindow(), workset, FileTypes());
    if (dialog.DoModal() == IDOK && dialog.m_bSaved)
        g_WorksetName.Set(dialog.m_strWorkset);
}

void CMarlApp::OnWorksetNew()
{
    EditWorkset({});
}

void CMarlApp::OnWorksetEdit()
{
    if (EnsureWorkset())
        EditWorkset(std::string(g_WorksetName.Get()));
}

void CMarlApp::OnWorksetLoad()
{
    if (!EnsureWorkset())
        return;
    // Beside the file-open window; without it, at the frame's client area.
    POINT corner{0, 0};
    HWND main = MainWindow();
    HWND anchor = m_hooks.fileOpenWindow ? m_hooks.fileOpenWindow->Window() : nullptr;
    if (anchor) {
        RECT place{};
        GetWindowRect(anchor, &place);
        corner = {place.left, place.top};
    } else if (main) {
        ClientToScreen(main, &corner);
    }
    corner.x += kListOffset;
    if (!m_pWorksetList)
        m_pWorksetList = std::make_unique<CWorksetListWindow>(
            [this](const std::string& path) { OpenDocumentFile(path); });
    const bool permanent = !g_pOptions || g_pOptions->m_bPermanent != 0;
    m_pWorksetList->Show(main, std::string(g_WorksetName.Get()), corner, permanent);
}

void CMarlApp::OnDosShell()
{
    RunDosShell(Launcher());
}

void CMarlApp::OnRunProgram()
{
    RunProgramCommand(MainWindow(), Launcher());
}

void CMarlApp::OnClipboardViewer()
{
    RunClipboardViewer(Launcher());
}

void CMarlApp::OnChangeDirectory()
{
    const std::optional<std::string> directory = ChangeWorkingDirectory(MainWindow());
    if (!directory)
        return;
    if (m_hooks.fileOpenWindow)
        m_hooks.fileOpenWindow->Refill();
    if (CMainFrame* frame = GetMarlMainFrame()) {
        frame->SetMessageText(*directory);
        if (fw::StatusBar* bar = frame->GetMessageBar())
            UpdateWindow(bar->GetHwnd());
    }
}
