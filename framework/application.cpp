#include "framework/application.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/app_message.h"
#include "framework/common_dialogs.h"
#include "framework/dde_server.h"
#include "framework/dialog.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/message_hook.h"
#include "framework/res/fw_resource.h"
#include "framework/strings.h"
#include "framework/view.h"

namespace fw {

Application* Application::s_current = nullptr;

namespace {

const char kRecentFileSection[] = "Recent File List";
const char kRecentFileEntry[] = "File%d";
// The platform's timer for the caret: no reason for idle work.
constexpr UINT kSystemTimer = 0x0118;

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : path;
}

} // namespace

Application::Application() : m_printer(std::make_unique<PrinterSettings>())
{
    s_current = this;
    m_appTitle = GetExeBaseName();
    m_profile.SetFileName(GetExeBaseName() + ".INI");
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    m_helpFile.assign(path, n < sizeof path ? n : 0);
    if (size_t dot = m_helpFile.rfind('.');
        dot != std::string::npos && dot > m_helpFile.find_last_of('\\') + 1)
        m_helpFile.erase(dot);
    m_helpFile += ".HLP";
}

Application::~Application()
{
    m_ddeServer.reset();
    // Windows first: they refer to documents and templates.
    if (m_mainFrame && m_mainFrame->GetHwnd())
        m_mainFrame->Destroy();
    m_mainFrame.reset();
    m_templates.clear();
    if (s_current == this)
        s_current = nullptr;
}

// ---- Running --------------------------------------------------------------

int Application::Run(HINSTANCE instance, const char* cmdLine, int cmdShow)
{
    InitApplication(instance, cmdLine, cmdShow);
    if (!InitInstance()) {
        if (m_mainFrame && m_mainFrame->GetHwnd())
            m_mainFrame->Destroy();
        return ExitInstance();
    }
    return MessageLoop();
}

void Application::InitApplication(HINSTANCE instance, const char* cmdLine, int cmdShow)
{
    m_hInstance = instance ? instance : GetModuleHandleA(nullptr);
    m_cmdLine = cmdLine ? cmdLine : "";
    m_nCmdShow = cmdShow;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (std::string title = LoadResString(FW_IDS_APP_TITLE); !title.empty())
        SetAppTitle(title);
    else
        SetAppTitle(m_appTitle);
}

bool Application::InitInstance()
{
    return true;
}

int Application::ExitInstance()
{
    SaveStdProfileSettings();
    m_ddeServer.reset();
    return m_exitCode;
}

int Application::MessageLoop()
{
    bool idle = true;
    LONG idleCount = 0;
    MSG peek;
    for (;;) {
        while (idle && !PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            // Judged by the message just handled: a key handled while the
            // loop slept must bring the bars up to date.
            if (IsIdleMessage(m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

bool Application::PumpMessage()
{
    MSG& msg = m_msgCur;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        m_exitCode = got == 0 ? static_cast<int>(msg.wParam) : -1;
        return false;
    }
    if (!PreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

bool Application::IsIdleMessage(const MSG& msg)
{
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case kSystemTimer:
        return false;
    default:
        return true;
    }
}

bool Application::OnIdle(LONG count)
{
    if (count == 0) {
        if (FrameWnd* frame = GetMainFrame(); frame && frame->GetHwnd())
            frame->OnIdleUpdateCmdUI();
    }
    return count < 1;
}

bool Application::PreTranslateMessage(MSG& msg)
{
    if (m_helpMode && PreTranslateHelpMode(msg))
        return true;
    if (WalkPreTranslateTree(msg))
        return true;
    return Dialog::PreTranslateModeless(msg);
}

bool Application::WalkPreTranslateTree(MSG& msg)
{
    // From the message's window up to its top-level window: a view, its
    // frames, the main frame (which translates the accelerators).
    for (HWND h = msg.hwnd; h; h = GetAncestor(h, GA_PARENT)) {
        if (Window* window = Window::FromHandle(h); window && window->PreTranslateMessage(msg))
            return true;
        if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return false;
}

// ---- Main window ----------------------------------------------------------

HWND Application::GetMainWnd() const
{
    return m_mainFrame ? m_mainFrame->GetHwnd() : nullptr;
}

void Application::SetMainFrame(std::unique_ptr<FrameWnd> frame)
{
    if (m_mainFrame && m_mainFrame->GetHwnd())
        m_mainFrame->Destroy();
    m_mainFrame = std::move(frame);
}

void Application::OnMainFrameDestroyed(FrameWnd*)
{
    PostQuitMessage(0);
}

// ---- Title, messages, wait cursor ------------------------------------------

std::string Application::GetExeBaseName()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = FileNamePart(std::string(path, n < sizeof path ? n : 0));
    if (size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

void Application::SetAppTitle(std::string title)
{
    m_appTitle = std::move(title);
    // The dialogs' own messages carry the same caption.
    SetMessageCaption(m_appTitle);
}

int Application::DoMessageBox(const std::string& text, UINT type, UINT)
{
    // No icon given: a question for Yes/No, else the exclamation mark.
    if (!(type & MB_ICONMASK)) {
        UINT buttons = type & MB_TYPEMASK;
        type |= (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? MB_ICONQUESTION
                                                                   : MB_ICONEXCLAMATION;
    }
    HWND owner = nullptr;
    if (!(type & MB_TASKMODAL) && GetMainWnd()) {
        owner = GetLastActivePopup(GetMainWnd());
        if (!IsWindowEnabled(owner))
            owner = nullptr;
    }
    return ShowMessage(owner, text, type);
}

void Application::BeginWaitCursor()
{
    ++m_waitCount;
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void Application::EndWaitCursor()
{
    if (m_waitCount > 0)
        --m_waitCount;
    if (m_waitCount == 0)
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

WaitCursor::WaitCursor()
{
    if (Application* app = Application::Current())
        app->BeginWaitCursor();
}

WaitCursor::~WaitCursor()
{
    if (Application* app = Application::Current())
        app->EndWaitCursor();
}

int AppMessageBox(const std::string& text, UINT type, UINT helpId)
{
    if (Application* app = Application::Current())
        return app->DoMessageBox(text, type, helpId);
    return ShowMessage(nullptr, text, type);
}

int AppMessageBox(UINT promptId, UINT type, UINT helpId)
{
    return AppMessageBox(LoadResString(promptId), type, helpId == UINT(-1) ? promptId : helpId);
}

// ---- Profile and recent files --------------------------------------------

int Application::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    return m_profile.GetInt(section, entry, defaultValue);
}

std::string Application::GetProfileString(const char* section, const char* entry,
                                          const char* defaultValue) const
{
    return m_profile.GetString(section, entry, defaultValue);
}

bool Application::WriteProfileInt(const char* section, const char* entry, int value) const
{
    return m_profile.WriteInt(section, entry, value);
}

bool Application::WriteProfileString(const char* section, const char* entry,
                                     const std::string& value) const
{
    return m_profile.WriteString(section, entry, value);
}

void Application::LoadStdProfileSettings(int count)
{
    m_recentFiles.reset();
    if (count <= 0)
        return;
    m_recentFiles = std::make_unique<RecentFileList>(ID_FILE_MRU_FIRST, kRecentFileSection,
                                                     kRecentFileEntry, count);
    m_recentFiles->ReadList(m_profile);
}

void Application::SaveStdProfileSettings()
{
    if (m_recentFiles)
        m_recentFiles->WriteList(m_profile);
}

void Application::AddToRecentFileList(const std::string& path)
{
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

// ---- Documents ------------------------------------------------------------

DocTemplate& Application::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
    return *m_templates.back();
}

std::vector<DocTemplate*> Application::GetDocTemplates() const
{
    std::vector<DocTemplate*> list;
    for (const auto& t : m_templates)
        list.push_back(t.get());
    return list;
}

std::vector<Document*> Application::GetDocuments() const
{
    std::vector<Document*> list;
    for (const auto& t : m_templates)
        for (Document* doc : t->GetDocuments())
            list.push_back(doc);
    return list;
}

Document* Application::OpenDocumentFile(const std::string& path)
{
    const std::string full = FullPath(path);
    DocTemplate* best = nullptr;
    auto bestMatch = DocTemplate::Confidence::No;
    Document* open = nullptr;
    for (const auto& t : m_templates) {
        Document* match = nullptr;
        auto confidence = t->MatchDocType(full, match);
        if (confidence > bestMatch) {
            bestMatch = confidence;
            best = t.get();
            open = match;
        }
        if (confidence == DocTemplate::Confidence::YesAlreadyOpen)
            break;
    }
    if (open) {
        // Already open: its window comes to the front instead.
        if (!open->GetViews().empty())
            if (FrameWnd* frame = open->GetViews().front()->GetParentFrame()) {
                frame->ActivateFrame();
                if (FrameWnd* main = GetMainFrame(); main && main != frame)
                    main->ActivateFrame();
            }
        return open;
    }
    if (!best) {
        AppMessageBox(FW_IDP_FAILED_TO_OPEN_DOC, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    return best->OpenDocumentFile(full, true);
}

bool Application::SaveAllModified()
{
    for (const auto& t : m_templates)
        if (!t->SaveAllModified())
            return false;
    return true;
}

void Application::CloseAllDocuments(bool endSession)
{
    for (const auto& t : m_templates)
        t->CloseAllDocuments(endSession);
}

void Application::CloseAllDocumentsAsking()
{
    for (Document* doc : GetDocuments()) {
        const std::vector<Document*> open = GetDocuments();
        if (std::find(open.begin(), open.end(), doc) == open.end())
            continue; // went with an earlier one
        if (doc->SaveModified())
            doc->OnCloseDocument();
    }
}

bool Application::SaveAllDocuments()
{
    bool allSaved = true;
    for (Document* doc : GetDocuments())
        if (doc->IsModified() && !doc->GetPathName().empty())
            allSaved = doc->DoSave(doc->GetPathName(), true) && allSaved;
    return allSaved;
}

bool Application::DoPromptFileName(std::string& fileName, UINT titleId, bool openDialog,
                                   DocTemplate* docTemplate)
{
    FileDialogOptions options;
    options.owner = GetMainWnd();
    options.title = LoadResString(titleId);
    options.fileName = fileName;
    std::vector<FileFilter> filters;
    if (docTemplate) {
        std::string name = docTemplate->GetDocString(DocTemplate::filterName);
        std::string ext = docTemplate->GetDocString(DocTemplate::filterExt);
        if (!name.empty() && !ext.empty()) {
            filters.push_back({name, "*" + ext});
            options.defaultExt = ext.substr(ext.find_first_not_of('.'));
        }
    }
    filters.push_back({LoadResString(FW_IDS_ALLFILTER), "*.*"});
    options.filter = MakeFilterList(filters);
    options.mustExist = openDialog;
    FileDialogResult result = openDialog ? ShowOpenDialog(options) : ShowSaveDialog(options);
    if (!result)
        return false;
    fileName = result.paths.front();
    return true;
}

// ---- Shell ----------------------------------------------------------------

bool Application::EnableShellOpen()
{
    if (m_ddeServer && m_ddeServer->IsRunning())
        return true;
    m_ddeServer = std::make_unique<ShellDdeServer>();
    bool started = m_ddeServer->Start(
        GetExeBaseName(), "system",
        [this](const std::string& command) { return OnDDECommand(command); },
        // A modal dialog of ours is up: the shell hears "busy".
        [this] {
            HWND main = GetMainWnd();
            return !main || IsWindowEnabled(main);
        });
    if (!started)
        m_ddeServer.reset();
    return started;
}

bool Application::OnDDECommand(const std::string&)
{
    return false;
}

// ---- Commands -------------------------------------------------------------

bool Application::HandleCommand(UINT id, CmdCode code, CmdUI* ui)
{
    static const CommandMap<Application> map{
        {ID_FILE_NEW, &Application::OnFileNew},
        {ID_FILE_OPEN, &Application::OnFileOpen},
        {ID_APP_EXIT, &Application::OnAppExit},
        {ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, &Application::OnOpenRecentFile},
        {ID_FILE_MRU_FILE1, &Application::OnUpdateRecentFileMenu},
        {ID_HELP_INDEX, &Application::OnHelpIndex},
        {ID_HELP_USING, &Application::OnHelpUsing},
        {ID_HELP, &Application::OnHelp},
        {ID_DEFAULT_HELP, &Application::OnHelp},
        {ID_CONTEXT_HELP, &Application::OnContextHelp},
        {ID_FILE_PRINT_SETUP, &Application::OnFilePrintSetup},
    };
    return map.Dispatch(*this, id, code, ui) || CommandTarget::HandleCommand(id, code, ui);
}

void Application::OnFilePrintSetup()
{
    m_printer->ShowSetupDialog(GetMainWnd());
}

void Application::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(std::string(), true);
}

void Application::OnFileOpen()
{
    std::string name;
    if (DoPromptFileName(name, FW_IDS_OPENFILE, true, nullptr))
        OpenDocumentFile(name);
}

void Application::OnAppExit()
{
    if (HWND main = GetMainWnd())
        SendMessageA(main, WM_CLOSE, 0, 0);
}

void Application::OnOpenRecentFile(UINT id)
{
    if (!m_recentFiles)
        return;
    int index = static_cast<int>(id - m_recentFiles->GetFirstId());
    if (index < 0 || index >= m_recentFiles->GetCount())
        return;
    const std::string path = (*m_recentFiles)[index];
    if (!OpenDocumentFile(path))
        m_recentFiles->Remove(index); // gone or unreadable: off the list
}

void Application::OnUpdateRecentFileMenu(CmdUI& ui)
{
    if (!m_recentFiles) {
        ui.Enable(false);
        return;
    }
    m_recentFiles->UpdateMenu(ui);
}

} // namespace fw
