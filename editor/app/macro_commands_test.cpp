// Keyboard macros in the running editor: real keys typed while recording,
// played back through the system's input into the editor window and its
// dialogs, saved and loaded.
#include <windows.h>

#include <deque>
#include <optional>
#include <string>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/macro_commands.h"
#include "editor/doc/marl_doc.h"
#include "editor/res/resource.h"
#include "editor/view/marl_view.h"

using namespace shelltest;

namespace {

// The file dialogs answered by the test.
class TestMacroCommands : public CMacroCommands {
public:
    std::deque<std::optional<std::string>> m_files;
    int m_asked = 0;

protected:
    std::optional<std::string> ChooseFile(bool) override
    {
        ++m_asked;
        if (m_files.empty())
            return std::nullopt;
        std::optional<std::string> file = m_files.front();
        m_files.pop_front();
        return file;
    }
};

class MacroTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
        m_hooks.macroRecorder = &m_macros;
    }

    // The editor in front with the focus in a window on `path` (new when empty).
    void StartEditor(const std::string& path = {})
    {
        Start();
        if (path.empty())
            Command(ID_FILE_NEW);
        else
            Open(path);
        ASSERT_TRUE(Frame().GetActiveView());
        ToFront();
    }
    void ToFront()
    {
        SetForegroundWindow(Frame().GetHwnd());
        PumpUntil(*m_app, [&] { return GetForegroundWindow() == Frame().GetHwnd(); });
        SetFocus(Frame().GetActiveView()->GetHwnd());
        Pump(*m_app);
    }
    CMarlDoc& Doc() { return *static_cast<CMarlDoc*>(Frame().GetActiveView()->GetDocument()); }
    std::string Text()
    {
        std::string text;
        Doc().Core().GetText(0, Doc().Core().GetLength(), text);
        return text;
    }

    // Real keys, as the keyboard gives them, through the system's input.
    static void Input(UINT vk, bool up)
    {
        MacroKeyboard::Inject({up ? kMacroKeyUp : kMacroKeyDown, vk, 0, 0, 0});
    }
    void Press(UINT vk, std::initializer_list<UINT> held = {})
    {
        for (UINT key : held)
            Input(key, false);
        Input(vk, false);
        Input(vk, true);
        for (auto key = std::rbegin(held); key != std::rend(held); ++key)
            Input(*key, true);
        Pump(*m_app);
    }
    void Type(const std::string& text)
    {
        for (char c : text) {
            const SHORT key = VkKeyScanA(c);
            if (key & 0x100)
                Press(LOBYTE(key), {VK_SHIFT});
            else
                Press(LOBYTE(key));
        }
    }
    bool Recording() { return m_macros.Recorder().IsRecording(); }
    // F12, then until the last key is handled.
    void PlayAndWait()
    {
        Press(VK_F12);
        EXPECT_TRUE(PumpUntil(*m_app, [&] { return !m_macros.Recorder().IsPlaying(); }))
            << "the macro did not finish";
        Pump(*m_app);
    }
    std::string RecPane()
    {
        fw::StatusBar& status = Frame().GetStatusBar();
        return status.GetShownText(status.CommandToIndex(ID_INDICATOR_REC));
    }

    TestMacroCommands m_macros;
};

TEST_F(MacroTest, TypedTextPlaysBackAtTheCaret)
{
    StartEditor();
    Press(VK_F11);
    EXPECT_TRUE(Frame().m_bRecording);
    EXPECT_EQ(RecPane(), "REC");
    Type("ab");
    Press(VK_F11);
    EXPECT_FALSE(Frame().m_bRecording);
    EXPECT_EQ(RecPane(), "");
    // The F11 release of the start, two keys down and up; not the F11 press
    // that stopped it.
    EXPECT_EQ(m_macros.Recorder().Count(), 5);
    EXPECT_TRUE(fw::test::IsCommandEnabled(Frame(), ID_MACRO_PLAY));
    PlayAndWait();
    PlayAndWait();
    EXPECT_EQ(Text(), "ababab");
}

TEST_F(MacroTest, ShiftedLettersPlayBackAsCapitals)
{
    StartEditor();
    Press(VK_F11);
    Type("aB;");
    Press(VK_F11);
    PlayAndWait();
    EXPECT_EQ(Text(), "aB;aB;");
}

TEST_F(MacroTest, CtrlSInsideAMacroSaves)
{
    WriteText(Path("save.c"), "int a;\r\n");
    StartEditor(Path("save.c"));
    Press(VK_F11);
    Type("x");
    Press('S', {VK_CONTROL});
    Press(VK_F11);
    EXPECT_EQ(fw::test::ReadFileText(Path("save.c")), "xint a;\r\n");
    PlayAndWait();
    EXPECT_EQ(fw::test::ReadFileText(Path("save.c")), "xxint a;\r\n");
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(MacroTest, KeysReachTheDialogThatAReplayedKeyOpens)
{
    // Alt+Enter opens the Properties dialog; Space ticks its first box
    // ("UNIX file"), Enter closes it with OK.
    StartEditor();
    Press(VK_F11);
    // The keys go in as typed; the dialog's own loop takes them.
    fw::test::OnNextDialog("Document Properties", [&](HWND) {
        for (UINT key : {VK_SPACE, VK_RETURN}) {
            Input(key, false);
            Input(key, true);
        }
    });
    Press(VK_RETURN, {VK_MENU});
    EXPECT_TRUE(fw::test::DialogCame());
    ASSERT_TRUE(Doc().Core().m_bUnixFile);
    Press(VK_F11);

    Doc().Core().m_bUnixFile = false;
    PlayAndWait();
    EXPECT_FALSE(fw::test::FindOwnedDialog(nullptr))
        << "the replayed Enter did not close the dialog";
    EXPECT_TRUE(Doc().Core().m_bUnixFile) << "the replayed Space did not reach the dialog";
}

TEST_F(MacroTest, F12WhileRecordingEndsTheRecordingAndPlaysNothing)
{
    StartEditor();
    Press(VK_F11);
    Type("q");
    Press(VK_F12);
    EXPECT_FALSE(Recording());
    EXPECT_FALSE(Frame().m_bRecording);
    Pump(*m_app);
    EXPECT_EQ(RecPane(), "");
    EXPECT_EQ(m_macros.Recorder().Count(), 3); // F11 up, q down and up
    EXPECT_EQ(Text(), "q");
    EXPECT_FALSE(fw::test::IsCommandEnabled(Frame(), ID_MACRO_STOP));
}

TEST_F(MacroTest, KeysTypedIntoAnotherProgramAreNotRecorded)
{
    // Recording starts before the other program does: a program that starts
    // takes the foreground when its window shows, late on a busy machine,
    // and would take the F11 with it.
    StartEditor();
    Press(VK_F11);
    ASSERT_TRUE(Recording());
    const int before = m_macros.Recorder().Count();

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    char commandLine[] = "C:\\windows\\system32\\notepad.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    fw::File processHandle(process.hProcess);
    fw::File threadHandle(process.hThread);
    WaitForInputIdle(process.hProcess, 10000);
    // Waits here are long, and end as soon as the other program is there.
    constexpr int kSlowStart = 30000;
    HWND other = nullptr;
    PumpUntil(
        *m_app, [&] { return (other = FindWindowA("Notepad", nullptr)) != nullptr; }, kSlowStart);
    ASSERT_TRUE(other);
    HWND edit = FindWindowExA(other, nullptr, "Edit", nullptr);
    ASSERT_TRUE(edit);
    // Its edit control has the focus once it has handled its activation;
    // keys typed before would go elsewhere.
    ASSERT_TRUE(PumpUntil(
        *m_app,
        [&] {
            if (GetForegroundWindow() != other)
                SetForegroundWindow(other);
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetForegroundWindow() == other && GetGUIThreadInfo(process.dwThreadId, &info) &&
                   info.hwndFocus == edit;
        },
        kSlowStart))
        << "the other program's edit control never got the focus";
    Type("zz");
    // Another program's control answers for its text only when asked.
    auto otherText = [&] {
        char text[16] = {};
        SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    EXPECT_TRUE(PumpUntil(
        *m_app, [&] { return otherText() == "zz"; }, kSlowStart))
        << "the keys did not reach the other program: " << otherText();
    EXPECT_TRUE(Recording());
    EXPECT_EQ(m_macros.Recorder().Count(), before);

    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
}

TEST_F(MacroTest, SaveOnceLoadBackAndPlay)
{
    StartEditor();
    EXPECT_FALSE(fw::test::IsCommandEnabled(Frame(), ID_MACRO_SAVE));
    Press(VK_F11);
    Type("k");
    Press(VK_F11);
    m_macros.m_files = {Path("k.mac"), Path("other.mac")};
    Command(ID_MACRO_SAVE);
    EXPECT_EQ(Frame().m_strMacroPath, Path("k.mac"));
    const std::string saved = fw::test::ReadFileText(Path("k.mac"));
    const auto bytes = m_macros.Recorder().FileBytes();
    EXPECT_EQ(saved, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(saved.size(), 3u * 20);
    // Saved already: the second Save asks nothing.
    Command(ID_MACRO_SAVE);
    EXPECT_EQ(m_macros.m_asked, 1);

    // A new recording empties the path; loading the file replaces it.
    Press(VK_F11);
    Type("zzz");
    Press(VK_F11);
    EXPECT_EQ(Frame().m_strMacroPath, "");
    m_macros.m_files = {Path("k.mac")};
    Command(ID_MACRO_LOAD);
    EXPECT_EQ(Frame().m_strMacroPath, Path("k.mac"));
    EXPECT_EQ(m_macros.Recorder().Count(), 3);
    SetFocus(Frame().GetActiveView()->GetHwnd());
    PlayAndWait();
    EXPECT_EQ(Text(), "kzzzk");

    // A missing file loads nothing and leaves the macro.
    m_macros.m_files = {Path("missing.mac")};
    Command(ID_MACRO_LOAD);
    EXPECT_EQ(m_macros.Recorder().Count(), 3);
}

} // namespace
