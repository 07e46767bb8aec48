// The "Options" sheet in the running application: each Options command
// opens it on its page, and the Editor, Extensions and Colors pages driven
// through their controls leave the settings, the profile and the editor
// windows as OK or Cancel says.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/options_color_page.h"
#include "editor/app/options_sheet_commands.h"
#include "editor/app/tool_commands.h"
#include "editor/base/options.h"
#include "editor/res/resource.h"
#include "framework/controls.h"
#include "framework/message_hook.h"

using namespace shelltest;
using fw::test::StepRunner;

namespace {

class CountingFileOpenWindow : public FileOpenWindowHook {
public:
    int m_refills = 0;
    bool Create(fw::FrameWnd&) override { return true; }
    HWND Window() const override { return nullptr; }
    void Refill() override { ++m_refills; }
    bool OpenFocusedSelection() override { return false; }
};

class OptionSheetTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_hooks.toolsMenu = &m_tools;
        m_hooks.optionSheet = &m_commands;
        m_hooks.fileOpenWindow = &m_fileOpenWindow;
    }

    // Runs command `id` with `steps` on the sheet, then presses `button`.
    void RunSheet(UINT id, std::vector<StepRunner::Step> steps, int button = PSBTN_OK)
    {
        m_sheet = nullptr;
        steps.insert(steps.begin(), [&] {
            m_sheet = FindWindowA(nullptr, "Options");
            if (!m_sheet || !IsWindowVisible(m_sheet))
                StepRunner::Again();
        });
        steps.push_back([this, button] { PropSheet_PressButton(m_sheet, button); });
        StepRunner runner(std::move(steps), [&] {
            if (m_sheet)
                PropSheet_PressButton(m_sheet, PSBTN_CANCEL);
        });
        Command(id);
        EXPECT_FALSE(runner.TimedOut()) << "the sheet was left open";
        EXPECT_FALSE(IsWindow(m_sheet)) << "the sheet was left open";
    }

    HWND Page() const { return PropSheet_GetCurrentPageHwnd(m_sheet); }
    std::string PageCaption() const { return fw::test::WindowText(Page()); }
    void Press(int id) const { fw::test::ClickButton(Page(), id); }
    void SetField(int id, const std::string& text) const
    {
        fw::test::SetEditText(GetDlgItem(Page(), id), text);
    }
    fw::ListBoxControl List(int id) const { return fw::ListBoxControl(GetDlgItem(Page(), id)); }
    void Select(int id, int index) const
    {
        List(id).SetCurSel(index);
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List(id).GetHwnd()));
    }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(Page(), id)) != FALSE; }
    std::string ExtensionKeys() const
    {
        std::string keys;
        for (const char* key : {"1", "2", "3", "4", "5", "6", "7", "8", "9"})
            keys += ReadProfile("Extensions", key) + "|";
        return keys;
    }

    CToolCommands m_tools; // outlives the application, as in WinMain
    COptionSheetCommands m_commands{m_tools};
    CountingFileOpenWindow m_fileOpenWindow;
    HWND m_sheet = nullptr;
};

} // namespace

TEST_F(OptionSheetTest, EachOptionsCommandOpensTheSheetOnItsPage)
{
    Start();
    const std::pair<UINT, const char*> cases[] = {
        {ID_OPTIONS_SETTINGS, "Editor"},       {ID_OPTIONS_TOOLS, "Tools"},
        {ID_OPTIONS_EXTENSIONS, "Extensions"}, {ID_OPTIONS_OUTLINER, "Outliner"},
        {ID_OPTIONS_HELPFILES, "Helpfiles"},   {ID_OPTIONS_COLORS, "Colors"},
    };
    for (UINT id :
         {ID_OPTIONS_SETTINGS, ID_OPTIONS_PRINTING, ID_OPTIONS_TOOLS, ID_OPTIONS_EXTENSIONS,
          ID_OPTIONS_OUTLINER, ID_OPTIONS_HELPFILES, ID_OPTIONS_COLORS}) {
        char text[32] = {};
        EXPECT_GT(GetMenuStringA(GetMenu(Frame().GetHwnd()), id, text, sizeof text, MF_BYCOMMAND),
                  0)
            << id << " is on the menu";
        EXPECT_TRUE(fw::test::IsCommandEnabled(Frame(), id)) << id;
    }
    for (auto [id, caption] : cases) {
        std::string shown;
        RunSheet(id, {[&] { shown = PageCaption(); }}, PSBTN_CANCEL);
        EXPECT_EQ(shown, caption) << id;
    }
    Exit();
}

TEST_F(OptionSheetTest, PrintPageIsSecondAndOnlyOkKeepsItsChanges)
{
    Start();
    const std::string before = g_pPrintOptions->m_strHeader;
    int shown = -1;
    std::vector<std::string> tabs;
    RunSheet(ID_OPTIONS_PRINTING, {[&] {
                 HWND tab = PropSheet_GetTabControl(m_sheet);
                 shown = TabCtrl_GetCurSel(tab);
                 for (int i = 0; i < TabCtrl_GetItemCount(tab); ++i) {
                     char text[32] = {};
                     TCITEMA item{};
                     item.mask = TCIF_TEXT;
                     item.pszText = text;
                     item.cchTextMax = sizeof text;
                     SendMessageA(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
                     tabs.push_back(text);
                 }
                 SetField(IDC_PRINT_HEADER, "cancelled $Page$");
             }},
             PSBTN_CANCEL);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(tabs, (std::vector<std::string>{"Editor", "Print", "Tools", "Extensions", "Outliner",
                                              "Helpfiles", "Colors"}));
    EXPECT_EQ(g_pPrintOptions->m_strHeader, before);
    RunSheet(ID_OPTIONS_PRINTING, {[&] { SetField(IDC_PRINT_HEADER, "kept $Page$"); }});
    EXPECT_EQ(g_pPrintOptions->m_strHeader, "kept $Page$");
    Exit();
}

TEST_F(OptionSheetTest, TabLengthOutsideItsRangeIsRefusedOnOk)
{
    Start();
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {{"0", false}, {"33", false}, {"1", true}, {"32", true}};
    std::vector<std::string> shown;
    fw::ScopedMessageHook hook([&](HWND, const std::string& text, UINT) {
        shown.push_back(text);
        return IDOK;
    });
    for (const auto& c : cases) {
        shown.clear();
        bool stayed = false;
        RunSheet(ID_OPTIONS_SETTINGS,
                 {[&] { SetField(IDC_OPT_TAB_LENGTH, c.typed); },
                  [&] { PropSheet_PressButton(m_sheet, PSBTN_OK); },
                  [&] { stayed = IsWindow(m_sheet) && IsWindowVisible(m_sheet); }},
                 PSBTN_CANCEL);
        EXPECT_EQ(stayed, !c.accepted) << c.typed;
        ASSERT_EQ(shown.size(), c.accepted ? 0u : 1u) << c.typed;
        if (!c.accepted)
            EXPECT_EQ(shown[0], "Please enter an integer between 1 and 32.");
        else
            EXPECT_EQ(std::to_string(g_pOptions->m_nTabLength), c.typed);
    }
    Exit();
}

TEST_F(OptionSheetTest, IntervalFollowsAutomaticSaveAndOkStoresThePage)
{
    Start();
    const int pause = fw::test::PauseForScreenshot();
    std::vector<bool> enabled;
    RunSheet(ID_OPTIONS_SETTINGS, {[&] {
                 for (int id : {IDC_OPT_EVERY, IDC_OPT_INTERVALL, IDC_OPT_MINUTES})
                     enabled.push_back(Enabled(id));
                 Press(IDC_OPT_AUTO_SAVE);
                 for (int id : {IDC_OPT_EVERY, IDC_OPT_INTERVALL, IDC_OPT_MINUTES})
                     enabled.push_back(Enabled(id));
                 SetField(IDC_OPT_INTERVALL, "15");
                 Press(IDC_OPT_SAVE_DESKTOP);
                 if (pause)
                     Pump(pause);
             }});
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(g_pOptions->m_bAutoSave, 1);
    EXPECT_EQ(g_pOptions->m_nIntervall, 15);
    EXPECT_EQ(g_pOptions->m_bSaveDeskTop, 0);
    EXPECT_EQ(m_app->m_nDesktopFlag, 0) << "the desktop flag follows the page";

    // Opened again with automatic saving on, the interval starts enabled;
    // Cancel keeps what the page changed from the settings.
    enabled.clear();
    RunSheet(ID_OPTIONS_SETTINGS, {[&] {
                 enabled.push_back(Enabled(IDC_OPT_INTERVALL));
                 Press(IDC_OPT_AUTO_SAVE);
             }},
             PSBTN_CANCEL);
    EXPECT_EQ(enabled, std::vector<bool>{true});
    EXPECT_EQ(g_pOptions->m_bAutoSave, 1);
    Exit();
    EXPECT_EQ(ReadProfile("Settings", "SaveDeskTop"), "0");
    EXPECT_EQ(ReadProfile("Options", "Intervall"), "15");
}

TEST_F(OptionSheetTest, ExtensionsAreWrittenOnOkOnly)
{
    const char* kWritten = "C/C++ Source;*.c;*.cpp|Web;*.htm|Resource Scripts;*.rc;*.dlg|"
                           "Headers;*.h|Module Definitions;*.def|Make Files;*.mak|"
                           "Ini Files;*.ini|Text files;*.txt;*.doc|<none>|"; // All Files deleted
    const int pause = fw::test::PauseForScreenshot();
    for (int button : {PSBTN_CANCEL, PSBTN_OK}) {
        Start();
        m_fileOpenWindow.m_refills = 0;
        std::vector<std::string> fields;
        RunSheet(ID_OPTIONS_EXTENSIONS, {[&] {
                     Select(IDC_EXT_LIST, 1); // Headers
                     Press(IDC_EXT_ADD);      // New item before it
                     fields.push_back(fw::test::ItemText(Page(), IDC_EXT_DESCRIPTION));
                     SetField(IDC_EXT_DESCRIPTION, "Web");
                     SetField(IDC_EXT_MASK, "*.htm");
                     Select(IDC_EXT_LIST, 8); // All Files, the last
                     Press(IDC_EXT_DELETE);   // the new last is selected
                     fields.push_back(
                         List(IDC_EXT_LIST).GetItemText(List(IDC_EXT_LIST).GetCurSel()));
                     Select(IDC_EXT_LIST, 2); // Headers
                     Press(IDC_EXT_DOWN);     // below Resource Scripts
                     fields.push_back(List(IDC_EXT_LIST).GetItemText(1));
                     if (pause && button == PSBTN_OK)
                         Pump(pause);
                 }},
                 button);
        EXPECT_EQ(fields, (std::vector<std::string>{"New item", "Text files", "Web"}));
        if (button == PSBTN_OK) {
            EXPECT_EQ(ExtensionKeys(), kWritten);
            EXPECT_EQ(g_ExtensionTable.Entries().size(), 8u);
            EXPECT_EQ(g_ExtensionTable.Entries()[1], (ExtensionEntry{"Web", "*.htm"}));
            EXPECT_EQ(m_fileOpenWindow.m_refills, 1);
        } else {
            EXPECT_EQ(ReadProfile("Extensions", "1"), "<none>");
            EXPECT_EQ(g_ExtensionTable.Entries()[1].description, "Headers");
            EXPECT_EQ(m_fileOpenWindow.m_refills, 0);
        }
        Exit();
        g_ExtensionTable.SetBuiltIn();
    }
}

TEST_F(OptionSheetTest, ExtensionFieldsTakeWhatTheProfileKeeps)
{
    Start();
    std::string shown;
    RunSheet(ID_OPTIONS_EXTENSIONS, {[&] {
                 SetField(IDC_EXT_DESCRIPTION, "");
                 fw::test::TypeText(GetDlgItem(Page(), IDC_EXT_DESCRIPTION), std::string(35, 'd'));
                 shown = fw::test::ItemText(Page(), IDC_EXT_DESCRIPTION);
             }});
    EXPECT_EQ(shown, std::string(29, 'd'));
    EXPECT_EQ(ReadProfile("Extensions", "1"), shown + ";*.c;*.cpp");
    Exit();
    g_ExtensionTable.SetBuiltIn();
}

TEST_F(OptionSheetTest, ChangedFontIsTheApplicationsAtOnce)
{
    Start();
    AppSettings& settings = m_app->GetAppSettings();
    std::string picked;
    std::string shown;
    RunSheet(ID_OPTIONS_SETTINGS, {[&] {
                 fw::test::OnNextDialog("Font", [&](HWND dialog) {
                     // Another face than the current one, chosen as a click would.
                     const fw::ComboBoxControl faces(GetDlgItem(dialog, cmb1));
                     const int index = faces.FindStringExact(settings.m_strFontName) == 0 ? 1 : 0;
                     faces.SetCurSel(index);
                     picked = faces.GetItemText(index);
                     SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                                  reinterpret_cast<LPARAM>(faces.GetHwnd()));
                     fw::test::ClickButton(dialog, IDOK);
                 });
                 Press(IDC_OPT_FONT_CHANGE);
                 shown = fw::test::ItemText(Page(), IDC_OPT_FONT_NAME);
             }},
             PSBTN_CANCEL);
    EXPECT_TRUE(fw::test::DialogCame());
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(settings.m_strFontName, picked) << "kept though the sheet was cancelled";
    EXPECT_EQ(shown, picked);
    Exit();
}

TEST_F(OptionSheetTest, ColorsChangeOnOkAndResetAllGivesTheResetValues)
{
    Start();
    const int cpp = static_cast<int>(ColorItem::CppText);
    const int comment = static_cast<int>(ColorItem::CommentBk);
    AppSettings& settings = m_app->GetAppSettings();

    RunSheet(ID_OPTIONS_COLORS, {[&] {
                 Select(IDC_COLOR_ITEMS, 5); // Comment
                 Press(1087);                // red background
                 Press(IDC_COLOR_MODE);
             }},
             PSBTN_CANCEL);
    EXPECT_EQ(settings.m_Colors[comment].code, 1086);
    EXPECT_EQ(settings.m_bColorMode, 1);

    const int pause = fw::test::PauseForScreenshot();
    RunSheet(ID_OPTIONS_COLORS, {[&] {
                 Select(IDC_COLOR_ITEMS, 5);
                 Press(1087);
                 Press(IDC_COLOR_MODE);
                 if (pause)
                     Pump(pause);
             }});
    EXPECT_EQ(settings.m_Colors[comment].code, 1087);
    EXPECT_EQ(settings.m_Colors[comment].color, MakeColorValue(255, 0, 0));
    EXPECT_EQ(settings.m_bColorMode, 0);

    EXPECT_EQ(settings.m_Colors[cpp].code, 1073) << "a new profile's C++ keyword is blue";
    RunSheet(ID_OPTIONS_COLORS, {[&] { Press(IDC_COLOR_RESET_ALL); }});
    EXPECT_EQ(settings.m_Colors[cpp].code, 1071);
    EXPECT_EQ(settings.m_Colors[cpp].color, MakeColorValue(255, 0, 0));
    EXPECT_EQ(settings.m_Colors[comment].code, 1086);
    Exit();
}

TEST_F(OptionSheetTest, ClosingTheSheetTellsEveryEditorWindow)
{
    WriteText(Path("a.c"), "a");
    WriteText(Path("b.c"), "b");
    Start();
    ASSERT_TRUE(Open(Path("a.c")));
    ASSERT_TRUE(Open(Path("b.c")));
    for (int button : {PSBTN_CANCEL, PSBTN_OK})
        RunSheet(ID_OPTIONS_COLORS, {}, button);
    std::vector<int> heard;
    for (fw::Document* doc : Documents())
        for (fw::View* view : doc->GetViews())
            heard.push_back(static_cast<ShellTestView*>(view)->m_settingsChanged);
    EXPECT_EQ(heard, (std::vector<int>{2, 2}));
    Exit();
}
