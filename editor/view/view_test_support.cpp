#include "editor/view/view_test_support.h"

#include <fstream>
#include <iterator>
#include <ole2.h>

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
    return AnswerMessageBox(text, type);
}

bool TestApp::DoPromptFileName(std::string& fileName, UINT, bool, fw::DocTemplate*)
{
    if (m_fileNames.empty())
        return false;
    fileName = m_fileNames.front();
    m_fileNames.pop_front();
    return true;
}

void ViewTest::SetUp()
{
    OleInitialize(nullptr);
    m_folder = std::make_unique<fw::test::TestFolder>("vwt");

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
    fw::test::DrainQueue();
    g_pOptions = m_savedOptions;
    m_folder.reset();
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
    fw::test::PressKey(*m_app, vk, held);
}

void ViewTest::Chars(const std::string& text)
{
    fw::test::TypeChars(*m_app, text);
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
    fw::StateCmdUI ui(paneId);
    m_main->OnCmdMsg(paneId, fw::CmdCode::Update, &ui);
    return ui.m_text;
}

bool ViewTest::IsEnabled(UINT id)
{
    return fw::test::IsCommandEnabled(*m_main, id);
}

void ViewTest::SetClipboardText(const std::string& text)
{
    fw::test::SetClipboardText(m_main->GetHwnd(), text);
}

std::string ViewTest::ClipboardText()
{
    return fw::test::ClipboardText(m_main->GetHwnd());
}

} // namespace viewtest
