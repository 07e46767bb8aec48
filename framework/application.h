// fw::Application: start-up and exit, the message loop with idle time and
// message pre-translation, strings and message boxes, the private profile,
// the recent files, the document templates and the File commands, the
// shell's DDE requests.  One per process.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/command_target.h"
#include "framework/doc_template.h"
#include "framework/private_profile.h"
#include "framework/recent_file_list.h"

namespace fw {

class Document;
class FrameWnd;
class ShellDdeServer;
class PrinterSettings;

class Application : public CommandTarget {
public:
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application of this process, or null.
    static Application* Current() { return s_current; }

    // ---- Running ----
    // WinMain's whole work: InitApplication, InitInstance, the message loop,
    // ExitInstance; returns the exit code.
    int Run(HINSTANCE instance, const char* cmdLine, int cmdShow);
    // Common controls, the title, the profile name (Run calls it; tests may).
    void InitApplication(HINSTANCE instance, const char* cmdLine, int cmdShow);
    // The program's start-up; false ends the program.
    virtual bool InitInstance();
    // The program's end: the recent files are written; returns the exit code.
    virtual int ExitInstance();
    // Runs until WM_QUIT, then ExitInstance.
    int MessageLoop();
    // Gets, pre-translates and dispatches one message; false on WM_QUIT.
    bool PumpMessage();
    // Idle time, counted from 0 after each input message: bars and titles
    // follow the update handlers.  True asks for more idle time.
    virtual bool OnIdle(LONG count);
    // First look at each message before it is translated and dispatched:
    // the windows from its target up to the top level (frames translate
    // their accelerators), then the modeless dialogs.  True when taken.
    virtual bool PreTranslateMessage(MSG& msg);
    // Messages that do not start idle time again: mouse moves, paints and
    // the caret's timer.
    static bool IsIdleMessage(const MSG& msg);

    HINSTANCE GetInstance() const { return m_hInstance; }
    const std::string& GetCommandLine() const { return m_cmdLine; }
    // How the program was asked to show its main window.
    int m_nCmdShow = SW_SHOWNORMAL;

    // ---- Main window ----
    FrameWnd* GetMainFrame() const { return m_mainFrame.get(); }
    HWND GetMainWnd() const;
    void SetMainFrame(std::unique_ptr<FrameWnd> frame);
    // The main frame's window is gone: the message loop ends.
    virtual void OnMainFrameDestroyed(FrameWnd* frame);

    // ---- Title, strings, message boxes, wait cursor ----
    const std::string& GetAppTitle() const { return m_appTitle; }
    void SetAppTitle(std::string title);
    // The executable's name without directory and extension.
    static std::string GetExeBaseName();
    // Every message box of the program comes here: captioned with the title,
    // owned by the main window.  Tests override it to answer.
    virtual int DoMessageBox(const std::string& text, UINT type, UINT helpId);
    void BeginWaitCursor();
    void EndWaitCursor();
    bool IsWaitCursor() const { return m_waitCount > 0; }

    // ---- Private profile ----
    // "<executable base name>.INI" unless set.
    PrivateProfile& Profile() { return m_profile; }
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry,
                                 const char* defaultValue = "") const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;
    bool WriteProfileString(const char* section, const char* entry, const std::string& value) const;

    // ---- Recent files ----
    // Reads the recent-file list of `count` entries from the profile.
    void LoadStdProfileSettings(int count = 4);
    void SaveStdProfileSettings();
    virtual void AddToRecentFileList(const std::string& path);
    RecentFileList* GetRecentFileList() const { return m_recentFiles.get(); }

    // ---- Documents ----
    DocTemplate& AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    std::vector<DocTemplate*> GetDocTemplates() const;
    // Every open document, template by template.
    std::vector<Document*> GetDocuments() const;
    // Opens `path` as a document; a document already open on it is
    // activated instead.  Null when the open failed (already reported).
    virtual Document* OpenDocumentFile(const std::string& path);
    // Asks "Save changes to %1?" for each modified document; false when
    // the user cancelled.
    virtual bool SaveAllModified();
    // Closes every document without asking.
    void CloseAllDocuments(bool endSession);
    // Asks for each modified document and closes it unless cancelled (a
    // cancel keeps only that document).
    void CloseAllDocumentsAsking();
    // Saves each modified document that has a name under that name;
    // untitled ones are left alone.  False when a save failed.
    bool SaveAllDocuments();
    // The file dialog of Open and Save As.  Tests override it.
    virtual bool DoPromptFileName(std::string& fileName, UINT titleId, bool openDialog,
                                  DocTemplate* docTemplate);

    // ---- Shell ----
    // Starts the DDE server for the shell's requests: service = the
    // executable's base name, topic "system".  False when DDEML refused.
    bool EnableShellOpen();
    // Each DDE execute string; true when it was handled.
    virtual bool OnDDECommand(const std::string& command);
    ShellDdeServer* GetShellDdeServer() const { return m_ddeServer.get(); }

    // ---- Help ----
    // The executable's path with ".HLP" unless set.
    const std::string& GetHelpFile() const { return m_helpFile; }
    void SetHelpFile(std::string path) { m_helpFile = std::move(path); }
    // Asks the platform's help engine about the help file.  Tests override it.
    virtual bool ShowHelp(ULONG_PTR data, UINT command);

    // The printer of the next print job: Print Setup's choice, kept.
    PrinterSettings& GetPrinter() { return *m_printer; }
    // True while a print request of the shell runs: jobs go to the default
    // printer without the print dialog.
    virtual bool IsShellPrinting() const { return false; }
    // Shift+F1: the next click or command shows the help of what it hits
    // instead of doing it; Esc leaves.
    void EnterHelpMode();
    void ExitHelpMode();
    bool IsHelpMode() const { return m_helpMode; }
    // The help context of the window under a click in help mode.
    static ULONG_PTR HelpContextAt(HWND hWnd, POINT client);
    // When the main frame closes: the help engine closes too.
    void QuitHelp();

    // ---- File commands (the defaults of the program's menus) ----
    virtual void OnFileNew();
    virtual void OnFileOpen();
    void OnAppExit();
    void OnOpenRecentFile(UINT id);
    void OnUpdateRecentFileMenu(CmdUI& ui);
    void OnHelpIndex();
    void OnHelpUsing();
    void OnHelp();
    void OnContextHelp();
    void OnFilePrintSetup();

protected:
    bool HandleCommand(UINT id, CmdCode code, CmdUI* ui) override;

    HINSTANCE m_hInstance = nullptr;
    std::string m_cmdLine;

private:
    bool WalkPreTranslateTree(MSG& msg);
    bool PreTranslateHelpMode(MSG& msg);

    static Application* s_current;
    std::string m_appTitle;
    PrivateProfile m_profile;
    std::unique_ptr<RecentFileList> m_recentFiles;
    std::vector<std::unique_ptr<DocTemplate>> m_templates;
    std::unique_ptr<FrameWnd> m_mainFrame;
    std::unique_ptr<ShellDdeServer> m_ddeServer;
    int m_waitCount = 0;
    int m_exitCode = 0;
    MSG m_msgCur{}; // the message PumpMessage handled last
    std::string m_helpFile;
    std::unique_ptr<PrinterSettings> m_printer;
    bool m_helpMode = false;
    bool m_helpUsed = false;
};

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace fw
