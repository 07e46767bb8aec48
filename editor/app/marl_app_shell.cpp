// CMarlApp's answers to the shell and the user: DDE open and print requests,
// File > Open, the About box, the option sheet's commands, and the shell
// registration written at every start.
#include "editor/app/about_dialog.h"
#include "editor/app/dde_command.h"
#include "editor/app/doc_file_access.h"
#include "editor/app/frame_hooks.h"
#include "editor/app/main_frame.h"
#include "editor/app/marl_app.h"
#include "editor/app/settings_extension_table.h"
#include "editor/app/shell_registration.h"
#include "editor/res/resource.h"
#include "framework/document.h"
#include "framework/handles.h"
#include "framework/view.h"

bool CMarlApp::OnDDECommand(const std::string& command)
{
    const std::optional<DdeCommand> request = ParseDdeCommand(command);
    if (!request)
        return false;
    OpenDocumentFile(request->name);
    ShowMainWindowNow();
    if (request->print) {
        m_bShellPrint = true;
        if (HWND main = GetMainWnd())
            SendMessageA(main, WM_COMMAND, ID_FILE_PRINT, 0);
        m_bShellPrint = false;
        if (m_bPrintMode) {
            if (HWND main = GetMainWnd())
                SendMessageA(main, WM_COMMAND, ID_APP_EXIT, 0);
        }
    }
    return true;
}

void CMarlApp::ShowMainWindowNow()
{
    HWND main = GetMainWnd();
    if (!main || IsWindowVisible(main))
        return;
    ShowWindow(main, m_nCmdShow);
    UpdateWindow(main);
}

fw::FileDialogResult CMarlApp::ChooseFilesToOpen()
{
    fw::FileDialogOptions options;
    options.owner = GetMainWnd();
    const auto table = g_ExtensionTable.Buffer();
    options.filter.assign(table.data(), table.size());
    options.bufferSize = 4096;
    options.multiSelect = true;
    options.mustExist = true;
    options.showReadOnly = true;
    return fw::ShowOpenDialog(options);
}

void CMarlApp::OnFileOpen()
{
    if (m_hooks.fileOpenWindow && m_hooks.fileOpenWindow->OpenFocusedSelection())
        return;
    const fw::FileDialogResult chosen = ChooseFilesToOpen();
    if (!chosen)
        return;
    if (HWND main = GetMainWnd())
        UpdateWindow(main);
    for (const std::string& path : chosen.paths) {
        fw::Document* doc = OpenDocumentFile(path);
        if (doc && chosen.readOnly)
            m_kinds.access->SetReadOnly(*doc, true);
    }
}

void CMarlApp::OnAppAbout()
{
    CAboutDlg about(GetMainWnd());
    about.DoModal();
}

void CMarlApp::OnOptionsPage(UINT id)
{
    static constexpr UINT kPages[] = {ID_OPTIONS_SETTINGS, ID_OPTIONS_PRINTING,
                                      ID_OPTIONS_TOOLS,    ID_OPTIONS_EXTENSIONS,
                                      ID_OPTIONS_OUTLINER, ID_OPTIONS_HELPFILES,
                                      ID_OPTIONS_COLORS};
    if (!m_hooks.optionSheet)
        return;
    for (int page = 0; page < static_cast<int>(std::size(kPages)); ++page)
        if (kPages[page] == id)
            m_hooks.optionSheet->Show(page);
    // "Restore desktop" may have changed on the sheet.
    CopyRestoreDesktopSetting(Homes());
    NotifySettingsChanged();
}

void CMarlApp::NotifySettingsChanged()
{
    for (fw::Document* doc : GetDocuments())
        for (fw::View* view : doc->GetViews())
            view->ExecuteCommand(ID_SETTINGS_CHANGED);
}

void CMarlApp::OnUpdateOptionsPage(fw::CmdUI& ui)
{
    ui.Enable(m_hooks.optionSheet != nullptr);
}

void CMarlApp::OnTool(UINT id)
{
    if (m_hooks.toolsMenu)
        m_hooks.toolsMenu->Run(static_cast<int>(id - ID_TOOL_FIRST));
}

void CMarlApp::OnUpdateTool(fw::CmdUI& ui)
{
    ui.Enable(m_hooks.toolsMenu &&
              m_hooks.toolsMenu->IsUsed(static_cast<int>(ui.m_nID - ID_TOOL_FIRST)));
}

bool CMarlApp::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CMarlApp> map{
        {ID_APP_ABOUT, &CMarlApp::OnAppAbout},
        {ID_FIND_IN_FILES, &CMarlApp::OnFindInFiles},
        {ID_WORKSET_OPEN, &CMarlApp::OnWorksetOpen},
        {ID_WORKSET_NEW, &CMarlApp::OnWorksetNew},
        {ID_WORKSET_EDIT, &CMarlApp::OnWorksetEdit},
        {ID_WORKSET_LOAD, &CMarlApp::OnWorksetLoad},
        {ID_TOOLS_DOS, &CMarlApp::OnDosShell},
        {ID_TOOLS_PROGRAM, &CMarlApp::OnRunProgram},
        {ID_CLIPBOARD_VIEWER, &CMarlApp::OnClipboardViewer},
        {ID_FILE_DIRECTORY, &CMarlApp::OnChangeDirectory},
        {ID_OPTIONS_SETTINGS, ID_OPTIONS_SETTINGS, &CMarlApp::OnOptionsPage},
        {ID_OPTIONS_PRINTING, ID_OPTIONS_PRINTING, &CMarlApp::OnOptionsPage},
        {ID_OPTIONS_TOOLS, ID_OPTIONS_EXTENSIONS, &CMarlApp::OnOptionsPage},
        {ID_OPTIONS_OUTLINER, ID_OPTIONS_HELPFILES, &CMarlApp::OnOptionsPage},
        {ID_OPTIONS_COLORS, ID_OPTIONS_COLORS, &CMarlApp::OnOptionsPage},
        {ID_OPTIONS_SETTINGS, &CMarlApp::OnUpdateOptionsPage},
        {ID_OPTIONS_PRINTING, &CMarlApp::OnUpdateOptionsPage},
        {ID_OPTIONS_TOOLS, ID_OPTIONS_EXTENSIONS, &CMarlApp::OnUpdateOptionsPage},
        {ID_OPTIONS_OUTLINER, ID_OPTIONS_HELPFILES, &CMarlApp::OnUpdateOptionsPage},
        {ID_OPTIONS_COLORS, &CMarlApp::OnUpdateOptionsPage},
        {ID_TOOL_FIRST, ID_TOOL_LAST, &CMarlApp::OnTool},
        {ID_TOOL_FIRST, ID_TOOL_LAST, &CMarlApp::OnUpdateTool},
        {ID_SEND_FILE, &CMarlApp::OnSendFile},
        {ID_SEND_ALL_FILES, &CMarlApp::OnSendAllFiles},
        {ID_SEND_FILE, &CMarlApp::OnUpdateSendFile},
        {ID_SEND_ALL_FILES, &CMarlApp::OnUpdateSendAllFiles},
    };
    return map.Dispatch(*this, id, code, ui) || fw::Application::HandleCommand(id, code, ui);
}

void WriteShellRegistration()
{
    char path[kShellExePathSize] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string exePath(path, length < sizeof path ? length : sizeof path - 1);
    for (const RegistryDefault& entry :
         ShellRegistrationTable(exePath, fw::Application::GetExeBaseName())) {
        fw::RegKey key = fw::RegKey::Create(HKEY_CLASSES_ROOT, entry.key);
        if (key)
            key.SetString(std::string(), entry.value);
    }
}
