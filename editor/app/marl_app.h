// CMarlApp: the editor's application object: the start-up sequence (settings,
// start-up picture, template, main frame, command line, shell registration),
// the picture's closing, the shell's DDE requests, File > Open, the About
// box and the exit sequence that writes the settings back.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "editor/app/cmdline_plan.h"
#include "editor/app/doc_file_access.h"
#include "editor/app/profile.h"
#include "editor/app/profile_win32.h"
#include "editor/base/settings_app.h"
#include "editor/app/settings_homes.h"
#include "editor/integration/editor_lookups.h"
#include "editor/view/view_lookup.h"
#include "editor/app/persistent_app.h"
#include "framework/common_dialogs.h"
#include "framework/doc_template.h"

class CMainFrame;
class CSearchResultsDialog;
class CWorksetListWindow;
class FileOpenWindowHook;
class ProgramLauncher;
class CSplashWindow;
class MacroRecorderHook;
class OptionSheetHook;
class TabBarHook;
class TipHook;
class ToolsMenuHook;

// The document and view classes of the editor's one template, and how the
// shell reaches their files.
struct MarlDocKinds {
    fw::DocTemplate::DocumentFactory makeDocument;
    fw::DocTemplate::ViewFactory makeView;
    std::unique_ptr<DocFileAccess> access;
};

// The features that later parts add; each may stay null.
struct MarlAppHooks {
    MacroRecorderHook* macroRecorder = nullptr;
    TabBarHook* tabBar = nullptr;
    ToolsMenuHook* toolsMenu = nullptr;
    OptionSheetHook* optionSheet = nullptr;
    TipHook* tips = nullptr;
    FileOpenWindowHook* fileOpenWindow = nullptr;
    // Starts other programs; null: the platform's launcher.
    ProgramLauncher* launcher = nullptr;
};

inline constexpr DWORD kSplashMinimumMs = 2500;

class CMarlApp : public CPersistentApp, public ViewLookupOwner {
public:
    explicit CMarlApp(MarlDocKinds kinds, MarlAppHooks hooks = {});
    ~CMarlApp() override;

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnIdle(LONG count) override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnDDECommand(const std::string& command) override;
    bool IsShellPrinting() const override { return m_bShellPrint; }
    void OnFileOpen() override;
    ::Profile* DesktopProfile() override { return m_profile.get(); }

    // The private profile: "<exe>.INI" in the Windows directory unless a
    // test names another file before start-up.
    void SetProfileFileName(const std::string& fileName);

    CMainFrame* GetMarlMainFrame() const;
    // The "Load from workset" list, while one is open.
    CWorksetListWindow* GetWorksetList() const { return m_pWorksetList.get(); }
    const CommandLinePlan& GetCommandLinePlan() const { return m_plan; }
    CSplashWindow* GetSplash() const { return m_pSplash.get(); }
    AppSettings& GetAppSettings() { return m_settings; }
    ::Profile& GetSettingsProfile() { return *m_profile; }
    FileOpenWindowHook* GetFileOpenWindow() const { return m_hooks.fileOpenWindow; }

    // Help on a word and Outline, asked by the editor windows.
    void ShowHelpForWord(const std::string& word, const std::string& documentPath) override
    {
        m_lookups.ShowHelpForWord(word, documentPath);
    }
    void ShowOutline(CMarlView& view) override { m_lookups.ShowOutline(view); }
    CEditorLookups& GetLookups() { return m_lookups; }

    bool m_bShellPrint = false;
    bool m_bPrintMode = false;
    DWORD m_dwStartTick = 0;

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    // The open dialog; tests answer it.
    virtual fw::FileDialogResult ChooseFilesToOpen();

private:
    class Startup;
    bool CreateMainFrame();
    void RunCommandLine();
    void ShowMainWindowNow();
    void CloseSplash();
    void ShowTip();
    SettingsHomes Homes();
    void OnAppAbout();
    void OnFindInFiles(); // marl_app_find.cpp
    void OnSendFile();    // marl_app_mail.cpp
    void OnSendAllFiles();
    void OnUpdateSendFile(fw::CmdUI& ui);
    void OnUpdateSendAllFiles(fw::CmdUI& ui);
    // marl_app_workset.cpp: the Workset menu and the launch commands
    bool EnsureWorkset();
    void OnWorksetOpen();
    void OnWorksetNew();
    void OnWorksetEdit();
    void OnWorksetLoad();
    void EditWorkset(const std::string& workset);
    void OnDosShell();
    void OnRunProgram();
    void OnClipboardViewer();
    void OnChangeDirectory();
    ProgramLauncher& Launcher();
    void OnOptionsPage(UINT id);
    // Command 118 to every editor window: the settings may have changed.
    void NotifySettingsChanged();
    void OnUpdateOptionsPage(fw::CmdUI& ui);
    void OnTool(UINT id);
    void OnUpdateTool(fw::CmdUI& ui);

    MarlDocKinds m_kinds;
    MarlAppHooks m_hooks;
    std::unique_ptr<Win32Profile> m_profileStore;
    std::unique_ptr<::Profile> m_profile;
    Win32Profile m_systemProfileStore{kSystemProfileName};
    ::Profile m_systemProfile{m_systemProfileStore};
    std::unique_ptr<SettingsObjects> m_settingsObjects;
    AppSettings m_settings;
    CommandLinePlan m_plan;
    CEditorLookups m_lookups;
    std::unique_ptr<CSplashWindow> m_pSplash;
    std::unique_ptr<CSearchResultsDialog> m_pSearchResults;
    std::unique_ptr<CWorksetListWindow> m_pWorksetList;
    std::unique_ptr<ProgramLauncher> m_pLauncher;
    std::int32_t m_nTipsShow = 1;
    bool m_bOleStarted = false;
    bool m_bSettingsRead = false;
};

// Writes the shell registration of text files under the class root;
// failures leave the registration as it was and are not reported.
void WriteShellRegistration();
