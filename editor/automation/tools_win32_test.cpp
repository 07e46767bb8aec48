// The user's tools in real windows: the Tools menu rebuilt from the table,
// the Tools page in a sheet of its own, a tool started on an editor window
// with its placeholders expanded (a small program of ours records how it
// was started), the Parameters dialog, and the printed header's expansion
// with the regional date and time forms.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "editor/automation/print_text.h"
#include "editor/automation/testing/memory_tools_section.h"
#include "editor/automation/testing/tool_entries.h"
#include "editor/automation/tool_edit_page.h"
#include "editor/automation/tool_menu.h"
#include "editor/automation/tool_run.h"
#include "editor/automation/view_facts.h"
#include "editor/res/resource.h"
#include "editor/view/view_test_support.h"
#include "framework/controls.h"
#include "framework/handles.h"

namespace {

using fw::test::ClickButton;
using fw::test::ItemText;
using fw::test::StepRunner;

using MenuItems = std::vector<std::pair<UINT, std::string>>;

// A menu bar with a "&File" and a "&Tools" popup, "&DOS" in it when asked.
fw::OwnedMenu MakeMenuBar(bool withDos)
{
    fw::OwnedMenu bar(CreateMenu());
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, ID_FILE_NEW, "&New");
    HMENU tools = CreatePopupMenu();
    AppendMenuA(tools, MF_STRING, ID_FIND_IN_FILES, "&Find in Files...");
    if (withDos) {
        AppendMenuA(tools, MF_STRING, ID_TOOLS_DOS, "&DOS");
        AppendMenuA(tools, MF_STRING, 32815, "&Program...");
    }
    AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(tools), "&Tools");
    return bar;
}

MenuItems ToolsItems(HMENU bar)
{
    MenuItems items;
    HMENU tools = GetSubMenu(bar, 1);
    for (int i = 0; i < GetMenuItemCount(tools); ++i) {
        char text[64] = {};
        GetMenuStringA(tools, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        items.emplace_back(GetMenuItemID(tools, i), text);
    }
    return items;
}

const std::pair<UINT, std::string> kFind{ID_FIND_IN_FILES, "&Find in Files..."};
const std::pair<UINT, std::string> kDos{ID_TOOLS_DOS, "&DOS"};
const std::pair<UINT, std::string> kProgram{32815, "&Program..."};

TEST(ToolsMenu, RebuildPutsTheToolsInFrontOfDos)
{
    ToolTable two;
    two[0] = Tool("&Make", "make.exe");
    two[1] = Tool("&Lint", "lint.exe");
    ToolTable one;
    one[0] = Tool("&Grep", "grep.exe");
    struct Case {
        const char* what;
        bool withDos;
        MenuItems twoTools;
        MenuItems thenOne;
    } cases[] = {
        {"with DOS",
         true,
         {kFind, {106, "&Make"}, {107, "&Lint"}, kDos, kProgram},
         {kFind, {106, "&Grep"}, kDos, kProgram}},
        {"without DOS: at the end",
         false,
         {kFind, {106, "&Make"}, {107, "&Lint"}},
         {kFind, {106, "&Grep"}}},
    };
    for (const Case& c : cases) {
        fw::OwnedMenu bar = MakeMenuBar(c.withDos);
        RebuildToolsMenu(bar.get(), two);
        RebuildToolsMenu(bar.get(), two);
        EXPECT_EQ(ToolsItems(bar.get()), c.twoTools) << c.what;
        RebuildToolsMenu(bar.get(), one);
        EXPECT_EQ(ToolsItems(bar.get()), c.thenOne) << c.what;
        RebuildToolsMenu(bar.get(), ToolTable{});
        EXPECT_EQ(ToolsItems(bar.get()).size(), c.withDos ? 3u : 1u) << c.what;
    }
}

// ---- The Tools page ---------------------------------------------------------

class TestToolEdit : public CToolEdit {
public:
    using CToolEdit::CToolEdit;
    std::optional<std::string> m_choice;
    int m_chosen = 0;

protected:
    std::optional<std::string> ChooseProgram() override
    {
        ++m_chosen;
        return m_choice;
    }
};

class ToolsPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Owner()) << "no display";
        SetMenu(Owner(), m_bar.get());
        const char* names[] = {"one", "two", "three", "four", "five"};
        for (int i = 0; i < 5; ++i)
            m_section.Write(ToolKey(i), std::string(names[i]) + ";" + names[i] + ".exe;;;0");
        m_tools.Load();
    }
    void TearDown() override { SetMenu(Owner(), nullptr); }

    static HWND Owner() { return fw::test::SharedOwner().GetHwnd(); }

    INT_PTR Run(std::vector<StepRunner::Step> steps)
    {
        fw::PropertySheetDialog sheet("Options", Owner());
        sheet.AddPage(m_page);
        steps.insert(steps.begin(), [&] {
            if (!m_page.GetHwnd() || !IsWindowVisible(m_page.GetHwnd()))
                StepRunner::Again();
        });
        StepRunner runner(std::move(steps),
                          [&] { PostMessageA(sheet.GetHwnd(), WM_COMMAND, IDCANCEL, 0); });
        m_sheet = &sheet;
        const INT_PTR result = sheet.DoModal();
        m_sheet = nullptr;
        EXPECT_FALSE(runner.TimedOut()) << "the sheet was left open";
        return result;
    }
    void Press(int button) const { PropSheet_PressButton(m_sheet->GetHwnd(), button); }

    HWND Item(int id) const { return GetDlgItem(m_page.GetHwnd(), id); }
    std::vector<std::string> ListItems() const
    {
        std::vector<std::string> items;
        const fw::ListBoxControl list(Item(IDC_TOOL_LIST));
        for (int i = 0; i < list.GetCount(); ++i)
            items.push_back(list.GetItemText(i));
        return items;
    }
    int Selected() const { return fw::ListBoxControl(Item(IDC_TOOL_LIST)).GetCurSel(); }
    // A click on a list item: the selection and its notification.
    void SelectItem(int index) const
    {
        HWND list = Item(IDC_TOOL_LIST);
        fw::ListBoxControl(list).SetCurSel(index);
        SendMessageA(m_page.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TOOL_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void Click(int id) const { ClickButton(m_page.GetHwnd(), id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Field(int id) const { return ItemText(m_page.GetHwnd(), id); }
    bool AskChecked() const { return fw::ButtonControl(Item(IDC_TOOL_ASK)).IsChecked(); }
    MenuItems Menu() const { return ToolsItems(m_bar.get()); }

    fw::OwnedMenu m_bar = MakeMenuBar(true);
    ToolTable m_table;
    MemoryToolsSection m_section;
    ToolsMenu m_tools{m_table, m_section, [] { return Owner(); }};
    TestToolEdit m_page{m_tools};
    fw::PropertySheetDialog* m_sheet = nullptr;
};

TEST_F(ToolsPageTest, OpensOnTheFirstToolAndFollowsTheSelection)
{
    const int pause = fw::test::PauseForScreenshot();
    Run({[&] {
        if (pause)
            fw::test::Pump(pause);
        EXPECT_EQ(ListItems(), (std::vector<std::string>{"one", "two", "three", "four", "five"}));
        EXPECT_EQ(Selected(), 0);
        EXPECT_EQ(Field(IDC_TOOL_MENU_TEXT), "one");
        EXPECT_EQ(Field(IDC_TOOL_COMMAND), "one.exe");
        EXPECT_FALSE(Enabled(IDC_TOOL_UP));
        EXPECT_TRUE(Enabled(IDC_TOOL_DOWN));
        EXPECT_EQ(SendMessageA(Item(IDC_TOOL_MENU_TEXT), EM_GETLIMITTEXT, 0, 0), 39);
        EXPECT_EQ(SendMessageA(Item(IDC_TOOL_ARGUMENTS), EM_GETLIMITTEXT, 0, 0), 259);
        SelectItem(4);
        EXPECT_EQ(Field(IDC_TOOL_COMMAND), "five.exe");
        EXPECT_TRUE(Enabled(IDC_TOOL_UP));
        EXPECT_FALSE(Enabled(IDC_TOOL_DOWN));
        SelectItem(2);
        EXPECT_TRUE(Enabled(IDC_TOOL_UP));
        EXPECT_TRUE(Enabled(IDC_TOOL_DOWN));
        Press(PSBTN_CANCEL);
    }});
}

TEST_F(ToolsPageTest, DeleteAndMoveThenOkStoreTheToolsAndRebuildTheMenu)
{
    const INT_PTR result = Run({[&] {
        SelectItem(2);
        Click(IDC_TOOL_DELETE);
        EXPECT_EQ(ListItems(), (std::vector<std::string>{"one", "two", "four", "five"}));
        EXPECT_EQ(Selected(), 2) << "the tool now at the same place";
        EXPECT_EQ(Field(IDC_TOOL_MENU_TEXT), "four");
        SelectItem(3);
        Click(IDC_TOOL_UP);
        EXPECT_EQ(ListItems(), (std::vector<std::string>{"one", "two", "five", "four"}));
        EXPECT_EQ(Selected(), 2) << "the moved tool stays selected";
        Click(IDC_TOOL_DOWN);
        Click(IDC_TOOL_UP);
        EXPECT_EQ(Field(IDC_TOOL_COMMAND), "five.exe");
        Press(PSBTN_OK);
    }});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_section.m_values, (std::map<std::string, std::string>{
                                      {"tools1", "one;one.exe;;;0"},
                                      {"tools2", "two;two.exe;;;0"},
                                      {"tools3", "five;five.exe;;;0"},
                                      {"tools4", "four;four.exe;;;0"},
                                  }));
    EXPECT_EQ(
        Menu(),
        (MenuItems{
            kFind, {106, "one"}, {107, "two"}, {108, "five"}, {109, "four"}, kDos, kProgram}));
}

TEST_F(ToolsPageTest, EditsGoIntoTheTableAtOnceAndCancelRestoresTheStoredTools)
{
    const auto stored = m_section.m_values;
    const MenuItems storedMenu = Menu();
    Run({[&] {
        SelectItem(1);
        fw::test::SetEditText(Item(IDC_TOOL_MENU_TEXT), "&Build");
        fw::test::SetEditText(Item(IDC_TOOL_ARGUMENTS), "$FileName$");
        fw::test::SetEditText(Item(IDC_TOOL_DIRECTORY), "$File;Dir$;");
        EXPECT_EQ(Field(IDC_TOOL_DIRECTORY), "$FileDir$") << "\";\" would split the stored value";
        Click(IDC_TOOL_ASK);
        EXPECT_EQ(ListItems()[1], "&Build");
        EXPECT_EQ(Selected(), 1);
        EXPECT_EQ(m_table[1], Tool("&Build", "two.exe", "$FileName$", "$FileDir$", 1));
        Click(IDC_TOOL_DELETE);
        Press(PSBTN_CANCEL);
    }});
    EXPECT_EQ(m_section.m_values, stored);
    EXPECT_EQ(ToolField(m_table[1].menuText), "two");
    EXPECT_EQ(m_table.Count(), 5);
    EXPECT_EQ(Menu(), storedMenu);
}

TEST_F(ToolsPageTest, AddPutsTheChosenProgramAtTheEnd)
{
    m_page.m_choice = "C:\\bin\\lint.exe";
    Run({[&] {
        Click(IDC_TOOL_ASK); // the first tool asks now, and so will the new one
        Click(IDC_TOOL_ADD);
        EXPECT_EQ(ListItems().back(), "lint.exe");
        EXPECT_EQ(Selected(), 5);
        EXPECT_EQ(Field(IDC_TOOL_COMMAND), "C:\\bin\\lint.exe");
        EXPECT_TRUE(AskChecked());
        EXPECT_FALSE(Enabled(IDC_TOOL_DOWN));
        m_page.m_choice.reset();
        Click(IDC_TOOL_ADD);
        EXPECT_EQ(ListItems().size(), 6u) << "cancelled: nothing added";
        Press(PSBTN_OK);
    }});
    EXPECT_EQ(m_section.m_values["tools6"], "lint.exe;C:\\bin\\lint.exe;;;1");
    EXPECT_EQ(Menu()[6], (std::pair<UINT, std::string>{111, "lint.exe"}));
}

TEST_F(ToolsPageTest, AddRefusesAnEleventhTool)
{
    for (int i = 5; i < kToolCount; ++i)
        m_section.Write(ToolKey(i), "more;more.exe;;;0");
    m_tools.Load();
    m_page.m_choice = "C:\\bin\\lint.exe";
    Run({[&] {
             fw::test::OnNextDialog("Error", [](HWND box) {
                 EXPECT_NE(
                     fw::test::FindChild(box, "Static", "No space for additional tools available"),
                     nullptr);
                 ClickButton(box, IDOK);
             });
             Click(IDC_TOOL_ADD);
             EXPECT_TRUE(fw::test::DialogCame());
         },
         [&] {
             EXPECT_EQ(ListItems().size(), 10u);
             EXPECT_EQ(m_page.m_chosen, 0) << "no file asked for";
             Press(PSBTN_CANCEL);
         }});
}

TEST_F(ToolsPageTest, DeletingTheLastToolEmptiesTheFields)
{
    m_section.m_values.clear();
    m_section.Write("Tools1", "only;only.exe;a;d;1");
    m_tools.Load();
    Run({[&] {
        EXPECT_FALSE(Enabled(IDC_TOOL_DOWN)) << "one tool: nowhere to move";
        EXPECT_TRUE(AskChecked());
        Click(IDC_TOOL_DELETE);
        EXPECT_TRUE(ListItems().empty());
        for (int id :
             {IDC_TOOL_MENU_TEXT, IDC_TOOL_COMMAND, IDC_TOOL_ARGUMENTS, IDC_TOOL_DIRECTORY})
            EXPECT_EQ(Field(id), "") << id;
        EXPECT_FALSE(AskChecked());
        fw::test::SetEditText(Item(IDC_TOOL_COMMAND), "typed with no tool");
        EXPECT_EQ(m_table[0], ToolEntry{});
        Press(PSBTN_OK);
    }});
    EXPECT_TRUE(m_section.m_values.empty());
    EXPECT_EQ(Menu(), (MenuItems{kFind, kDos, kProgram}));
}

// ---- Starting a tool on an editor window --------------------------------------

class ToolRunTest : public viewtest::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        m_startDir = CurrentDirectory();
        m_probe = fw::test::ProgramFolder() + "\\tool_probe.exe";
        m_record = Path("probe.txt");
        SetEnvironmentVariableA("TV_TOOL_PROBE_OUT", m_record.c_str());
        std::string text;
        for (int i = 1; i <= 20; ++i)
            text += "line " + std::to_string(i) + "\n";
        OpenText("edit.c", text);
        View()->GoToLine(12);
        View()->SetCaret(View()->GetCaret() + 4); // column 5
    }
    void TearDown() override
    {
        SetEnvironmentVariableA("TV_TOOL_PROBE_OUT", nullptr);
        SetCurrentDirectoryA(m_startDir.c_str());
        ViewTest::TearDown();
    }

    ToolFacts Facts() const { return {ViewFacts(View()), "c:\\proj\\app.set", ""}; }

    // The probe's command line and current directory, once it has run.
    std::pair<std::string, std::string> Record()
    {
        fw::test::PumpUntil(
            *m_app, [&] { return fw::test::FileExists(m_record); }, 10000);
        const std::string text = fw::test::ReadFileText(m_record);
        const size_t end = text.find('\n');
        if (end == std::string::npos)
            return {};
        return {text.substr(0, end), text.substr(end + 1, text.size() - end - 2)};
    }

    std::string m_startDir;
    std::string m_probe;
    std::string m_record;
};

TEST_F(ToolRunTest, StartsTheProgramWithItsPlaceholdersExpandedInItsDirectory)
{
    const ToolEntry entry =
        Tool("&Probe", m_probe, "$FileName$ -l$Line$ -c$Col$ $Target$ $Dir$", "$FileDir$");
    const std::optional<std::string> started = RunTool(entry, Facts(), m_main->GetHwnd());
    const std::string folder = m_folder->Path();
    const std::string expected = m_probe + " edit.c -l12 -c5 app " + folder + "\\";
    EXPECT_EQ(started, expected);
    const auto [commandLine, directory] = Record();
    EXPECT_EQ(commandLine, expected);
    EXPECT_EQ(directory, folder);
    EXPECT_EQ(CurrentDirectory(), folder) << "the editor stays in the tool's directory";
}

TEST_F(ToolRunTest, ParametersDialogGivesTheArgumentsOfOneStart)
{
    const ToolEntry entry = Tool("&Probe", m_probe, "ignored", "", 1);
    bool empty = false;
    fw::test::OnNextDialog("Parameters", [&](HWND dialog) {
        empty = ItemText(dialog, IDC_PARAMETERS_ARGUMENTS).empty();
        fw::test::SetEditText(GetDlgItem(dialog, IDC_PARAMETERS_ARGUMENTS), "-n $Line$");
        ClickButton(dialog, IDOK);
    });
    EXPECT_EQ(RunTool(entry, Facts(), m_main->GetHwnd()), m_probe + " -n 12");
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_TRUE(empty) << "the arguments start empty";
    EXPECT_EQ(Record().first, m_probe + " -n 12");
}

TEST_F(ToolRunTest, CancelInTheParametersDialogAbandonsTheStart)
{
    const ToolEntry entry = Tool("&Probe", m_probe, "", "", 1);
    fw::test::OnNextDialog("Parameters", [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_EQ(RunTool(entry, Facts(), m_main->GetHwnd()), std::nullopt);
    EXPECT_TRUE(fw::test::DialogCame());
    fw::test::Pump(500);
    EXPECT_FALSE(fw::test::FileExists(m_record));
}

TEST_F(ToolRunTest, EnteringTheDirectoryChangesDriveOnlyForADriveLetter)
{
    CreateDirectoryA(Path("zdocs").c_str(), nullptr);
    const std::string folder = m_folder->Path();
    struct Case {
        std::string enter;
        std::string expected;
    } cases[] = {
        {"", folder},
        {"zdocs", Path("zdocs")}, // relative: not drive Z:
        {"..", folder.substr(0, folder.rfind('\\'))},
        {"z:\\tmp", "Z:\\tmp"},
        {"no\\such\\dir", folder},
    };
    for (const Case& c : cases) {
        SetCurrentDirectoryA(folder.c_str());
        EnterDirectory(c.enter);
        EXPECT_STRCASEEQ(CurrentDirectory().c_str(), c.expected.c_str()) << c.enter;
    }
}

// ---- The printed header's expansion -------------------------------------------

class RegionalValues {
public:
    RegionalValues()
    {
        m_key = fw::RegKey::Create(HKEY_CURRENT_USER, "Control Panel\\International");
        for (auto& [name, value] : m_saved)
            value = m_key.GetString(name);
    }
    ~RegionalValues()
    {
        for (auto& [name, value] : m_saved) {
            if (value)
                m_key.SetString(name, *value);
            else
                m_key.DeleteValue(name);
        }
    }
    void Set(const char* iDate, const char* sDate, const char* iTime, const char* sTime)
    {
        const char* values[] = {iDate, sDate, iTime, sTime};
        for (size_t i = 0; i < 4; ++i) {
            if (values[i])
                m_key.SetString(m_saved[i].first, values[i]);
            else
                m_key.DeleteValue(m_saved[i].first);
        }
    }

private:
    fw::RegKey m_key;
    std::pair<std::string, std::optional<std::string>> m_saved[4] = {
        {"iDate", {}}, {"sDate", {}}, {"iTime", {}}, {"sTime", {}}};
};

std::string Formatted(std::int64_t seconds, const char* pattern)
{
    const std::time_t when = static_cast<std::time_t>(seconds);
    return FormatTime(*std::localtime(&when), pattern);
}

TEST_F(ToolRunTest, PrintTextUsesTheRegionalFormsAndTheFileTimeOfTheLoad)
{
    RegionalValues regional;
    const std::int64_t loaded = View()->GetDocument()->Core().m_status.modificationTime;
    ASSERT_NE(loaded, 0);
    struct Case {
        const char* what;
        const char* values[4];
        const char* pattern;
    } cases[] = {
        {"day first, 24 hours", {"1", ".", "1", ":"}, "%d.%m.%y %H:%M"},
        {"missing values: month first, 12 hours",
         {nullptr, nullptr, nullptr, nullptr},
         "%m/%d/%y %I:%M %p"},
    };
    for (const Case& c : cases) {
        regional.Set(c.values[0], c.values[1], c.values[2], c.values[3]);
        EXPECT_EQ(ExpandPrintText("$FileName$ p$Page$ $FileDate$ $FileTime$", View(), 4),
                  "edit.c p4 " + Formatted(loaded, c.pattern))
            << c.what;
    }
    EXPECT_EQ(ExpandPrintText("[$File$|$FileDate$] $Page$", nullptr, 2), "[|] 2");
}

} // namespace
