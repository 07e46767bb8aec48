// CMainFrame: the editor's one top-level window, an MDI frame with the two
// toolbars and the search-history box, the status bar with the REC pane and
// the clock, the one-minute timer of automatic saving, the handling of the
// application's activation (working directory, Save on focus, files changed
// by other programs) and the frame-level commands.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editor/app/autosave_clock.h"
#include "editor/app/settings_search_history.h"
#include "editor/app/persistent_frames.h"
#include "framework/mdi_frame.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"

#include <memory>

class SearchHistory;

class DocFileAccess;
class Profile;
class MacroRecorderHook;
class TabBarHook;
class ToolsMenuHook;
struct AppSettings;
class COptions;

inline constexpr UINT kAutoSaveTimerId = 1;
inline constexpr UINT kAutoSavePeriodMs = 60000;

// The items of the two toolbars, in order (ID_SEPARATOR for a gap).
std::span<const UINT> FirstToolBarItems();
std::span<const UINT> SecondToolBarItems();
// The status bar's panes, in order.
std::span<const UINT> StatusIndicators();
// The search-history box spans separators 11 to 33 of the first toolbar.
inline constexpr int kHistoryFirstItem = 11;
inline constexpr int kHistoryLastItem = 33;
// The dropped list reaches this far below the buttons.
inline constexpr int kHistoryDropHeight = 70;

// What the frame works with besides itself: the settings it reads and
// writes, the documents' file services and the hooks of later features.
struct MainFrameServices {
    Profile* profile = nullptr;
    COptions* options = nullptr;
    AppSettings* appSettings = nullptr;
    DocFileAccess* docAccess = nullptr;
    MacroRecorderHook* macroRecorder = nullptr;
    TabBarHook* tabBar = nullptr;
    ToolsMenuHook* toolsMenu = nullptr;
};

class CMainFrame : public CPerMainFrame {
public:
    explicit CMainFrame(MainFrameServices services);
    ~CMainFrame() override;

    // ---- The search history (the drop-down list on the first toolbar)
    HWND GetSearchHistoryBox() const { return m_searchBox; }
    void FillSearchHistory(std::span<const SearchHistoryEntry> entries);
    std::vector<SearchHistoryEntry> GetSearchHistory() const;
    int m_nHistoryCount = 0;

    fw::ToolBar& GetToolBar() { return m_toolBar; }
    fw::ToolBar& GetToolBar2() { return m_toolBar2; }
    fw::StatusBar& GetStatusBar() { return m_statusBar; }

    // ---- Bars: hide or show a bar by id and store its flag (OpenDlg,
    // TabBar, ToolBar2); nothing when the bar does not exist.
    void ToggleBar(UINT barId);

    // ---- Timer and activation (public so that tests can drive them)
    void OnTimerTick();
    void OnActivateApp(bool active, DWORD otherThread) override;
    void CheckFilesChangedOnDisk();
    bool IsTimerRunning() const { return m_bTimerStarted; }

    // ---- State the Parts name
    bool m_bRecording = false;
    bool m_bMacroAvailable = false;
    std::string m_strMacroPath;
    bool m_bClosing = false;

    // The directory saved when the program lost activation.
    const std::string& GetSavedDirectory() const { return m_savedDirectory; }

    std::string GetIdleText() override;
    void OnIdleUpdateCmdUI() override;

protected:
    bool OnCreate(CREATESTRUCTA& cs) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnDropFiles(const std::vector<std::string>& files) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnControlNotify(UINT id, UINT code, HWND control) override;

private:
    // The first toolbar: taller than its buttons, for the search box.
    class CFirstToolBar : public fw::ToolBar {
    public:
        int CalcThickness(fw::DockEdge edge, int length) override;
    };

    bool CreateToolBars();
    void PlaceSearchHistoryBox();
    bool CreateSearchHistoryBox();
    bool CreateStatusBar();
    void WriteSearchHistory();
    // main_frame_search.cpp: the history the editor windows search from.
    void StartSearchHistory();
    void StopSearchHistory();
    void OnUpdateSearchHistory(fw::CmdUI& ui);
    void SaveAllModifiedUnderOwnNames();

    // Commands
    void OnCloseAll();
    void OnSaveAll();
    void OnToggleFileOpenWindow();
    void OnToggleTabBar();
    void OnToggleToolBar2();
    // Around the print preview: the side and tab bars and the second
    // toolbar make room, and come back as they were.
    void OnPreviewMode(bool entering);
    void OnCreateTabBar();
    void OnTab(UINT id);
    void OnMacroRecord();
    void OnMacroPlay();
    void OnMacroSave();
    void OnMacroLoad();
    void OnUpdateBarToggle(fw::CmdUI& ui);
    void OnUpdateRec(fw::CmdUI& ui);
    void OnUpdateClock(fw::CmdUI& ui);
    void OnUpdateMacroRecord(fw::CmdUI& ui);
    void OnUpdateMacroStop(fw::CmdUI& ui);
    void OnUpdateMacroAvailable(fw::CmdUI& ui);
    void OnUpdateMacroLoad(fw::CmdUI& ui);
    void OnUpdateTab(fw::CmdUI& ui);
    void OnUpdateDisabled(fw::CmdUI& ui) { ui.Enable(false); }

    MainFrameServices m_services;
    CFirstToolBar m_toolBar;
    fw::ToolBar m_toolBar2;
    fw::StatusBar m_statusBar;
    HWND m_searchBox = nullptr;
    std::unique_ptr<SearchHistory> m_history;
    UINT_PTR m_nTimer = 0;
    bool m_bTimerStarted = false;
    AutoSaveClock m_autoSave;
    bool m_bActivationGuard = false;
    bool m_bCheckingFiles = false;
    std::string m_savedDirectory;
    std::string m_idleText;
    std::vector<UINT> m_barsHiddenForPreview;
};
