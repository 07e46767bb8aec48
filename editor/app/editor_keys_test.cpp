// Keys and menus of the program with its real frames: the keys of the
// application and the main frame work while an editor window has the
// focus, every shortcut a menu shows is the key that runs that item, and
// every item that looks enabled has something to run.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/res/resource.h"
#include "editor/view/marl_view.h"
#include "framework/handles.h"
#include "framework/mdi_child.h"

using namespace shelltest;

namespace {

class EditorKeysTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_editorDocuments = true;
    }

    CMarlView* FocusedEditor() const
    {
        return dynamic_cast<CMarlView*>(fw::Window::FromHandle(GetFocus()));
    }

    // A new editor window, the focus in its view.
    CMarlView* NewEditorWindow()
    {
        Command(ID_FILE_NEW);
        fw::View* view = Frame().GetActiveView();
        if (!view)
            return nullptr;
        SetFocus(view->GetHwnd());
        Pump(*m_app);
        return FocusedEditor();
    }
};

// ---- Key names as menus show them ------------------------------------------

struct KeyName {
    std::string_view name;
    WORD key;
};

constexpr KeyName kKeyNames[] = {
    {"Del", VK_DELETE},   {"Delete", VK_DELETE},  {"Ins", VK_INSERT},  {"Insert", VK_INSERT},
    {"Enter", VK_RETURN}, {"Backspace", VK_BACK}, {"Tab", VK_TAB},     {"Esc", VK_ESCAPE},
    {"Space", VK_SPACE},  {"Home", VK_HOME},      {"End", VK_END},     {"PgUp", VK_PRIOR},
    {"PgDn", VK_NEXT},    {"Left", VK_LEFT},      {"Right", VK_RIGHT}, {"Up", VK_UP},
    {"Down", VK_DOWN},
};

// "Ctrl+Shift+F3" as the virtual key and FSHIFT/FCONTROL/FALT; false for a
// name nobody could press.
bool ParseKey(std::string_view text, WORD& key, BYTE& modifiers)
{
    modifiers = 0;
    for (;;) {
        const size_t plus = text.find('+');
        if (plus == std::string_view::npos || plus + 1 == text.size())
            break;
        const std::string_view part = text.substr(0, plus);
        if (part == "Ctrl")
            modifiers |= FCONTROL;
        else if (part == "Shift")
            modifiers |= FSHIFT;
        else if (part == "Alt")
            modifiers |= FALT;
        else
            return false;
        text.remove_prefix(plus + 1);
    }
    if (text.size() == 1 &&
        ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= '0' && text[0] <= '9'))) {
        key = static_cast<WORD>(text[0]);
        return true;
    }
    if (text.size() >= 2 && text[0] == 'F') {
        int n = 0;
        for (char c : text.substr(1)) {
            if (c < '0' || c > '9')
                return false;
            n = n * 10 + (c - '0');
        }
        if (n < 1 || n > 24)
            return false;
        key = static_cast<WORD>(VK_F1 + n - 1);
        return true;
    }
    for (const KeyName& k : kKeyNames)
        if (k.name == text) {
            key = k.key;
            return true;
        }
    return false;
}

TEST(MenuKeyNames, ParseAsTheKeyboardHasThem)
{
    struct Case {
        const char* text;
        WORD key;
        BYTE modifiers;
    };
    const Case cases[] = {
        {"Ctrl+Shift+F3", VK_F3, FCONTROL | FSHIFT},
        {"Alt+F5", VK_F5, FALT},
        {"Del", VK_DELETE, 0},
        {"Shift+Ins", VK_INSERT, FSHIFT},
        {"Ctrl+A", 'A', FCONTROL},
        {"F12", VK_F12, 0},
        {"Alt+Enter", VK_RETURN, FALT},
    };
    for (const Case& c : cases) {
        WORD key = 0;
        BYTE modifiers = 0xFF;
        ASSERT_TRUE(ParseKey(c.text, key, modifiers)) << c.text;
        EXPECT_EQ(key, c.key) << c.text;
        EXPECT_EQ(modifiers, c.modifiers) << c.text;
    }
    WORD key = 0;
    BYTE modifiers = 0;
    for (const char* bad : {"Ctrl+", "Hyper+X", "F0", "F25", "Ctrl+Foo", ""})
        EXPECT_FALSE(ParseKey(bad, key, modifiers)) << bad;
}

// ---- Mnemonics --------------------------------------------------------------

// The letter after a single '&', lower case; 0 when none.
char Mnemonic(std::string_view text)
{
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return static_cast<char>(CharLowerA(reinterpret_cast<LPSTR>(text[i + 1] & 0xFF)) -
                                     static_cast<LPSTR>(nullptr));
        ++i;
    }
    return 0;
}

// Within one popup each letter leads to one item: a shared letter only
// moves the highlight between its items and runs none.
void ExpectUniqueMnemonics(HMENU menu, const std::string& where)
{
    std::string seen;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const std::string path = where + " > " + text;
        if (HMENU popup = GetSubMenu(menu, i))
            ExpectUniqueMnemonics(popup, path);
        const char letter = Mnemonic(text);
        if (letter == 0)
            continue;
        EXPECT_TRUE(seen.find(letter) == std::string::npos)
            << path << ": its letter '" << letter << "' leads to another item too";
        seen += letter;
    }
}

// A resource name as "#<id>" for a number, which the loaders take too.
BOOL CALLBACK AddMenuName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<UINT_PTR>(name)) : name);
    return TRUE;
}

// ---- What a key runs --------------------------------------------------------

// The command of a key: the first of `tables`, in the order the frames
// translate them, that binds it.
UINT CommandOfKey(const std::vector<HACCEL>& tables, WORD key, BYTE modifiers)
{
    for (HACCEL table : tables) {
        if (!table)
            continue;
        std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
        CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
        for (const ACCEL& a : entries)
            if ((a.fVirt & FVIRTKEY) && a.key == key &&
                (a.fVirt & (FSHIFT | FCONTROL | FALT)) == modifiers)
                return a.cmd;
    }
    return 0;
}

struct MenuItem {
    UINT id;
    std::string text;
    HMENU popup; // the menu that holds it
};

void CollectItems(HMENU menu, std::vector<MenuItem>& items)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info))
            continue;
        if (info.hSubMenu)
            CollectItems(info.hSubMenu, items);
        else if (!(info.fType & MFT_SEPARATOR))
            items.push_back({info.wID, text, menu});
    }
}

std::vector<MenuItem> ItemsOf(HMENU menu)
{
    std::vector<MenuItem> items;
    CollectItems(menu, items);
    return items;
}

// Every "\t<key>" of `menu` is a key that runs the item's command.
void ExpectShortcutsRunTheirItems(HMENU menu, const std::vector<HACCEL>& tables)
{
    int shortcuts = 0;
    for (const MenuItem& item : ItemsOf(menu)) {
        const size_t tab = item.text.find('\t');
        if (tab == std::string::npos)
            continue;
        ++shortcuts;
        const std::string shown = item.text.substr(tab + 1);
        WORD key = 0;
        BYTE modifiers = 0;
        ASSERT_TRUE(ParseKey(shown, key, modifiers)) << "no such key: " << item.text;
        EXPECT_EQ(CommandOfKey(tables, key, modifiers), item.id)
            << item.text << " shows a key that runs another command";
    }
    EXPECT_GT(shortcuts, 0);
}

// Opens each popup as the user would and checks that an item shown enabled
// has a handler on the route.
void ExpectEnabledItemsHaveHandlers(fw::FrameWnd& frame, HMENU menu)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (HMENU popup = GetSubMenu(menu, i))
            SendMessageA(frame.GetHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
    for (const MenuItem& item : ItemsOf(menu)) {
        if (item.id >= FW_IDM_FIRST_MDICHILD) // the window list
            continue;
        if (GetMenuState(item.popup, item.id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED))
            continue;
        EXPECT_TRUE(frame.OnCmdMsg(item.id, fw::CmdCode::HasHandler, nullptr))
            << item.text << " looks enabled but nothing runs it";
    }
}

} // namespace

TEST(MenuMnemonics, NoTwoItemsOfAPopupShareALetter)
{
    EXPECT_EQ(Mnemonic("Save Al&l"), 'l');
    EXPECT_EQ(Mnemonic("Fish && &Chips"), 'c');
    EXPECT_EQ(Mnemonic("Plain"), 0);
    // Every menu of the program's resources, the context menus included.
    std::vector<std::string> names;
    EnumResourceNamesA(nullptr, RT_MENU, AddMenuName, reinterpret_cast<LONG_PTR>(&names));
    ASSERT_GE(names.size(), 2u);
    for (const std::string& name : names) {
        HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), name.c_str());
        ASSERT_TRUE(menu) << name;
        ExpectUniqueMnemonics(menu, "menu " + name);
        DestroyMenu(menu);
    }
}

TEST_F(EditorKeysTest, ApplicationAndFrameKeysWorkInAnEditorWindow)
{
    Start();
    ASSERT_TRUE(NewEditorWindow()) << "the focus is not in an editor window";

    Key('N', {VK_CONTROL});
    EXPECT_EQ(Documents().size(), 2u) << "Ctrl+N made no new document";

    ASSERT_TRUE(FocusedEditor());
    WriteText(Path("a.c"), "int a;\n");
    m_app->m_openChoice.paths = {Path("a.c")};
    Key('O', {VK_CONTROL});
    EXPECT_EQ(Documents().back()->GetPathName(), Path("a.c"))
        << "Ctrl+O did not reach the open dialog";

    ASSERT_TRUE(FocusedEditor());
    Key(VK_F1, {VK_SHIFT});
    EXPECT_TRUE(m_app->IsHelpMode()) << "Shift+F1 did not enter help mode";
    m_app->ExitHelpMode();
}

TEST_F(EditorKeysTest, OutlineAndHelpOnAWordAreReachedByTheirKeys)
{
    Start();
    CMarlView* view = NewEditorWindow();
    ASSERT_TRUE(view);
    // With nothing associated, each command explains what is missing.
    Key('W', {VK_CONTROL});
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(m_app->m_shown[0].text, "There is no outliner DLL specified for this extension.");
    for (char c : std::string("int count;"))
        SendMessageA(view->GetHwnd(), WM_CHAR, static_cast<WPARAM>(c), 0);
    view->SetCaret(6); // inside "count"
    Key(VK_F1);
    ASSERT_EQ(m_app->m_shown.size(), 2u);
    EXPECT_EQ(m_app->m_shown[1].text.substr(0, 34), "There are no help files defined fo");
}

TEST_F(EditorKeysTest, MenuShortcutsAreTheKeysThatRunThem)
{
    Start();
    // The frame's own table, as it loads it from the program's resources.
    HACCEL frameKeys =
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(frameKeys);
    {
        SCOPED_TRACE("no editor window");
        ExpectShortcutsRunTheirItems(GetMenu(Frame().GetHwnd()), {frameKeys});
    }
    ASSERT_TRUE(NewEditorWindow());
    auto* child = dynamic_cast<fw::MDIChildWnd*>(Frame().GetActiveFrame());
    ASSERT_TRUE(child);
    // The editor window's table first, then what the main frame translates.
    fw::AcceleratorTable editorKeys(CreateViewAccelerators());
    SCOPED_TRACE("in an editor window");
    ExpectShortcutsRunTheirItems(GetMenu(Frame().GetHwnd()),
                                 {editorKeys.get(), child->GetSharedAccelerators(), frameKeys});
}

TEST_F(EditorKeysTest, EveryItemShownEnabledHasSomethingToRun)
{
    Start();
    {
        SCOPED_TRACE("no editor window");
        ExpectEnabledItemsHaveHandlers(Frame(), GetMenu(Frame().GetHwnd()));
    }
    ASSERT_TRUE(NewEditorWindow());
    SCOPED_TRACE("in an editor window");
    ExpectEnabledItemsHaveHandlers(Frame(), GetMenu(Frame().GetHwnd()));
}

TEST_F(EditorKeysTest, FontHiddenCharactersAndPropertiesAreInTheMenu)
{
    Start();
    CMarlView* view = NewEditorWindow();
    ASSERT_TRUE(view);
    HMENU menu = GetMenu(Frame().GetHwnd());
    const std::vector<MenuItem> items = ItemsOf(menu);
    auto find = [&](UINT id) -> const MenuItem* {
        for (const MenuItem& item : items)
            if (item.id == id)
                return &item;
        return nullptr;
    };
    struct Expect {
        UINT id;
        const char* text;
    };
    for (const Expect& e :
         {Expect{ID_VIEW_FONT, "Font..."}, Expect{ID_SHOW_HIDDEN, "S&how hidden characters"},
          Expect{ID_FILE_PROPERTIES, "Properties...\tAlt+Enter"}}) {
        const MenuItem* item = find(e.id);
        ASSERT_TRUE(item) << e.text;
        EXPECT_EQ(item->text, e.text);
    }

    // Chosen from the menu, the switch reaches the view; the item shows it.
    const MenuItem* hidden = find(ID_SHOW_HIDDEN);
    for (bool on : {true, false}) {
        Command(ID_SHOW_HIDDEN);
        EXPECT_EQ(view->IsShowHidden(), on);
        SendMessageA(Frame().GetHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hidden->popup),
                     0);
        EXPECT_EQ((GetMenuState(hidden->popup, ID_SHOW_HIDDEN, MF_BYCOMMAND) & MF_CHECKED) != 0,
                  on);
    }
}
