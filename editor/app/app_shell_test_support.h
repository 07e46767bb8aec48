// A CMarlApp under test: documents that record what the shell asks of them,
// a profile of its own in a temporary folder, message boxes and the open
// dialog answered by the test.
#pragma once
#include <windows.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/app/doc_file_access.h"
#include "editor/app/main_frame.h"
#include "editor/app/marl_app.h"
#include "framework/document.h"
#include "framework/view.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/input.h"
#include "framework/testing/message_box_script.h"
#include "framework/testing/pump.h"
#include "framework/testing/test_folder.h"

namespace shelltest {

class ShellTestDoc : public fw::Document {
public:
    std::string m_text;
    std::int64_t m_recordedTime = 0;
    bool m_hasRecordedTime = false;
    bool m_bSaving = false;
    bool m_bReadOnly = false;
    int m_tempCopies = 0;
    int m_opens = 0;

    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    bool LoadContents(std::string_view data) override;
    bool SaveContents(std::string& data) override;
};

class ShellTestView : public fw::View {
public:
    std::vector<LPARAM> m_hints;
    int m_settingsChanged = 0; // command 118 reached this view
    void OnUpdate(fw::View* sender, LPARAM hint, void* object) override;
    // Print commands that reached a view: was it the shell's print?
    static inline std::vector<bool> s_prints;

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
};

class ShellTestAccess : public DocFileAccess {
public:
    void WriteTempCopy(fw::Document& doc) override;
    std::optional<std::int64_t> RecordedFileTime(const fw::Document& doc) const override;
    bool IsSaving(const fw::Document& doc) const override;
    void SetReadOnly(fw::Document& doc, bool readOnly) override;
};

class ShellTestApp : public CMarlApp, public fw::test::MessageBoxScript {
public:
    // The test's documents and views, or `kinds` (the editor's own).
    ShellTestApp();
    explicit ShellTestApp(MarlDocKinds kinds, MarlAppHooks hooks = {});
    fw::FileDialogResult m_openChoice;

    int DoMessageBox(const std::string& text, UINT type, UINT helpId) override;

protected:
    fw::FileDialogResult ChooseFilesToOpen() override { return m_openChoice; }
};

// Seconds since 1970 of a file's last write, and setting it.
std::int64_t FileTimeOf(const std::string& path);
void SetFileTimeOf(const std::string& path, std::int64_t seconds);

using fw::test::Pump;

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the application with `commandLine` (the start-up picture is
    // off unless asked for) and the profile text `profile`.
    void Start(const std::string& commandLine = "/NOSPLASH", const std::string& profile = {});
    int Exit();

    CMainFrame& Frame() const { return *m_app->GetMarlMainFrame(); }
    ShellTestDoc* Open(const std::string& path);
    std::vector<fw::Document*> Documents() const { return m_app->GetDocuments(); }
    void Command(UINT id);
    // A key in the focused window, with `held` (VK_CONTROL, ...) down.
    void Key(UINT vk, std::initializer_list<UINT> held = {});
    std::string Path(const std::string& name) const { return m_folder->Path(name); }
    std::string ProfilePath() const { return Path("marl.ini"); }
    std::string ReadProfile(const char* section, const char* key) const;
    static void WriteText(const std::string& path, const std::string& text)
    {
        fw::test::WriteFileText(path, text);
    }

    // Start with the editor's own documents and views instead of the test's.
    bool m_editorDocuments = false;
    // The features the application starts with.
    MarlAppHooks m_hooks;
    std::unique_ptr<ShellTestApp> m_app;
    std::unique_ptr<fw::test::TestFolder> m_folder;
    std::string m_startDirectory;
};

} // namespace shelltest
