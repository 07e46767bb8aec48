// A single-document program (the installer's kind): one document in the
// main frame, its view filling the frame, New and Open reusing them.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"
#include "framework/frame_wnd.h"

namespace fwtest {
namespace {

class SdiTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        DestroyApp();
        m_app = std::make_unique<TestApp>();
        m_app->InitApplication(nullptr, "", SW_HIDE);
        m_app->Profile().SetFileName(Path("fwtest.ini"));
        m_app->AddDocTemplate(std::make_unique<fw::SingleDocTemplate>(
            IDR_TESTDOC, fw::Make<TestDoc>(), fw::Make<fw::FrameWnd>(), fw::Make<TestView>()));
    }
    fw::FrameWnd* Frame() const { return m_app->GetMainFrame(); }
};

TEST_F(SdiTest, NewMakesTheMainFrameWithItsViewAndRoutesThroughIt)
{
    m_app->OnFileNew();
    Pump(*m_app);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_EQ(Documents().size(), 1u);
    TestDoc* doc = static_cast<TestDoc*>(Documents()[0]);
    EXPECT_EQ(doc->GetTitle(), "Test");
    ASSERT_EQ(doc->GetViews().size(), 1u);
    fw::View* view = doc->GetViews()[0];
    EXPECT_EQ(Frame()->GetActiveView(), view);
    RECT client{}, area{};
    GetClientRect(Frame()->GetHwnd(), &client);
    GetWindowRect(view->GetHwnd(), &area);
    EXPECT_EQ(area.right - area.left, client.right) << "the view fills the frame";
    EXPECT_EQ(area.bottom - area.top, client.bottom);

    SendMessageA(Frame()->GetHwnd(), WM_COMMAND, ID_TEST_ROUTE, 0);
    EXPECT_EQ(Route().asked, (std::vector<std::string>{"view", "document", "application"}));
}

TEST_F(SdiTest, NewAndOpenReuseTheDocumentAfterAskingToSave)
{
    m_app->OnFileNew();
    TestDoc* doc = static_cast<TestDoc*>(Documents().at(0));
    doc->Edit("unsaved");
    m_app->m_answers = {IDCANCEL};
    m_app->OnFileNew();
    EXPECT_EQ(doc->m_text, "unsaved");
    m_app->m_answers = {IDNO};
    m_app->OnFileNew();
    EXPECT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents()[0], doc);
    EXPECT_EQ(doc->m_text, "");
    EXPECT_EQ(m_app->m_shown.size(), 2u);

    WriteText(Path("a.tst"), "alpha");
    ASSERT_EQ(Open(Path("a.tst")), doc);
    EXPECT_EQ(doc->m_text, "alpha");
    EXPECT_EQ(static_cast<TestView*>(doc->GetViews()[0])->m_initialUpdates, 3);
    char title[128] = {};
    GetWindowTextA(Frame()->GetHwnd(), title, sizeof title);
    EXPECT_STREQ(title, "Fw Test - a.tst");

    HWND frame = Frame()->GetHwnd();
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_TRUE(Documents().empty());
}

} // namespace
} // namespace fwtest
