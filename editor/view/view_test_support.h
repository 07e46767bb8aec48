// The editor window tests' program: CMarlDoc and CMarlView in a split MDI
// child of a main frame that translates the editor's accelerator table,
// an application whose message boxes and file dialogs the tests answer,
// and helpers that send real key, character and mouse messages.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/base/options.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/marl_view.h"
#include "editor/view/view_settings.h"
#include "framework/application.h"
#include "framework/handles.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/splitter.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/input.h"
#include "framework/testing/message_box_script.h"
#include "framework/testing/pump.h"
#include "framework/testing/test_folder.h"

namespace viewtest {

class SplitChildFrame : public fw::MDIChildWnd {
public:
    fw::SplitterWnd m_splitter;

protected:
    bool OnCreateClient(CREATESTRUCTA& cs, fw::CreateContext* context) override;
};

class MainFrame : public fw::MDIFrameWnd {
public:
    bool LoadFrame(UINT idResource, DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                   fw::FrameWnd* parent = nullptr, fw::CreateContext* context = nullptr) override;

private:
    fw::AcceleratorTable m_keys;
};

class TestApp : public fw::Application,
                public ViewSettingsOwner,
                public fw::test::MessageBoxScript {
public:
    std::deque<std::string> m_fileNames;
    AppSettings m_settings;

    int DoMessageBox(const std::string& text, UINT type, UINT helpId) override;
    bool DoPromptFileName(std::string& fileName, UINT titleId, bool openDialog,
                          fw::DocTemplate* docTemplate) override;
    const AppSettings& GetAppSettings() const override { return m_settings; }
};

using fw::test::ClickButton;
using fw::test::DialogCame;
using fw::test::OnNextDialog;
using fw::test::Pump;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a file holding `text` (a new file of that name in the test's
    // folder) and gives its view the focus.
    CMarlDoc* OpenText(const std::string& name, const std::string& text);
    CMarlView* View() const;
    CMarlView* Pane(int row) const;
    // Splits the active editor window into an upper and a lower pane.
    bool SplitInTwo();
    // Makes a pane the active view with the focus, as a click does.
    void Activate(CMarlView* view);
    SplitChildFrame* Child() const;
    std::string DocText() const;

    // A key through the message loop (accelerators first), with modifiers
    // held: any of VK_SHIFT, VK_CONTROL, VK_MENU.
    void Key(UINT vk, std::initializer_list<UINT> held = {});
    void Chars(const std::string& text);
    // Mouse messages to the focused view at client coordinates.
    void Click(int x, int y, UINT extraFlags = 0);
    void DoubleClick(int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    // Client point of display column `column` (one-based) on row `row` of
    // `view` (the active one when null).
    POINT CellPoint(int row, int column, CMarlView* view = nullptr) const;
    RECT ClientArea(CMarlView* view = nullptr) const;
    // `count` copies of `line` (which ends with its line feed).
    static std::string RepeatedLines(const std::string& line, int count);
    std::string PaneText(UINT paneId);
    bool IsEnabled(UINT id);
    void SetClipboardText(const std::string& text);
    std::string ClipboardText();
    std::string Path(const std::string& name) const { return m_folder->Path(name); }
    static std::string ReadFile(const std::string& path) { return fw::test::ReadFileText(path); }
    static void WriteFile(const std::string& path, const std::string& bytes)
    {
        fw::test::WriteFileText(path, bytes);
    }

    std::unique_ptr<TestApp> m_app;
    MainFrame* m_main = nullptr;
    COptions m_options;
    COptions* m_savedOptions = nullptr;
    std::unique_ptr<fw::test::TestFolder> m_folder;
};

} // namespace viewtest
