// A small test program on the application layer: a text document, a view
// that paints it, a split child frame, a main frame with bars, and an
// application whose message boxes and file dialogs the tests answer.
#pragma once
#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/app_test_res.h"
#include "framework/application.h"
#include "framework/dialog_bar.h"
#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/splitter.h"
#include "framework/status_bar.h"
#include "framework/toolbar.h"
#include "framework/view.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/message_box_script.h"
#include "framework/testing/pump.h"
#include "framework/testing/test_folder.h"

namespace fwtest {

// Which level takes ID_TEST_ROUTE, and the levels asked on the way.
struct RouteProbe {
    std::string taker;
    std::vector<std::string> asked;
    bool Ask(const char* level)
    {
        asked.push_back(level);
        return taker == level;
    }
};
RouteProbe& Route();

class TestDoc : public fw::Document {
public:
    std::string m_text;
    int m_deleteContentsCalls = 0;

    void DeleteContents() override;
    bool LoadContents(std::string_view data) override;
    bool SaveContents(std::string& data) override;
    // An edit: modified, and every view hears of it.
    void Edit(const std::string& text);

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnRoute(UINT id);
};

struct UpdateSeen {
    fw::View* sender;
    LPARAM hint;
    void* object;
};

class TestView : public fw::View {
public:
    int m_initialUpdates = 0;
    std::vector<UpdateSeen> m_updates;
    int m_disabledRuns = 0;
    int m_enabledRuns = 0;
    int m_activations = 0;
    std::string m_paneText = "L 1";
    bool m_paneEnabled = true;

    TestDoc* GetDoc() const { return static_cast<TestDoc*>(GetDocument()); }
    void OnInitialUpdate() override;
    void OnUpdate(fw::View* sender, LPARAM hint, void* object) override;
    void OnDraw(HDC dc) override;
    void OnActivateView(bool activate, fw::View* activated, fw::View* deactivated) override;
    DWORD GetScrollStyle() const override { return WS_VSCROLL | WS_HSCROLL; }

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnRoute(UINT id);
    void OnDisabled() { ++m_disabledRuns; }
    void OnEnabled() { ++m_enabledRuns; }
    void OnChecked() {}
    void OnUpdateDisabled(fw::CmdUI& ui) { ui.Enable(false); }
    void OnUpdateChecked(fw::CmdUI& ui) { ui.SetCheck(1); }
    void OnUpdateText(fw::CmdUI& ui) { ui.SetText("Text from the view"); }
    void OnUpdateRadio(fw::CmdUI& ui) { ui.SetRadio(true); }
    void OnUpdatePane(fw::CmdUI& ui)
    {
        ui.Enable(m_paneEnabled);
        ui.SetText(m_paneText);
    }
};

class TestChildFrame : public fw::MDIChildWnd {
public:
    fw::SplitterWnd m_splitter;
    std::vector<int> m_activateCalls;
    static int s_destroyed;
    // How the next frames show first (-1: the layer's choice), as a program
    // restoring a stored placement would decide.
    static int s_firstShow;

    void ActivateFrame(int nCmdShow = -1) override;

protected:
    bool OnCreateClient(CREATESTRUCTA& cs, fw::CreateContext* context) override;
    void OnDestroy() override;
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnRoute(UINT id);
};

struct BarSet {
    bool toolbar = true;
    bool statusBar = true;
    bool dialogBar = false;
};

class TestMainFrame : public fw::MDIFrameWnd {
public:
    explicit TestMainFrame(BarSet bars) : m_wantBars(bars) {}

    fw::ToolBar m_toolBar;
    fw::StatusBar m_statusBar;
    fw::DialogBar m_dialogBar{IDD_TESTBAR};
    std::string m_idleText; // empty: the layer's "Ready"
    std::vector<bool> m_appActivations;
    int m_barButtonRuns = 0;

    std::string GetIdleText() override;

protected:
    bool OnCreate(CREATESTRUCTA& cs) override;
    void OnActivateApp(bool active, DWORD otherThread) override;
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnRoute(UINT id);
    void OnBarButton() { ++m_barButtonRuns; }

private:
    BarSet m_wantBars;
};

class TestApp : public fw::Application, public fw::test::MessageBoxScript {
public:
    std::deque<std::string> m_fileNames; // for the Save As / Open dialog
    std::vector<std::string> m_ddeCommands;
    bool m_acceptDde = true;
    std::vector<std::pair<ULONG_PTR, UINT>> m_helpCalls; // data, command
    std::vector<LONG> m_idleCounts;
    LONG m_moreIdleUntil = 0;  // asks for idle time up to this count
    int m_quitOnIdleCall = -1; // posts WM_QUIT(42) on that call of OnIdle

    int DoMessageBox(const std::string& text, UINT type, UINT helpId) override;
    bool DoPromptFileName(std::string& fileName, UINT titleId, bool openDialog,
                          fw::DocTemplate* docTemplate) override;
    bool OnDDECommand(const std::string& command) override;
    bool ShowHelp(ULONG_PTR data, UINT command) override;
    bool OnIdle(LONG count) override;

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    bool OnRoute(UINT id);
};

using fw::test::Pump;

// A fresh application with the test template, a temporary folder and its
// own profile; a main frame with the chosen bars.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void MakeApp();
    void MakeMainFrame(BarSet bars = {}, bool show = false);
    void DestroyApp();

    TestMainFrame& Main() const { return *m_main; }
    TestDoc* NewDocument();
    TestDoc* Open(const std::string& path);
    TestChildFrame* ActiveChild() const;
    TestView* ActiveView() const;
    // WM_COMMAND as a menu sends it.
    void Command(UINT id);
    // A key as the keyboard delivers it to the focused window.
    void Key(UINT vk);
    std::string Path(const std::string& name) const { return m_folder->Path(name); }
    static void WriteText(const std::string& path, const std::string& text)
    {
        fw::test::WriteFileText(path, text);
    }
    static std::string ReadText(const std::string& path) { return fw::test::ReadFileText(path); }
    std::vector<fw::Document*> Documents() const { return m_app->GetDocuments(); }

    std::unique_ptr<TestApp> m_app;
    TestMainFrame* m_main = nullptr;
    std::unique_ptr<fw::test::TestFolder> m_folder;
};

} // namespace fwtest
