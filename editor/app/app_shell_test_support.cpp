#include "editor/app/app_shell_test_support.h"

#include <fstream>

#include "editor/app/marl_doc_kinds.h"
#include "editor/res/resource.h"

namespace shelltest {

namespace {
constexpr std::uint64_t kTicksPerSecond = 10000000ULL;
constexpr std::uint64_t kEpochDifference = 11644473600ULL;
} // namespace

std::int64_t FileTimeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    ULARGE_INTEGER t{};
    t.LowPart = data.ftLastWriteTime.dwLowDateTime;
    t.HighPart = data.ftLastWriteTime.dwHighDateTime;
    return static_cast<std::int64_t>(t.QuadPart / kTicksPerSecond - kEpochDifference);
}

void SetFileTimeOf(const std::string& path, std::int64_t seconds)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    ULARGE_INTEGER t{};
    t.QuadPart = (static_cast<std::uint64_t>(seconds) + kEpochDifference) * kTicksPerSecond;
    FILETIME ft{t.LowPart, t.HighPart};
    SetFileTime(file, nullptr, nullptr, &ft);
    CloseHandle(file);
}

bool ShellTestDoc::OnOpenDocument(const std::string& path)
{
    ++m_opens;
    if (!fw::Document::OnOpenDocument(path))
        return false;
    m_recordedTime = FileTimeOf(path);
    m_hasRecordedTime = true;
    return true;
}

bool ShellTestDoc::OnSaveDocument(const std::string& path)
{
    if (!fw::Document::OnSaveDocument(path))
        return false;
    m_recordedTime = FileTimeOf(path);
    m_hasRecordedTime = true;
    return true;
}

bool ShellTestDoc::LoadContents(std::string_view data)
{
    m_text = data;
    return true;
}

bool ShellTestDoc::SaveContents(std::string& data)
{
    data = m_text;
    return true;
}

void ShellTestView::OnUpdate(fw::View* sender, LPARAM hint, void* object)
{
    m_hints.push_back(hint);
    fw::View::OnUpdate(sender, hint, object);
}

bool ShellTestView::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    if (id == ID_FILE_PRINT && code == fw::CmdCode::Execute) {
        auto* app = dynamic_cast<CMarlApp*>(fw::Application::Current());
        s_prints.push_back(app && app->m_bShellPrint);
        return true;
    }
    if (id == ID_SETTINGS_CHANGED && code == fw::CmdCode::Execute) {
        ++m_settingsChanged;
        return true;
    }
    return fw::View::HandleCommand(id, code, ui);
}

void ShellTestAccess::WriteTempCopy(fw::Document& doc)
{
    ++static_cast<ShellTestDoc&>(doc).m_tempCopies;
}

std::optional<std::int64_t> ShellTestAccess::RecordedFileTime(const fw::Document& doc) const
{
    const auto& d = static_cast<const ShellTestDoc&>(doc);
    return d.m_hasRecordedTime ? std::optional<std::int64_t>(d.m_recordedTime) : std::nullopt;
}

bool ShellTestAccess::IsSaving(const fw::Document& doc) const
{
    return static_cast<const ShellTestDoc&>(doc).m_bSaving;
}

void ShellTestAccess::SetReadOnly(fw::Document& doc, bool readOnly)
{
    static_cast<ShellTestDoc&>(doc).m_bReadOnly = readOnly;
}

namespace {
MarlDocKinds TestDocKinds()
{
    return {fw::Make<ShellTestDoc>(), fw::Make<ShellTestView>(),
            std::make_unique<ShellTestAccess>()};
}
} // namespace

ShellTestApp::ShellTestApp() : ShellTestApp(TestDocKinds()) {}

ShellTestApp::ShellTestApp(MarlDocKinds kinds, MarlAppHooks hooks)
    : CMarlApp(std::move(kinds), hooks)
{
}

int ShellTestApp::DoMessageBox(const std::string& text, UINT type, UINT)
{
    return AnswerMessageBox(text, type);
}

void ShellTest::SetUp()
{
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    m_startDirectory = current;
    m_folder = std::make_unique<fw::test::TestFolder>("ash");
}

void ShellTest::TearDown()
{
    if (m_app)
        Exit();
    SetCurrentDirectoryA(m_startDirectory.c_str());
    m_folder.reset();
}

void ShellTest::Start(const std::string& commandLine, const std::string& profile)
{
    if (!profile.empty())
        WriteText(ProfilePath(), profile);
    m_app = m_editorDocuments
                ? std::make_unique<ShellTestApp>(MakeMarlDocKinds(), m_hooks)
                : std::make_unique<ShellTestApp>(TestDocKinds(), m_hooks);
    m_app->InitApplication(nullptr, commandLine.c_str(), SW_SHOWNORMAL);
    m_app->SetProfileFileName(ProfilePath());
    ASSERT_TRUE(m_app->InitInstance()) << "no main frame: is there a display?";
    Pump(*m_app);
}

int ShellTest::Exit()
{
    if (HWND main = m_app->GetMainWnd(); main && IsWindow(main)) {
        m_app->m_answers.push_back(IDNO); // do not save changes
        SendMessageA(main, WM_CLOSE, 0, 0);
    }
    int code = m_app->ExitInstance();
    m_app.reset();
    fw::test::DrainQueue();
    return code;
}

ShellTestDoc* ShellTest::Open(const std::string& path)
{
    return static_cast<ShellTestDoc*>(m_app->OpenDocumentFile(path));
}

void ShellTest::Command(UINT id)
{
    SendMessageA(Frame().GetHwnd(), WM_COMMAND, id, 0);
    Pump(*m_app);
}

void ShellTest::Key(UINT vk, std::initializer_list<UINT> held)
{
    fw::test::PressKey(*m_app, vk, held);
}

std::string ShellTest::ReadProfile(const char* section, const char* key) const
{
    char value[512] = {};
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, ProfilePath().c_str());
    return value;
}


} // namespace shelltest
