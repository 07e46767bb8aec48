#include "editor/view/view_test_support.h"

#include <fstream>
#include <iterator>
#include <ole2.h>

#include "framework/key_test_support.h"
#include "view_test_res.h"

namespace viewtest {

bool SplitChildFrame::OnCreateClient(CREATESTRUCTA&, fw::CreateContext* context)
{
    return m_splitter.CreateDynamic(*this, 2, SIZE{10, 10}, context);
}

bool MainFrame::LoadFrame(UINT idResource, DWORD style, fw::FrameWnd* parent,
                          fw::CreateContext* context)
{
    if (!fw::MDIFrameWnd::LoadFrame(idResource, style, parent, context))
        return false;
    // The editor's table, translated here in the main frame; the program's
    // editor window translates it in its own frame (the app tests go that way).
    m_keys.reset(CreateViewAccelerators());
    m_accel = m_keys.get();
    return m_accel != nullptr;
}

int TestApp::DoMessageBox(const std::string& text, UINT type, UINT)
{
    m_shown.push_back({text, type});
    if (!m_answers.empty()) {
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return (type & MB_TYPEMASK) == MB_OK ? IDOK : IDNO;
}

bool TestApp::DoPromptFileName(std::string& fileName, UINT, bool, fw::DocTemplate*)
{
    if (m_fileNames.empty())
        return false;
    fileName = m_fileNames.front();
    m_fileNames.pop_front();
    return true;
}

void Pump(fw::Application& app)
{
    MSG msg;
    for (int guard = 0; guard < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT)
            continue;
        if (!app.PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    for (LONG count = 0; count < 100 && app.OnIdle(count); ++count) {
    }
}

namespace {

struct PendingDialog {
    std::string caption;
    std::function<void(HWND)> action;
    UINT_PTR timer = 0;
    bool came = false;
};
PendingDialog g_dialog;

BOOL CALLBACK FindPendingDialog(HWND window, LPARAM found)
{
    char caption[128] = {};
    char kind[16] = {};
    GetWindowTextA(window, caption, sizeof caption);
    GetClassNameA(window, kind, sizeof kind);
    if (IsWindowVisible(window) && g_dialog.caption == caption && std::string(kind) == "#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PollForDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPendingDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !g_dialog.action)
        return;
    KillTimer(nullptr, g_dialog.timer);
    g_dialog.timer = 0;
    g_dialog.came = true;
    auto action = std::move(g_dialog.action);
    g_dialog.action = nullptr;
    action(dialog);
}

} // namespace

void OnNextDialog(const std::string& caption, std::function<void(HWND)> action)
{
    if (g_dialog.timer)
        KillTimer(nullptr, g_dialog.timer);
    g_dialog.caption = caption;
    g_dialog.action = std::move(action);
    g_dialog.came = false;
    g_dialog.timer = SetTimer(nullptr, 0, 20, PollForDialog);
}

bool DialogCame()
{
    const bool came = g_dialog.came;
    if (g_dialog.timer)
        KillTimer(nullptr, g_dialog.timer);
    g_dialog = PendingDialog();
    return came;
}

void ClickButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    SendMessageA(button, BM_CLICK, 0, 0);
}

void ViewTest::SetUp()
{
    OleInitialize(nullptr);
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    char dir[MAX_PATH] = {};
    GetTempFileNameA(temp, "vwt", 0, dir);
    DeleteFileA(dir);
    CreateDirectoryA(dir, nullptr);
    m_dir = dir;

    m_savedOptions = g_pOptions;
    m_options.m_nTabLength = 4;
    m_options.m_bBackup = 0;
    g_pOptions = &m_options;

    m_app = std::make_unique<TestApp>();
    m_app->InitApplication(nullptr, "", SW_SHOWNORMAL);
    m_app->Profile().SetFileName(Path("viewtest.ini"));
    // Backgrounds that tell the colour slots apart on screen.
    m_app->m_settings.Color(ColorItem::CBk).Set(1090);            // yellow
    m_app->m_settings.Color(ColorItem::CommentBk).Set(1092);      // cyan
    m_app->m_settings.Color(ColorItem::BookmarkBk).Set(1100);     // dark cyan
    m_app->m_settings.Color(ColorItem::PreprocessorBk).Set(1088); // green
    m_app->AddDocTemplate(
        std::make_unique<fw::MultiDocTemplate>(IDR_VIEWTEST_DOC, fw::Make<CMarlDoc>(),
                                               fw::Make<SplitChildFrame>(), fw::Make<CMarlView>()));
    auto frame = std::make_unique<MainFrame>();
    ASSERT_TRUE(frame->LoadFrame(IDR_VIEWTEST_MAIN)) << "no main frame: is there a display?";
    m_main = frame.get();
    m_app->SetMainFrame(std::move(frame));
    SetWindowPos(m_main->GetHwnd(), nullptr, 0, 0, 640, 480, SWP_NOZORDER);
    ShowWindow(m_main->GetHwnd(), SW_SHOWNORMAL);
    Pump(*m_app);
}

void ViewTest::TearDown()
{
    if (m_app) {
        m_app->CloseAllDocuments(true);
        m_app.reset();
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    g_pOptions = m_savedOptions;
    WIN32_FIND_DATAA found;
    fw::FindHandle find(FindFirstFileA((m_dir + "\\*").c_str(), &found));
    if (find) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..") {
                SetFileAttributesA(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(Path(name).c_str());
            }
        } while (FindNextFileA(find.get(), &found));
    }
    find.reset();
    RemoveDirectoryA(m_dir.c_str());
    OleUninitialize();
}

CMarlDoc* ViewTest::OpenText(const std::string& name, const std::string& text)
{
    WriteFile(Path(name), text);
    auto* doc = dynamic_cast<CMarlDoc*>(m_app->OpenDocumentFile(Path(name)));
    Pump(*m_app);
    if (Child())
        ShowWindow(Child()->GetHwnd(), SW_MAXIMIZE);
    Pump(*m_app);
    if (CMarlView* view = View()) {
        SetFocus(view->GetHwnd());
        UpdateWindow(view->GetHwnd());
    }
    Pump(*m_app);
    return doc;
}

void ViewTest::Activate(CMarlView* view)
{
    Child()->SetActiveView(view);
    SetFocus(view->GetHwnd());
    Pump(*m_app);
}

SplitChildFrame* ViewTest::Child() const
{
    return dynamic_cast<SplitChildFrame*>(m_main->MDIGetActive());
}

CMarlView* ViewTest::View() const
{
    return dynamic_cast<CMarlView*>(m_main->GetActiveView());
}

CMarlView* ViewTest::Pane(int row) const
{
    return Child() ? dynamic_cast<CMarlView*>(Child()->m_splitter.GetPane(row)) : nullptr;
}

bool ViewTest::SplitInTwo()
{
    if (!Child() || !Child()->m_splitter.SplitRow(150))
        return false;
    Pump(*m_app);
    return Pane(0) && Pane(1);
}

std::string ViewTest::DocText() const
{
    std::string text;
    MarlDocCore& core = View()->Text();
    core.GetText(0, core.GetLength(), text);
    return text;
}

void ViewTest::Key(UINT vk, std::initializer_list<UINT> held)
{
    fwtest::PressKey(*m_app, vk, held);
}

void ViewTest::Chars(const std::string& text)
{
    for (char c : text)
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump(*m_app);
}

POINT ViewTest::CellPoint(int row, int column, CMarlView* view) const
{
    if (!view)
        view = View();
    const int w = view->GetCharWidth();
    return POINT{w + view->GetHorizontalOffset() + (column - 1) * w + w / 2,
                 row * view->GetLineHeight() + view->GetLineHeight() / 2};
}

RECT ViewTest::ClientArea(CMarlView* view) const
{
    RECT client{};
    GetClientRect((view ? view : View())->GetHwnd(), &client);
    return client;
}

std::string ViewTest::RepeatedLines(const std::string& line, int count)
{
    std::string text;
    text.reserve(line.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

void ViewTest::Click(int x, int y, UINT extraFlags)
{
    HWND view = View()->GetHwnd();
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON | extraFlags, MAKELPARAM(x, y));
    SendMessageA(view, WM_LBUTTONUP, extraFlags, MAKELPARAM(x, y));
    Pump(*m_app);
}

void ViewTest::DoubleClick(int x, int y)
{
    HWND view = View()->GetHwnd();
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    SendMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(view, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump(*m_app);
}

void ViewTest::Drag(int x, int y)
{
    SendMessageA(View()->GetHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
}

void ViewTest::Release(int x, int y)
{
    SendMessageA(View()->GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Pump(*m_app);
}

std::string ViewTest::PaneText(UINT paneId)
{
    fw::TestCmdUI ui(paneId);
    m_main->OnCmdMsg(paneId, fw::CmdCode::Update, &ui);
    return ui.m_text;
}

bool ViewTest::IsEnabled(UINT id)
{
    fw::TestCmdUI ui(id);
    ui.DoUpdate(*m_main, true);
    return ui.m_bEnabled;
}

void ViewTest::SetClipboardText(const std::string& text)
{
    fw::ClipboardSession clipboard(m_main->GetHwnd());
    ASSERT_TRUE(clipboard.IsOpen());
    clipboard.Empty();
    fw::GlobalMemory memory = fw::GlobalMemory::Alloc(text.size() + 1);
    {
        fw::GlobalLockGuard<char> bytes(memory);
        std::copy(text.begin(), text.end(), bytes.get());
    }
    clipboard.SetData(CF_TEXT, memory);
}

std::string ViewTest::ClipboardText()
{
    fw::ClipboardSession clipboard(m_main->GetHwnd());
    HANDLE data = clipboard.GetData(CF_TEXT);
    if (!data)
        return "<none>";
    fw::GlobalLockGuard<char> bytes(static_cast<HGLOBAL>(data));
    return bytes ? std::string(bytes.get()) : std::string();
}

std::string ViewTest::ReadFile(const std::string& path) const
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ViewTest::WriteFile(const std::string& path, const std::string& bytes) const
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace viewtest
