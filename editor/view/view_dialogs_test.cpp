// The dialogs an editor window opens, driven as the user drives them: the
// "Document Properties" box from Alt+Enter and the font dialog of the view's
// font command, each answered by pressing its controls.
#include "editor/view/view_test_support.h"

#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "resource.h"

namespace viewtest {
namespace {

using fw::test::ItemText;

struct ShownProperties {
    std::string name, size, status;
    bool unixFile = false;
    bool readOnly = false;
};

using Properties = ViewTest;

TEST_F(Properties, AltEnterShowsTheDocumentAndOkStoresTheSwitches)
{
    CMarlDoc* doc = OpenText("dos.txt", "ab\r\ncd\r\n");
    Chars("x");
    ShownProperties shown;
    OnNextDialog("Document Properties", [&](HWND dialog) {
        shown = {ItemText(dialog, IDC_PROP_NAME), ItemText(dialog, IDC_PROP_SIZE),
                 ItemText(dialog, IDC_PROP_STATUS),
                 IsDlgButtonChecked(dialog, IDC_PROP_UNIX) == BST_CHECKED,
                 IsDlgButtonChecked(dialog, IDC_PROP_READONLY) == BST_CHECKED};
        ClickButton(dialog, IDC_PROP_UNIX);
        ClickButton(dialog, IDOK);
    });
    Key(VK_RETURN, {VK_MENU});
    ASSERT_TRUE(DialogCame());
    EXPECT_EQ(shown.name, Path("dos.txt"));
    EXPECT_EQ(shown.size, "7"); // line ends counted once
    EXPECT_EQ(shown.status, "Modified");
    EXPECT_FALSE(shown.unixFile);
    EXPECT_FALSE(shown.readOnly);
    EXPECT_TRUE(doc->Core().m_bUnixFile);
    EXPECT_FALSE(doc->Core().m_bReadOnly);
    EXPECT_TRUE(doc->IsModified());

    // Saved now with line feeds only; the box then says so and Cancel
    // keeps everything as it was, the switches pressed or not.
    Key('S', {VK_CONTROL});
    EXPECT_EQ(ReadFile(Path("dos.txt")), "xab\ncd\n");
    OnNextDialog("Document Properties", [&](HWND dialog) {
        shown.status = ItemText(dialog, IDC_PROP_STATUS);
        shown.unixFile = IsDlgButtonChecked(dialog, IDC_PROP_UNIX) == BST_CHECKED;
        ClickButton(dialog, IDC_PROP_UNIX);
        ClickButton(dialog, IDC_PROP_READONLY);
        ClickButton(dialog, IDCANCEL);
    });
    Key(VK_RETURN, {VK_MENU});
    ASSERT_TRUE(DialogCame());
    EXPECT_EQ(shown.status, "Not changed");
    EXPECT_TRUE(shown.unixFile);
    EXPECT_TRUE(doc->Core().m_bUnixFile);
    EXPECT_FALSE(doc->Core().m_bReadOnly);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(Properties, ReadOnlyFromTheBoxStopsTypingAndLightsTheRead)
{
    CMarlDoc* doc = OpenText("a.txt", "abc");
    Chars("u");
    Key('Z', {VK_CONTROL});
    Key('A', {VK_CONTROL}); // undone and done again: both lists hold a step
    Chars("v");
    Key('Z', {VK_CONTROL});
    OnNextDialog("Document Properties", [&](HWND dialog) {
        ClickButton(dialog, IDC_PROP_READONLY);
        ClickButton(dialog, IDOK);
    });
    Key(VK_RETURN, {VK_MENU});
    ASSERT_TRUE(DialogCame());
    EXPECT_TRUE(doc->Core().m_bReadOnly);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(PaneText(ID_INDICATOR_READ), "READ");
    Chars("x");
    Key('Z', {VK_CONTROL});
    Key('A', {VK_CONTROL});
    EXPECT_EQ(DocText(), "uabc");
    // The file's attribute on disk is not touched.
    EXPECT_FALSE(GetFileAttributesA(Path("a.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
}

// ---- The view's own font ------------------------------------------------------------

LOGFONTA FontOf(CMarlView* view)
{
    LOGFONTA font{};
    GetObjectA(view->GetFont(), sizeof font, &font);
    return font;
}

// Chooses `face` at `points` in the font dialog and presses OK.
void ChooseInFontDialog(HWND dialog, const char* face, const char* points)
{
    HWND faces = GetDlgItem(dialog, cmb1);
    const LRESULT faceIndex = SendMessageA(faces, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(face));
    if (faceIndex != CB_ERR) {
        SendMessageA(faces, CB_SETCURSEL, faceIndex, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(faces));
    }
    HWND sizes = GetDlgItem(dialog, cmb3);
    SetWindowTextA(sizes, points);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(sizes));
    ClickButton(dialog, IDOK);
}

using ViewFont = ViewTest;

TEST_F(ViewFont, FontCommandChangesOnlyThisPanesFontAndMetrics)
{
    m_options.m_bCursor = 1; // the block caret follows the new width
    OpenText("a.txt", "a\tb\nsecond line\n");
    ASSERT_TRUE(SplitInTwo());
    CMarlView* upper = Pane(0);
    CMarlView* lower = Pane(1);
    Activate(upper);
    Key(VK_DOWN);
    Key(VK_END);
    const LOGFONTA before = FontOf(upper);
    const int height = upper->GetLineHeight();
    const int width = upper->GetCharWidth();

    bool faceListed = false;
    OnNextDialog("Font", [&](HWND dialog) {
        faceListed = SendDlgItemMessageA(dialog, cmb1, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>("Tahoma")) != CB_ERR;
        ChooseInFontDialog(dialog, "Tahoma", "20");
    });
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_VIEW_FONT, 0);
    Pump(*m_app);
    ASSERT_TRUE(DialogCame());
    ASSERT_TRUE(faceListed) << "the font dialog lists no Courier New";

    const LOGFONTA after = FontOf(upper);
    EXPECT_STREQ(after.lfFaceName, "Tahoma");
    EXPECT_NE(after.lfHeight, before.lfHeight);
    EXPECT_GT(upper->GetLineHeight(), height);
    EXPECT_NE(upper->GetCharWidth(), width);
    // The caret stays on its character, placed with the new metrics.
    EXPECT_EQ(upper->GetCaretPoint().y, upper->GetLineHeight());
    EXPECT_EQ(upper->GetCaretPoint().x, upper->GetCharWidth() * 12);

    // The other pane and the default font settings keep theirs.
    EXPECT_STREQ(FontOf(lower).lfFaceName, before.lfFaceName);
    EXPECT_EQ(lower->GetLineHeight(), height);
    EXPECT_EQ(lower->GetCharWidth(), width);
    EXPECT_EQ(m_app->m_settings.m_strFontName, "Fixedsys");

    // Cancel changes nothing.
    OnNextDialog("Font", [&](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_VIEW_FONT, 0);
    Pump(*m_app);
    ASSERT_TRUE(DialogCame());
    EXPECT_STREQ(FontOf(upper).lfFaceName, "Tahoma");
    EXPECT_EQ(FontOf(upper).lfHeight, after.lfHeight);
}

} // namespace
} // namespace viewtest
