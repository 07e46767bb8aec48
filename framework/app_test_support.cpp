#include "framework/app_test_support.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "framework/handles.h"

namespace fwtest {

RouteProbe& Route()
{
    static RouteProbe probe;
    return probe;
}

// ---- Document ---------------------------------------------------------------

void TestDoc::DeleteContents()
{
    m_text.clear();
    ++m_deleteContentsCalls;
}

bool TestDoc::LoadContents(std::string_view data)
{
    m_text.assign(data);
    return true;
}

bool TestDoc::SaveContents(std::string& data)
{
    data = m_text;
    return true;
}

void TestDoc::Edit(const std::string& text)
{
    m_text = text;
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

bool TestDoc::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<TestDoc> map{{ID_TEST_ROUTE, &TestDoc::OnRoute}};
    return map.Dispatch(*this, id, code, ui) || fw::Document::HandleCommand(id, code, ui);
}

bool TestDoc::OnRoute(UINT)
{
    return Route().Ask("document");
}

// ---- View -------------------------------------------------------------------

void TestView::OnInitialUpdate()
{
    ++m_initialUpdates;
    fw::View::OnInitialUpdate();
}

void TestView::OnUpdate(fw::View* sender, LPARAM hint, void* object)
{
    m_updates.push_back({sender, hint, object});
    fw::View::OnUpdate(sender, hint, object);
}

void TestView::OnDraw(HDC dc)
{
    RECT area{};
    GetClientRect(m_hWnd, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    if (TestDoc* doc = GetDoc()) {
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
        DrawTextA(dc, doc->m_text.c_str(), static_cast<int>(doc->m_text.size()), &area,
                  DT_LEFT | DT_TOP | DT_EXPANDTABS | DT_NOPREFIX);
    }
}

void TestView::OnActivateView(bool activate, fw::View* activated, fw::View* deactivated)
{
    if (activate)
        ++m_activations;
    fw::View::OnActivateView(activate, activated, deactivated);
}

bool TestView::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<TestView> map{
        {ID_TEST_ROUTE, &TestView::OnRoute},
        {ID_TEST_DISABLED, &TestView::OnDisabled},
        {ID_TEST_DISABLED, &TestView::OnUpdateDisabled},
        {ID_TEST_KEY_DISABLED, &TestView::OnDisabled},
        {ID_TEST_KEY_DISABLED, &TestView::OnUpdateDisabled},
        {ID_TEST_ENABLED, &TestView::OnEnabled},
        {ID_TEST_CHECKED, &TestView::OnChecked},
        {ID_TEST_CHECKED, &TestView::OnUpdateChecked},
        {ID_TEST_TEXT, &TestView::OnUpdateText},
        {ID_TEST_RADIO, &TestView::OnUpdateRadio},
        {ID_TEST_PANE, &TestView::OnUpdatePane},
    };
    return map.Dispatch(*this, id, code, ui) || fw::View::HandleCommand(id, code, ui);
}

bool TestView::OnRoute(UINT)
{
    return Route().Ask("view");
}

// ---- Child frame ------------------------------------------------------------

int TestChildFrame::s_destroyed = 0;
int TestChildFrame::s_firstShow = -1;

bool TestChildFrame::OnCreateClient(CREATESTRUCTA&, fw::CreateContext* context)
{
    return m_splitter.CreateDynamic(*this, 2, SIZE{10, 10}, context);
}

void TestChildFrame::ActivateFrame(int nCmdShow)
{
    if (m_activateCalls.empty() && s_firstShow != -1)
        nCmdShow = s_firstShow;
    m_activateCalls.push_back(nCmdShow);
    fw::MDIChildWnd::ActivateFrame(nCmdShow);
}

void TestChildFrame::OnDestroy()
{
    fw::MDIChildWnd::OnDestroy();
    ++s_destroyed;
}

bool TestChildFrame::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<TestChildFrame> map{{ID_TEST_ROUTE, &TestChildFrame::OnRoute}};
    return map.Dispatch(*this, id, code, ui) || fw::MDIChildWnd::HandleCommand(id, code, ui);
}

bool TestChildFrame::OnRoute(UINT)
{
    return Route().Ask("child frame");
}

// ---- Main frame -------------------------------------------------------------

bool TestMainFrame::OnCreate(CREATESTRUCTA& cs)
{
    if (!fw::MDIFrameWnd::OnCreate(cs))
        return false;
    EnableDocking(fw::kDockAny);
    if (m_wantBars.toolbar) {
        static const UINT items[] = {ID_FILE_NEW,  ID_FILE_OPEN,     ID_FILE_SAVE,
                                     ID_SEPARATOR, ID_TEST_DISABLED, ID_TEST_CHECKED,
                                     ID_SEPARATOR, ID_TEST_UNHANDLED};
        if (!m_toolBar.Create(*this) || !m_toolBar.LoadToolBar(IDB_TESTTOOLBAR, items))
            return false;
    }
    if (m_wantBars.statusBar) {
        static const UINT panes[] = {ID_SEPARATOR, ID_TEST_PANE, ID_INDICATOR_REC,
                                     ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        if (!m_statusBar.Create(*this) || !m_statusBar.SetIndicators(panes))
            return false;
    }
    if (m_wantBars.dialogBar && !m_dialogBar.Create(*this, fw::DockEdge::Left, ID_TEST_DIALOGBAR))
        return false;
    return true;
}

std::string TestMainFrame::GetIdleText()
{
    return m_idleText.empty() ? fw::MDIFrameWnd::GetIdleText() : m_idleText;
}

void TestMainFrame::OnActivateApp(bool active, DWORD otherThread)
{
    m_appActivations.push_back(active);
    fw::MDIFrameWnd::OnActivateApp(active, otherThread);
}

bool TestMainFrame::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<TestMainFrame> map{
        {ID_TEST_ROUTE, &TestMainFrame::OnRoute},
        {ID_TEST_BARBUTTON, &TestMainFrame::OnBarButton},
    };
    return map.Dispatch(*this, id, code, ui) || fw::MDIFrameWnd::HandleCommand(id, code, ui);
}

bool TestMainFrame::OnRoute(UINT)
{
    return Route().Ask("main frame");
}

// ---- Application --------------------------------------------------------------

int TestApp::DoMessageBox(const std::string& text, UINT type, UINT)
{
    // Unexpected questions change nothing.
    return AnswerMessageBox(text, type, IDCANCEL);
}

bool TestApp::DoPromptFileName(std::string& fileName, UINT, bool, fw::DocTemplate*)
{
    if (m_fileNames.empty())
        return false;
    fileName = m_fileNames.front();
    m_fileNames.pop_front();
    return true;
}

bool TestApp::OnDDECommand(const std::string& command)
{
    m_ddeCommands.push_back(command);
    return m_acceptDde;
}

bool TestApp::ShowHelp(ULONG_PTR data, UINT command)
{
    m_helpCalls.emplace_back(data, command);
    return true;
}

bool TestApp::OnIdle(LONG count)
{
    m_idleCounts.push_back(count);
    bool more = fw::Application::OnIdle(count);
    if (static_cast<int>(m_idleCounts.size()) == m_quitOnIdleCall)
        PostQuitMessage(42);
    return more || count < m_moreIdleUntil;
}

bool TestApp::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<TestApp> map{{ID_TEST_ROUTE, &TestApp::OnRoute}};
    return map.Dispatch(*this, id, code, ui) || fw::Application::HandleCommand(id, code, ui);
}

bool TestApp::OnRoute(UINT)
{
    return Route().Ask("application");
}

// ---- Fixture ------------------------------------------------------------------

void AppTest::SetUp()
{
    m_folder = std::make_unique<fw::test::TestFolder>("fwt");
    Route() = RouteProbe{};
    TestChildFrame::s_firstShow = -1;
    MakeApp();
    MakeMainFrame();
}

void AppTest::MakeApp()
{
    m_app = std::make_unique<TestApp>();
    m_app->InitApplication(nullptr, "", SW_SHOWNORMAL);
    m_app->Profile().SetFileName(Path("fwtest.ini"));
    m_app->LoadStdProfileSettings(4);
    m_app->AddDocTemplate(std::make_unique<fw::MultiDocTemplate>(
        IDR_TESTDOC, fw::Make<TestDoc>(), fw::Make<TestChildFrame>(), fw::Make<TestView>()));
}

void AppTest::MakeMainFrame(BarSet bars, bool show)
{
    if (m_app->GetMainFrame())
        m_app->SetMainFrame(nullptr);
    auto frame = std::make_unique<TestMainFrame>(bars);
    ASSERT_TRUE(frame->LoadFrame(IDR_TESTMAIN)) << "no main frame: is there a display?";
    m_main = frame.get();
    m_app->SetMainFrame(std::move(frame));
    SetWindowPos(m_main->GetHwnd(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
    // Hidden unless needed: hiding a top-level window costs Wine two
    // seconds without a window manager.
    if (show)
        ShowWindow(m_main->GetHwnd(), SW_SHOWNORMAL);
    Pump(*m_app);
}

void AppTest::DestroyApp()
{
    m_app.reset();
    m_main = nullptr;
    fw::test::DrainQueue();
}

void AppTest::TearDown()
{
    DestroyApp();
    m_folder.reset();
}

TestDoc* AppTest::NewDocument()
{
    size_t before = Documents().size();
    Command(ID_FILE_NEW);
    std::vector<fw::Document*> docs = Documents();
    return docs.size() > before ? static_cast<TestDoc*>(docs.back()) : nullptr;
}

TestDoc* AppTest::Open(const std::string& path)
{
    fw::Document* doc = m_app->OpenDocumentFile(path);
    Pump(*m_app);
    return static_cast<TestDoc*>(doc);
}

TestChildFrame* AppTest::ActiveChild() const
{
    return dynamic_cast<TestChildFrame*>(m_main->MDIGetActive());
}

TestView* AppTest::ActiveView() const
{
    return dynamic_cast<TestView*>(m_main->GetActiveView());
}

void AppTest::Command(UINT id)
{
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump(*m_app);
}

void AppTest::Key(UINT vk)
{
    HWND target = GetFocus() ? GetFocus() : m_main->GetHwnd();
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
    Pump(*m_app);
}


} // namespace fwtest
