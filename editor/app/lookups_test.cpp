// Help on the word at the caret (F1) and Outline (Ctrl+W) in the program's
// editor windows: the help viewer is a recording stand-in, the help files
// are written by the test, the outliner libraries are our own.
#include <windows.h>

#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/doc/marl_doc.h"
#include "editor/integration/testing/help_file_builder.h"
#include "editor/res/resource.h"
#include "editor/view/marl_view.h"
#include "framework/controls.h"

using namespace shelltest;

namespace {

struct RecordingViewer : HelpViewer {
    std::vector<std::pair<std::string, std::string>> shown;
    void ShowKeyword(const std::string& path, const std::string& word) override
    {
        shown.emplace_back(path, word);
    }
};

class LookupsTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
    }

    void Start(const std::string& profile)
    {
        ShellTest::Start("/NOSPLASH", profile);
        m_app->GetLookups().Help().SetViewer(m_viewer);
    }

    // Opens a.c holding `text` with the focus in its view.
    CMarlView* OpenC(const std::string& text)
    {
        WriteText(Path("a.c"), text);
        m_app->OpenDocumentFile(Path("a.c"));
        fw::View* view = Frame().GetActiveView();
        if (!view)
            return nullptr;
        SetFocus(view->GetHwnd());
        Pump(*m_app);
        return dynamic_cast<CMarlView*>(view);
    }

    void WriteHelp(const std::string& name, const HelpFileContents& contents)
    {
        const HelpFileImage image = BuildHelpFile(contents);
        WriteText(Path(name), std::string(image.bytes.begin(), image.bytes.end()));
    }

    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : m_app->m_shown)
            texts.push_back(shown.text);
        return texts;
    }

    RecordingViewer m_viewer;
};

TEST_F(LookupsTest, F1WithOneHelpFileCallsTheViewerAtOnce)
{
    Start("[Help]\nC=X:\\NOWHERE\\API.HLP\n");
    CMarlView* view = OpenC("int count;\n");
    ASSERT_TRUE(view);
    view->SetCaret(6); // inside "count"
    Key(VK_F1);
    ASSERT_EQ(m_viewer.shown.size(), 1u);
    EXPECT_EQ(m_viewer.shown[0].first, "X:\\NOWHERE\\API.HLP");
    EXPECT_EQ(m_viewer.shown[0].second, "count");
    EXPECT_EQ(Shown(), std::vector<std::string>{}) << "the help file was read";
}

TEST_F(LookupsTest, F1WithoutHelpFilesSaysHowToDefineThem)
{
    Start("[Help]\nCPP=X:\\API.HLP\n");
    CMarlView* view = OpenC("int count;\n");
    ASSERT_TRUE(view);
    view->SetCaret(6);
    Key(VK_F1);
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(m_app->m_shown[0].text.substr(0, 47),
              "There are no help files defined for this extens");
    EXPECT_EQ(m_app->m_shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(m_viewer.shown.empty());
}

TEST_F(LookupsTest, TwoHelpFilesKnowingTheWordOfferBothTitlesAndOpenTheChosenOne)
{
    WriteHelp("A.HLP", {.title = "Alpha Reference", .topics = {"count lines"}});
    WriteHelp("N.HLP", {.title = "Nothing", .topics = {"counter"}});
    WriteHelp("B.HLP", {.title = "Beta Guide", .topics = {"How to count"}});
    Start("[Help]\n*=" + Path("A.HLP") + ";" + Path("N.HLP") + ";" + Path("B.HLP") + "\n");
    CMarlView* view = OpenC("int count;\n");
    ASSERT_TRUE(view);
    view->SetCaret(6);

    std::string keyword;
    std::vector<std::string> titles;
    int selected = -1;
    fw::test::OnNextDialog("Search", [&](HWND dialog) {
        keyword = fw::test::ItemText(dialog, IDC_HELP_KEYWORD);
        fw::ListBoxControl list(GetDlgItem(dialog, IDC_HELP_TITLES));
        for (int i = 0; i < list.GetCount(); ++i)
            titles.push_back(list.GetItemText(i));
        selected = list.GetCurSel();
        list.SetCurSel(1);
        fw::test::ClickButton(dialog, IDOK);
    });
    Key(VK_F1);
    ASSERT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(keyword, "count");
    EXPECT_EQ(titles, (std::vector<std::string>{"Alpha Reference", "Beta Guide"}));
    EXPECT_EQ(selected, 0);
    ASSERT_EQ(m_viewer.shown.size(), 1u);
    EXPECT_EQ(m_viewer.shown[0].first, Path("B.HLP"));
}

HWND OutlineWindowOf(HWND view)
{
    return static_cast<HWND>(GetPropA(view, "TvFunctionOutline"));
}

TEST_F(LookupsTest, CtrlWLoadsOurOutlinerAndChoosingAFunctionMovesTheCaret)
{
    Start(std::string("[Outliner]\nC=") + TV_FUNCLIST_DLL + "\nCPP=X:\\NOWHERE.DLL\n");
    CMarlView* view = OpenC("int one(void)\n{\n    return 1;\n}\n\nstatic int two(int x)\n{\n"
                            "    return x;\n}\n");
    ASSERT_TRUE(view);
    Key('W', {VK_CONTROL});
    EXPECT_EQ(Shown(), std::vector<std::string>{});
    ASSERT_TRUE(view->m_hOutliner);
    HWND outline = view->m_hOutlineWnd;
    ASSERT_TRUE(IsWindow(outline));
    EXPECT_EQ(outline, OutlineWindowOf(view->GetHwnd()));
    fw::ListBoxControl list(GetWindow(outline, GW_CHILD));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetItemText(1), "two  (6)");

    list.SetCurSel(1);
    SendMessageA(outline, WM_COMMAND, MAKEWPARAM(100, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list.GetHwnd()));
    Pump(*m_app);
    EXPECT_EQ(view->GetCaretLine(), 6) << "the line of two()";

    // Again in the same view: the library already loaded is called again.
    HMODULE loaded = view->m_hOutliner.get();
    Key('W', {VK_CONTROL});
    EXPECT_EQ(view->m_hOutliner.get(), loaded);
    EXPECT_EQ(view->m_hOutlineWnd, outline);

    // The outline window goes with the view.
    Command(ID_FILE_CLOSE);
    Pump(*m_app);
    EXPECT_FALSE(IsWindow(outline));
}

TEST_F(LookupsTest, OutlineWithoutALibraryOrItsFunctionSaysSo)
{
    struct Case {
        const char* name;
        std::string profile;
        const char* message; // empty: nothing shown
    } cases[] = {
        {"no entry for the extension", "[Outliner]\nCPP=" TV_FUNCLIST_DLL "\n",
         "There is no outliner DLL specified for this extension."},
        {"a library without ordinal 2", "[Outliner]\nC=" TV_NO_OUTLINE_DLL "\n",
         "The DLL specified for this extension exports no outline function."},
        {"a library that cannot be loaded", "[Outliner]\nC=X:\\NOWHERE\\NONE.DLL\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.profile);
        CMarlView* view = OpenC("int main() { return 0; }\n");
        ASSERT_TRUE(view);
        Key('W', {VK_CONTROL});
        EXPECT_EQ(Shown(),
                  *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        if (!m_app->m_shown.empty()) {
            EXPECT_EQ(m_app->m_shown[0].type & (MB_ICONMASK | MB_MODEMASK),
                      static_cast<UINT>(MB_ICONEXCLAMATION | MB_TASKMODAL));
        }
        EXPECT_EQ(view->m_hOutlineWnd, nullptr);
        Exit();
    }
}

TEST_F(LookupsTest, AnOutlinerThatFaultsIsReportedAndTheEditorGoesOn)
{
    Start(std::string("[Outliner]\nC=") + TV_CRASH_OUTLINER_DLL + "\n");
    CMarlView* view = OpenC("int kept;\n");
    ASSERT_TRUE(view);
    Key('W', {VK_CONTROL});
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_NE(m_app->m_shown[0].text.find("0xC0000005"), std::string::npos)
        << m_app->m_shown[0].text;
    EXPECT_EQ(view->m_hOutlineWnd, nullptr);
    // The editor still edits its document.
    SendMessageA(view->GetHwnd(), WM_CHAR, 'x', 0);
    EXPECT_EQ(view->GetDocument()->Core().GetLength(), 11u);
    EXPECT_EQ(Documents().size(), 1u);
}

} // namespace
