// New, Open, Save, Save As, Close and exit with real files: titles, the
// question to save changes, file errors by cause, several views of one
// document kept in step.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "framework/app_test_support.h"
#include "framework/handles.h"

namespace fwtest {
namespace {

class DocumentFlowTest : public AppTest {
protected:
    static std::string WindowText(HWND hWnd) { return fw::test::WindowText(hWnd); }
    // Holds `path` open with no sharing, as another program might.
    fw::File Lock(const std::string& path) const
    {
        return fw::File(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    std::string LastMessage() const
    {
        return m_app->m_shown.empty() ? std::string() : m_app->m_shown.back().text;
    }
};

TEST_F(DocumentFlowTest, NewDocumentsAreNumberedAndTheFrameShowsTheActiveOne)
{
    TestDoc* first = NewDocument();
    TestDoc* second = NewDocument();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetTitle(), "Test1");
    EXPECT_EQ(second->GetTitle(), "Test2");
    EXPECT_TRUE(second->GetPathName().empty());
    EXPECT_FALSE(second->IsModified());
    ASSERT_NE(ActiveChild(), nullptr);
    EXPECT_EQ(WindowText(ActiveChild()->GetHwnd()), "Test2");
    EXPECT_EQ(WindowText(Main().GetHwnd()), "Fw Test - Test2");
    EXPECT_EQ(ActiveView()->m_initialUpdates, 1);
}

TEST_F(DocumentFlowTest, OpenReadsTheFileAndAnOpenDocumentIsActivatedInstead)
{
    WriteText(Path("a.tst"), "alpha");
    WriteText(Path("b.tst"), "beta");
    TestDoc* a = Open(Path("a.tst"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->m_text, "alpha");
    EXPECT_FALSE(a->IsModified());
    EXPECT_EQ(a->GetPathName(), Path("a.tst"));
    EXPECT_EQ(a->GetTitle(), "a.tst");
    TestDoc* b = Open(Path("b.tst"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(ActiveView()->GetDoc(), b);

    // The same file again, spelled differently: no second document.
    std::string upper = Path("A.TST");
    EXPECT_EQ(Open(upper), a);
    EXPECT_EQ(Documents().size(), 2u);
    EXPECT_EQ(ActiveView()->GetDoc(), a);
    EXPECT_TRUE(m_app->m_shown.empty());
}

TEST_F(DocumentFlowTest, OpenFailuresAreReportedByCauseAndLeaveNothingBehind)
{
    WriteText(Path("locked.tst"), "x");
    fw::File lock = Lock(Path("locked.tst"));
    ASSERT_TRUE(lock);
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {Path("missing.tst"),
         "missing.tst\nCannot find this file.\nPlease verify that the correct path and file "
         "name are given."},
        {Path("nodir\\x.tst"),
         "x.tst\nCannot find this file.\nPlease verify that the correct path and file name are "
         "given."},
        {Path("locked.tst"), "Unable to read from locked.tst, it is opened by someone else."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        m_app->m_shown.clear();
        EXPECT_EQ(Open(c.path), nullptr);
        ASSERT_EQ(m_app->m_shown.size(), 1u);
        EXPECT_EQ(m_app->m_shown[0].text, c.message);
        EXPECT_EQ(m_app->m_shown[0].type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        EXPECT_TRUE(Documents().empty());
        EXPECT_TRUE(Main().GetChildFrames().empty());
    }
}

TEST_F(DocumentFlowTest, SaveWritesUnderTheDocumentsNameAndClearsModified)
{
    WriteText(Path("a.tst"), "one");
    TestDoc* doc = Open(Path("a.tst"));
    ASSERT_NE(doc, nullptr);
    doc->Edit("two");
    EXPECT_TRUE(doc->IsModified());
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadText(Path("a.tst")), "two");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(m_app->m_shown.empty());
}

TEST_F(DocumentFlowTest, SavingAnUntitledDocumentAsksForAName)
{
    TestDoc* doc = NewDocument();
    ASSERT_NE(doc, nullptr);
    doc->Edit("fresh");
    Command(ID_FILE_SAVE); // the name dialog is cancelled
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().empty());

    m_app->m_fileNames.push_back(Path("new.tst"));
    Command(ID_FILE_SAVE);
    EXPECT_EQ(ReadText(Path("new.tst")), "fresh");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), Path("new.tst"));
    EXPECT_EQ(doc->GetTitle(), "new.tst");
    EXPECT_EQ(WindowText(ActiveChild()->GetHwnd()), "new.tst");
    ASSERT_GT(m_app->GetRecentFileList()->GetCount(), 0);
    EXPECT_EQ((*m_app->GetRecentFileList())[0], Path("new.tst"));
}

TEST_F(DocumentFlowTest, SaveAsWritesTheNewFileAndLeavesTheOldOne)
{
    WriteText(Path("a.tst"), "one");
    TestDoc* doc = Open(Path("a.tst"));
    ASSERT_NE(doc, nullptr);
    doc->Edit("two");
    m_app->m_fileNames.push_back(Path("b.tst"));
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadText(Path("a.tst")), "one");
    EXPECT_EQ(ReadText(Path("b.tst")), "two");
    EXPECT_EQ(doc->GetPathName(), Path("b.tst"));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocumentFlowTest, SaveFailuresAreReportedByCauseAndTheDocumentStaysModified)
{
    WriteText(Path("locked.tst"), "old");
    fw::File lock = Lock(Path("locked.tst"));
    struct Case {
        std::string target;
        std::string message;
    };
    const Case cases[] = {
        {Path("locked.tst"),
         "Unable to write to locked.tst, it is read-only or opened by someone else."},
        {Path("nodir\\x.tst"),
         "x.tst\nCannot find this file.\nPlease verify that the correct path and file name are "
         "given."},
    };
    TestDoc* doc = NewDocument();
    ASSERT_NE(doc, nullptr);
    doc->Edit("new");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        m_app->m_shown.clear();
        m_app->m_fileNames.push_back(c.target);
        Command(ID_FILE_SAVE_AS);
        ASSERT_EQ(m_app->m_shown.size(), 1u);
        EXPECT_EQ(m_app->m_shown[0].text, c.message);
        EXPECT_TRUE(doc->IsModified());
        EXPECT_TRUE(doc->GetPathName().empty());
    }
    lock.reset();
    EXPECT_EQ(ReadText(Path("locked.tst")), "old");
}

TEST_F(DocumentFlowTest, CloseAsksToSaveChangesAndFollowsTheAnswer)
{
    struct Case {
        int answer;
        bool stillOpen;
        std::string onDisk;
    };
    const Case cases[] = {
        {IDCANCEL, true, "one"},
        {IDNO, false, "one"},
        {IDYES, false, "two"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        WriteText(Path("a.tst"), "one");
        TestDoc* doc = Open(Path("a.tst"));
        ASSERT_NE(doc, nullptr);
        doc->Edit("two");
        m_app->m_shown.clear();
        m_app->m_answers = {c.answer};
        Command(ID_FILE_CLOSE);
        ASSERT_EQ(m_app->m_shown.size(), 1u);
        EXPECT_EQ(m_app->m_shown[0].text, "Save changes to " + Path("a.tst") + "?");
        EXPECT_EQ(m_app->m_shown[0].type & MB_TYPEMASK, UINT(MB_YESNOCANCEL));
        EXPECT_EQ(m_app->m_shown[0].type & MB_ICONMASK, UINT(MB_ICONQUESTION));
        EXPECT_EQ(Documents().size(), c.stillOpen ? 1u : 0u);
        EXPECT_EQ(Main().GetChildFrames().size(), c.stillOpen ? 1u : 0u);
        EXPECT_EQ(ReadText(Path("a.tst")), c.onDisk);
        if (c.stillOpen)
            m_app->CloseAllDocuments(false);
    }
}

TEST_F(DocumentFlowTest, ClosingOneOfTwoWindowsOfADocumentDoesNotAsk)
{
    WriteText(Path("a.tst"), "one");
    TestDoc* doc = Open(Path("a.tst"));
    ASSERT_NE(doc, nullptr);
    doc->Edit("two");
    Command(ID_WINDOW_NEW);
    ASSERT_EQ(Main().GetChildFrames().size(), 2u);
    EXPECT_EQ(WindowText(ActiveChild()->GetHwnd()), "a.tst:2");
    EXPECT_EQ(WindowText(Main().GetHwnd()), "Fw Test - a.tst:2");

    SendMessageA(ActiveChild()->GetHwnd(), WM_CLOSE, 0, 0);
    Pump(*m_app);
    EXPECT_TRUE(m_app->m_shown.empty());
    ASSERT_EQ(Main().GetChildFrames().size(), 1u);
    EXPECT_EQ(WindowText(Main().GetChildFrames()[0]->GetHwnd()), "a.tst");

    m_app->m_answers = {IDNO};
    SendMessageA(Main().GetChildFrames()[0]->GetHwnd(), WM_CLOSE, 0, 0);
    Pump(*m_app);
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_TRUE(Documents().empty());
}

TEST_F(DocumentFlowTest, ExitAsksForEachModifiedDocumentAndCancelKeepsTheProgram)
{
    NewDocument()->Edit("1");
    NewDocument()->Edit("2");
    HWND main = Main().GetHwnd();
    m_app->m_answers = {IDCANCEL};
    SendMessageA(main, WM_CLOSE, 0, 0);
    Pump(*m_app);
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(Documents().size(), 2u);

    m_app->m_answers = {IDNO, IDNO};
    Command(ID_APP_EXIT);
    EXPECT_EQ(m_app->m_shown.size(), 3u);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(Documents().empty());
}

TEST_F(DocumentFlowTest, UpdateAllViewsReachesTheOtherViewsWithSenderHintAndObject)
{
    TestDoc* doc = NewDocument();
    ASSERT_NE(doc, nullptr);
    TestView* first = ActiveView();
    Command(ID_WINDOW_NEW);
    TestView* second = ActiveView();
    ASSERT_TRUE(first && second && first != second);
    ASSERT_EQ(doc->GetViews().size(), 2u);
    const size_t firstSeen = first->m_updates.size();
    int marker = 0;
    doc->UpdateAllViews(first, 7, &marker);
    EXPECT_EQ(first->m_updates.size(), firstSeen);
    ASSERT_FALSE(second->m_updates.empty());
    EXPECT_EQ(second->m_updates.back().sender, first);
    EXPECT_EQ(second->m_updates.back().hint, 7);
    EXPECT_EQ(second->m_updates.back().object, &marker);
}

TEST_F(DocumentFlowTest, DroppedFilesAreOpened)
{
    WriteText(Path("a.tst"), "alpha");
    WriteText(Path("b.tst"), "beta");
    std::string names = Path("a.tst") + '\0' + Path("b.tst") + '\0' + '\0';
    fw::GlobalMemory block = fw::GlobalMemory::Alloc(sizeof(DROPFILES) + names.size());
    {
        fw::GlobalLockGuard<char> lock(block);
        auto* drop = reinterpret_cast<DROPFILES*>(lock.get());
        drop->pFiles = sizeof(DROPFILES);
        drop->fWide = FALSE;
        std::copy(names.begin(), names.end(), lock.get() + sizeof(DROPFILES));
    }
    // The receiver frees the block (DragFinish).
    SendMessageA(Main().GetHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(block.release()), 0);
    Pump(*m_app);
    ASSERT_EQ(Documents().size(), 2u);
    EXPECT_EQ(static_cast<TestDoc*>(Documents()[0])->m_text, "alpha");
    EXPECT_EQ(static_cast<TestDoc*>(Documents()[1])->m_text, "beta");
}

TEST_F(DocumentFlowTest, SaveAllSavesNamedDocumentsOnlyAndCloseAllAsksEachInTurn)
{
    WriteText(Path("a.tst"), "one");
    TestDoc* named = Open(Path("a.tst"));
    TestDoc* untitled = NewDocument();
    ASSERT_TRUE(named && untitled);
    named->Edit("two");
    untitled->Edit("three");
    EXPECT_TRUE(m_app->SaveAllDocuments());
    EXPECT_EQ(ReadText(Path("a.tst")), "two");
    EXPECT_FALSE(named->IsModified());
    EXPECT_TRUE(untitled->IsModified());
    EXPECT_TRUE(m_app->m_shown.empty());

    named->Edit("four");
    m_app->m_answers = {IDCANCEL, IDNO}; // a cancel keeps only that one
    m_app->CloseAllDocumentsAsking();
    EXPECT_EQ(m_app->m_shown.size(), 2u);
    ASSERT_EQ(Documents().size(), 1u);
    EXPECT_EQ(Documents()[0], named);
}

} // namespace
} // namespace fwtest
