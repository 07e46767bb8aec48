// Find, Replace, Replace All and Find next in the program's real frames:
// the platform's dialogs driven by their buttons (their notifications reach
// the editor window as they do for a user), the keys, and the search
// history on the toolbar across a restart.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "editor/app/app_shell_test_support.h"
#include "editor/doc/marl_doc.h"
#include "editor/res/resource.h"
#include "editor/res/view_search_ids.h"
#include "editor/view/find_regex_dialog.h"
#include "editor/view/marl_view.h"
#include "editor/view/search_history.h"

using namespace shelltest;
using fw::test::ClickButton;

namespace {

class SearchTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
    }
    void TearDown() override
    {
        CFindRegexDialog::Close();
        ShellTest::TearDown();
    }

    // Starts the program (once) and opens a file holding text.
    CMarlView* OpenEditor(const std::string& name, const std::string& text)
    {
        if (!m_app)
            Start();
        WriteText(Path(name), text);
        m_app->OpenDocumentFile(Path(name));
        auto* view = dynamic_cast<CMarlView*>(Frame().GetActiveView());
        if (view) {
            SetFocus(view->GetHwnd());
            Pump(*m_app);
        }
        return view;
    }
    static std::string TextOf(CMarlView& view)
    {
        std::string text;
        view.Text().GetText(0, view.Text().GetLength(), text);
        return text;
    }
    static std::string Selected(CMarlView& view)
    {
        std::string text;
        if (view.HasSelection())
            view.Text().GetText(view.GetSelStart(), view.GetSelEnd(), text);
        return text;
    }
    static HWND DialogWindow()
    {
        CFindRegexDialog* dialog = CFindRegexDialog::Current();
        return dialog ? dialog->GetHwnd() : nullptr;
    }
    // Fills the open dialog and presses one of its buttons.
    void Press(int button, const std::string& find, const std::string& replace = {})
    {
        HWND dialog = DialogWindow();
        ASSERT_TRUE(dialog);
        // The platform's dialog reads its fields when a button is pressed.
        SetDlgItemTextA(dialog, 1152, find.c_str());
        SetDlgItemTextA(dialog, 1153, replace.c_str());
        ClickButton(dialog, button);
        Pump(*m_app);
    }
    void Check(int id)
    {
        ClickButton(DialogWindow(), id);
        Pump(*m_app);
    }
    std::string LastMessage() const
    {
        return m_app->m_shown.empty() ? std::string() : m_app->m_shown.back().text;
    }
    std::string HistoryTop(int* options = nullptr) const
    {
        std::string text;
        int word = 0;
        if (SearchHistory* history = SearchHistory::Get())
            history->Current(text, word);
        if (options)
            *options = word;
        return text;
    }
};

TEST_F(SearchTest, FindClosesOnSuccessAndFindNextRepeatsFromTheHistory)
{
    CMarlView* view = OpenEditor("a.c", "beta alpha beta\nBETA\n");
    ASSERT_TRUE(view);
    EXPECT_FALSE(fw::test::IsCommandEnabled(Frame(), ID_FIND_NEXT));
    Key(VK_F3, {VK_MENU});
    HWND dialog = DialogWindow();
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(CFindRegexDialog::IsReplaceMode());
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_REGULAR_EXPRESSION)));
    Check(1041); // match case
    Press(IDOK, "beta");
    EXPECT_EQ(DialogWindow(), nullptr);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(view->GetSelStart(), 0u);
    EXPECT_EQ(Selected(*view), "beta");
    int options = 0;
    EXPECT_EQ(HistoryTop(&options), "beta");
    EXPECT_EQ(options, kSearchDown | kSearchMatchCase);
    EXPECT_EQ(Frame().m_nHistoryCount, 1);
    EXPECT_TRUE(IsWindowEnabled(Frame().GetSearchHistoryBox()));

    Key(VK_F3, {VK_CONTROL});
    EXPECT_EQ(view->GetSelStart(), 11u);
    Key(VK_F3, {VK_CONTROL}); // "BETA" differs in case
    EXPECT_EQ(LastMessage(), "No more occurences of 'beta'");
    EXPECT_EQ(view->GetSelStart(), 11u);

    Key(VK_F3, {VK_MENU});
    Press(IDOK, "gamma");
    EXPECT_EQ(LastMessage(), "Cannot find 'gamma'");
    EXPECT_TRUE(DialogWindow()); // nothing found: the dialog stays
    EXPECT_EQ(Frame().m_nHistoryCount, 2);
    m_app->m_shown.clear();
    Press(IDOK, "gamma"); // the same string again is not counted again
    EXPECT_EQ(Frame().m_nHistoryCount, 2);
    EXPECT_EQ(LastMessage(), "Cannot find 'gamma'"); // the failure forgot the last find
}

TEST_F(SearchTest, ReplaceStartsWithTheSelectionAndCancelEndsIt)
{
    CMarlView* view = OpenEditor("a.c", "one two\n");
    ASSERT_TRUE(view);
    view->SetSelection(4, 7);
    Command(ID_EDIT_REPLACE);
    HWND replace = DialogWindow();
    ASSERT_TRUE(replace);
    EXPECT_TRUE(CFindRegexDialog::IsReplaceMode());
    EXPECT_EQ(fw::test::ItemText(replace, 1152), "two");
    EXPECT_FALSE(GetDlgItem(replace, 1056)); // no direction on Replace
    ClickButton(replace, IDCANCEL);
    Pump(*m_app);
    EXPECT_EQ(CFindRegexDialog::Current(), nullptr);
}

TEST_F(SearchTest, ReplaceAllIsOneUndoAndKeepsOutOfReadOnlyDocuments)
{
    CMarlView* view = OpenEditor("a.c", "aaa\nxa\n");
    ASSERT_TRUE(view);
    Command(ID_EDIT_REPLACE);
    Press(1025, "a", "aa");
    EXPECT_EQ(TextOf(*view), "aaaaaa\nxaa\n");
    EXPECT_EQ(view->GetCaret(), 8u); // the last replacement
    EXPECT_FALSE(view->HasSelection());
    EXPECT_TRUE(view->GetDocument()->IsModified());
    ClickButton(DialogWindow(), IDCANCEL);
    Pump(*m_app);
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(TextOf(*view), "aaa\nxa\n");

    view->GetDocument()->Core().m_bReadOnly = true;
    Command(ID_EDIT_REPLACE);
    Press(1025, "a", "b");
    EXPECT_EQ(TextOf(*view), "aaa\nxa\n");
}

TEST_F(SearchTest, ReplaceChangesTheSelectionAndFindsTheNextOne)
{
    CMarlView* view = OpenEditor("a.c", "cat dog cat\n");
    ASSERT_TRUE(view);
    Command(ID_EDIT_REPLACE);
    Press(1024, "cat", "cow"); // nothing selected yet: nothing replaced
    EXPECT_EQ(TextOf(*view), "cat dog cat\n");
    Press(IDOK, "cat", "cow");
    EXPECT_EQ(Selected(*view), "cat");
    EXPECT_TRUE(DialogWindow()); // Replace stays open
    Press(1024, "cat", "cow");
    EXPECT_EQ(TextOf(*view), "cow dog cat\n");
    EXPECT_EQ(view->GetSelStart(), 8u);
    Press(1024, "cat", "cow");
    EXPECT_EQ(TextOf(*view), "cow dog cow\n");
    EXPECT_EQ(LastMessage(), "No more occurences of 'cat'");
}

TEST_F(SearchTest, PatternsSearchUpWithoutRepeatingAndReportBadOnes)
{
    CMarlView* view = OpenEditor("a.c", "x1 x22\nx333\n");
    ASSERT_TRUE(view);
    view->SetCaret(view->Text().GetLength());
    Key(VK_F3, {VK_MENU});
    Check(IDC_REGULAR_EXPRESSION);
    Check(1056); // up
    Press(IDOK, "x[0-9]+");
    EXPECT_EQ(Selected(*view), "x333");
    int options = 0;
    EXPECT_EQ(HistoryTop(&options), "x[0-9]+");
    EXPECT_EQ(options, kSearchUp | kSearchRegex);
    Key(VK_F3, {VK_CONTROL});
    EXPECT_EQ(Selected(*view), "x22");
    Key(VK_F3, {VK_CONTROL});
    EXPECT_EQ(Selected(*view), "x1");

    Key(VK_F3, {VK_MENU});
    Check(IDC_REGULAR_EXPRESSION);
    m_app->m_shown.clear();
    Press(IDOK, "*x");
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(LastMessage(), "Invalid regular expression");
    EXPECT_EQ(Selected(*view), "x1");
}

TEST_F(SearchTest, AChosenEntryGoesOnTopAndTheHistorySurvivesARestart)
{
    CMarlView* view = OpenEditor("a.c", "abc ABC abc\n");
    ASSERT_TRUE(view);
    Key(VK_F3, {VK_MENU});
    Check(1041);
    Press(IDOK, "ABC");
    Key(VK_F3, {VK_MENU});
    Press(IDOK, "c ");
    HWND box = Frame().GetSearchHistoryBox();
    ASSERT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 2);

    // The user picks the older entry: it moves up and the text has the keys.
    SetFocus(box);
    SendMessageA(box, CB_SETCURSEL, 1, 0);
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(IDC_SEARCH_HISTORY, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    Pump(*m_app);
    EXPECT_EQ(HistoryTop(), "ABC");
    EXPECT_EQ(GetFocus(), view->GetHwnd());
    view->SetCaret(0);
    Key(VK_F3, {VK_CONTROL}); // with its own options: match case
    EXPECT_EQ(view->GetSelStart(), 4u);

    Exit();
    Start();
    EXPECT_EQ(Frame().m_nHistoryCount, 2);
    EXPECT_EQ(HistoryTop(), "ABC");
    view = OpenEditor("b.c", "x ABC abc\n");
    ASSERT_TRUE(view);
    EXPECT_TRUE(fw::test::IsCommandEnabled(Frame(), ID_FIND_NEXT));
    Key(VK_F3, {VK_CONTROL});
    EXPECT_EQ(Selected(*view), "ABC");
}

// A measurement, not a check: run with --gtest_also_run_disabled_tests.
// Replace All of every "e" in 100 MB of C text, from the click to the
// repainted window.
TEST_F(SearchTest, DISABLED_ReplaceAllOfAHundredMegabytesTimed)
{
    const std::string line = "    if (element->next != NULL) return get_the_value(element, 0);\n";
    std::string text;
    text.reserve((100u << 20) + line.size());
    while (text.size() < (100u << 20))
        text += line;
    const auto letters = std::count(text.begin(), text.end(), 'e');
    CMarlView* view = OpenEditor("big.c", text);
    ASSERT_TRUE(view);
    Command(ID_EDIT_REPLACE);
    const DWORD start = GetTickCount();
    Press(1025, "e", "E");
    UpdateWindow(view->GetHwnd());
    const DWORD elapsed = GetTickCount() - start;
    std::printf("Replace All of %ld letters in %zu bytes: %lu ms\n", static_cast<long>(letters),
                text.size(), static_cast<unsigned long>(elapsed));
    EXPECT_EQ(view->Text().GetLength(), text.size());
}

} // namespace
