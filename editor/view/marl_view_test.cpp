// The editor window in real windows: keys through the accelerator table,
// characters, mouse messages at computed places, two panes of one document,
// and the colours on the screen.
#include "editor/view/view_test_support.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "resource.h"

namespace viewtest {
namespace {

using Editing = ViewTest;

TEST_F(Editing, TypedCharactersGoInAtTheCaretAndEnterIsALineFeed)
{
    OpenText("a.txt", "    x\n");
    m_options.m_bAutoIndent = 1;
    Key(VK_END);
    Chars("y");
    Key(VK_RETURN);
    Chars("z");
    EXPECT_EQ(DocText(), "    xy\n    z\n");
    EXPECT_EQ(View()->GetCaretLine(), 2);
    EXPECT_EQ(PaneText(ID_INDICATOR_LINE), "000002");
    EXPECT_EQ(PaneText(ID_INDICATOR_COLUMN), "0006");
}

TEST_F(Editing, ShiftArrowsExtendAndShrinkTheSelection)
{
    OpenText("a.txt", "0123456789\n");
    for (int i = 0; i < 5; ++i)
        Key(VK_RIGHT);
    for (int i = 0; i < 3; ++i)
        Key(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(View()->GetSelStart(), 5u);
    EXPECT_EQ(View()->GetSelEnd(), 8u);
    Key(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(View()->GetSelStart(), 5u);
    EXPECT_EQ(View()->GetSelEnd(), 7u);
    // Shift+End twice: the second one keeps what the first selected.
    Key(VK_END, {VK_SHIFT});
    Key(VK_END, {VK_SHIFT});
    EXPECT_EQ(View()->GetSelStart(), 5u);
    EXPECT_EQ(View()->GetSelEnd(), 10u);
    Key(VK_LEFT, {VK_SHIFT});
    // A plain motion drops the selection.
    Key(VK_LEFT);
    EXPECT_FALSE(View()->HasSelection());
    EXPECT_EQ(View()->GetCaret(), 8u);
}

TEST_F(Editing, TypingOverASelectionReplacesItBackspaceOnlyClearsIt)
{
    OpenText("a.txt", "abcdef");
    Key(VK_RIGHT);
    Key(VK_RIGHT, {VK_SHIFT});
    Key(VK_RIGHT, {VK_SHIFT});
    Chars("X");
    EXPECT_EQ(DocText(), "aXdef");
    // Backspace only drops the selection and deletes the byte before the caret.
    Key(VK_RIGHT, {VK_SHIFT});
    Key(VK_BACK);
    EXPECT_EQ(DocText(), "aXef");
    EXPECT_FALSE(View()->HasSelection());
    EXPECT_EQ(View()->GetCaret(), 2u);
}

TEST_F(Editing, TabWithBlanksFillsToTheNextStopAlsoInOverwriteMode)
{
    m_options.m_bUseBlanks = 1;
    OpenText("a.txt", "ab\ncd");
    Key(VK_END);
    Chars("\t");
    EXPECT_EQ(DocText(), "ab  \ncd");
    Key(VK_DOWN);
    Key(VK_HOME);
    Key(VK_INSERT);
    EXPECT_EQ(PaneText(ID_INDICATOR_OVR), "OVR");
    Chars("\tX");
    EXPECT_EQ(DocText(), "ab  \n    Xd");
}

TEST_F(Editing, DeleteKeysAndCtrlY)
{
    OpenText("a.txt", "one\ntwo\nthree");
    Key(VK_DELETE);
    EXPECT_EQ(DocText(), "ne\ntwo\nthree");
    Key(VK_DOWN);
    Key(VK_HOME);
    Key(VK_BACK);
    EXPECT_EQ(DocText(), "netwo\nthree");
    EXPECT_EQ(View()->GetCaretLine(), 1);
    Key('Y', {VK_CONTROL});
    EXPECT_EQ(DocText(), "three");
    Key('Y', {VK_CONTROL});
    EXPECT_EQ(DocText(), "");
    EXPECT_EQ(View()->GetCaretLine(), 1);
}

TEST_F(Editing, UndoAndRedoFromTheKeys)
{
    OpenText("a.txt", "");
    Chars("abc");
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "ab");
    EXPECT_EQ(View()->GetCaret(), 2u);
    Key(VK_BACK, {VK_MENU});
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "");
    EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO));
    Key('A', {VK_CONTROL});
    Key(VK_BACK, {VK_SHIFT});
    EXPECT_EQ(DocText(), "ab");
    EXPECT_TRUE(IsEnabled(ID_EDIT_REDO));
}

TEST_F(Editing, ReadOnlyDocumentIgnoresEveryChange)
{
    CMarlDoc* doc = OpenText("a.txt", "abc\n");
    Chars("x");
    Key(VK_BACK);
    doc->Core().m_bReadOnly = true;
    EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO));
    EXPECT_FALSE(IsEnabled(ID_DELETE_LINE));
    Key('Z', {VK_CONTROL});
    Key(VK_BACK);
    Chars("x");
    Key(VK_DELETE);
    Key('Y', {VK_CONTROL});
    Key(VK_RIGHT, {VK_SHIFT});
    EXPECT_FALSE(IsEnabled(ID_EDIT_CUT));
    EXPECT_TRUE(IsEnabled(ID_EDIT_COPY));
    Key('X', {VK_CONTROL});
    EXPECT_EQ(DocText(), "abc\n");
    EXPECT_EQ(PaneText(ID_INDICATOR_READ), "READ");
}

// A handler that throws: the window procedure's barrier tells the user in
// the application's message box (a repeat goes to the status line) and the
// program goes on.
class ThrowingWindow : public fw::Window {
protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_APP)
            throw std::runtime_error("boom");
        return fw::Window::WindowProc(msg, wParam, lParam);
    }
};

TEST_F(Editing, AHandlerThatThrowsIsReportedAndTheProgramGoesOn)
{
    OpenText("a.txt", "abc\n");
    ASSERT_TRUE(fw::Window::RegisterClass("TvThrowingWindow"));
    ThrowingWindow window;
    ASSERT_TRUE(
        window.CreateEx(0, "TvThrowingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    SendMessageA(window.GetHwnd(), WM_APP, 0, 0);
    ASSERT_EQ(m_app->m_shown.size(), 1u);
    EXPECT_EQ(m_app->m_shown[0].text, "Unexpected error in window procedure: boom");
    EXPECT_EQ(m_app->m_shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    SendMessageA(window.GetHwnd(), WM_APP, 0, 0);
    EXPECT_EQ(m_app->m_shown.size(), 1u);
    window.Destroy();
    Chars("x");
    EXPECT_EQ(DocText(), "xabc\n");
}

using Moving = ViewTest;

TEST_F(Moving, CtrlEndOnATextEndingWithALineFeedGoesToTheEmptyLastLine)
{
    OpenText("a.txt", "ab\ncd\n");
    Key(VK_END, {VK_CONTROL});
    EXPECT_EQ(View()->GetCaret(), 6u);
    EXPECT_EQ(PaneText(ID_INDICATOR_LINE), "000003");
    EXPECT_EQ(PaneText(ID_INDICATOR_COLUMN), "0001");
    Key(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(View()->GetCaret(), 0u);
    EXPECT_EQ(View()->GetCaretLine(), 1);
}

TEST_F(Moving, UpAndDownKeepTheColumnOnlyAsFarAsTheLinesAllow)
{
    OpenText("a.txt", "abcdef\nab\nabcdef");
    Key(VK_END);
    Key(VK_DOWN);
    EXPECT_EQ(View()->GetCaret(), 9u);
    Key(VK_DOWN);
    EXPECT_EQ(View()->GetCaret(), 12u); // the column of the short line
    Key(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(View()->GetCaret(), 16u);
    Key(VK_LEFT, {VK_CONTROL});
    EXPECT_EQ(View()->GetCaret(), 10u);
}

TEST_F(Moving, ScrollScaleKeepsTheRangeWithinTheBarAndTheThumbMovesTheTop)
{
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "line\n";
    OpenText("big.txt", text);
    CMarlView* view = View();
    EXPECT_EQ(view->GetScrollScale(), 10);
    SCROLLINFO info{};
    info.fMask = SIF_RANGE;
    view->GetScrollInfo(SB_VERT, info);
    EXPECT_EQ(info.nMax, 4000);
    SendMessageA(view->GetHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 2000), 0);
    Pump(*m_app);
    EXPECT_EQ(view->GetTop(), 20000u * 5);
}

TEST_F(Moving, LineDownAtTheLastLineChangesNothing)
{
    OpenText("a.txt", "a\nb");
    CMarlView* view = View();
    SendMessageA(view->GetHwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(view->GetTop(), 2u);
    SendMessageA(view->GetHwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(view->GetTop(), 2u);
    SendMessageA(view->GetHwnd(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(view->GetTop(), 0u);
}

TEST_F(Moving, PageDownMovesTopAndCaretByTheRowsShown)
{
    OpenText("a.txt", RepeatedLines("x\n", 200));
    CMarlView* view = View();
    const RECT client = ClientArea();
    const long rows = client.bottom / view->GetLineHeight();
    Key(VK_NEXT);
    EXPECT_EQ(view->GetCaretLine(), 1 + rows);
    EXPECT_EQ(view->GetTop(), static_cast<TextPos>(2 * rows));
    Key(VK_PRIOR);
    EXPECT_EQ(view->GetCaretLine(), 1);
    EXPECT_EQ(view->GetTop(), 0u);
}

using Clipboard = ViewTest;

TEST_F(Clipboard, CutAndPasteUseCrLfAndPasteDropsCarriageReturns)
{
    OpenText("a.txt", "ab\ncd\n");
    Key(VK_END, {VK_SHIFT});
    Key(VK_RIGHT, {VK_SHIFT});
    Key('X', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), "ab\r\n");
    EXPECT_EQ(DocText(), "cd\n");
    Key(VK_END, {VK_CONTROL});
    Key('V', {VK_CONTROL});
    EXPECT_EQ(DocText(), "cd\nab\n");
    EXPECT_EQ(View()->GetCaretLine(), 3);
    SetClipboardText("x\r\ny");
    Key(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(DocText(), "cd\nab\nx\ny");
}

TEST_F(Clipboard, DisabledCopyFromAKeyChangesNothing)
{
    OpenText("a.txt", "abc");
    SetClipboardText("kept");
    EXPECT_FALSE(IsEnabled(ID_EDIT_COPY));
    Key('C', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(Clipboard, KeypadPlusTypesOrCopiesTheWholeLine)
{
    OpenText("a.txt", "ab\ncd");
    m_options.m_bBRIEFkeys = 0;
    Key(VK_ADD);
    EXPECT_EQ(DocText(), "+ab\ncd");
    m_options.m_bBRIEFkeys = 1;
    Key(VK_ADD);
    EXPECT_EQ(ClipboardText(), "+ab\r\n");
    Key(VK_DOWN);
    Key(VK_SUBTRACT);
    EXPECT_EQ(ClipboardText(), "cd"); // not beyond the end of the text
    EXPECT_EQ(DocText(), "+ab\n");
}

TEST_F(Clipboard, ABusyClipboardIsReportedAndChangesNothing)
{
    OpenText("a.txt", "abc");
    SetClipboardText("kept");
    Key(VK_RIGHT, {VK_SHIFT});
    {
        // Another window holds the clipboard open.
        fw::ClipboardSession held(m_main->GetHwnd());
        ASSERT_TRUE(held.IsOpen());
        Key('X', {VK_CONTROL});
        Key('V', {VK_CONTROL});
    }
    ASSERT_EQ(m_app->m_shown.size(), 2u);
    for (const TestApp::Shown& shown : m_app->m_shown) {
        EXPECT_EQ(shown.text, "Cannot open clipboard");
        EXPECT_EQ(shown.type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
    }
    EXPECT_EQ(DocText(), "abc");
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_TRUE(View()->HasSelection());
}

using Mouse = ViewTest;

TEST_F(Mouse, ClickRightOfALinePlacesTheCaretAtItsEnd)
{
    OpenText("a.txt", "abc\nlonger line\n");
    const POINT beyond = CellPoint(0, 30);
    Click(beyond.x, beyond.y);
    EXPECT_EQ(View()->GetCaret(), 3u);
    const POINT c = CellPoint(1, 3);
    Click(c.x - View()->GetCharWidth() / 2 + 1, c.y);
    EXPECT_EQ(View()->GetCaret(), 6u);
    EXPECT_EQ(View()->GetCaretLine(), 2);
}

TEST_F(Mouse, MarginClickSelectsTheLineShiftClickExtends)
{
    OpenText("a.txt", "abc\ndef\nghi\n");
    Click(2, CellPoint(1, 1).y);
    EXPECT_EQ(View()->GetSelStart(), 4u);
    EXPECT_EQ(View()->GetSelEnd(), 8u);
    Click(CellPoint(0, 1).x, CellPoint(0, 1).y);
    EXPECT_FALSE(View()->HasSelection());
    const POINT to = CellPoint(2, 2);
    Click(to.x - View()->GetCharWidth() / 2 + 1, to.y, MK_SHIFT);
    EXPECT_EQ(View()->GetSelStart(), 0u);
    EXPECT_EQ(View()->GetSelEnd(), 9u);
}

TEST_F(Mouse, DraggingSelectsAndBelowTheWindowScrolls)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "abcd\n";
    OpenText("a.txt", text);
    const POINT from = CellPoint(0, 2);
    const int w = View()->GetCharWidth();
    SendMessageA(View()->GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(from.x - w / 2 + 1, from.y));
    const POINT to = CellPoint(1, 3);
    Drag(to.x, to.y); // the first move after the focus came is ignored
    Drag(to.x - w / 2 + 1, to.y);
    EXPECT_EQ(View()->GetSelStart(), 1u);
    EXPECT_EQ(View()->GetSelEnd(), 7u);
    RECT client{};
    GetClientRect(View()->GetHwnd(), &client);
    Drag(to.x, client.bottom + 20);
    Release(to.x, client.bottom + 20);
    EXPECT_EQ(View()->GetTop(), 5u);
    EXPECT_EQ(View()->GetSelStart(), 1u);
    EXPECT_GT(View()->GetSelEnd(), 7u);
}

TEST_F(Mouse, DoubleClickSelectsTheWord)
{
    OpenText("a.txt", "int value = 1;\n");
    const POINT p = CellPoint(0, 6);
    DoubleClick(p.x, p.y);
    EXPECT_EQ(View()->GetSelStart(), 4u);
    EXPECT_EQ(View()->GetSelEnd(), 9u);
    EXPECT_EQ(View()->GetCaret(), 9u);
}

using TwoPanes = ViewTest;

TEST_F(TwoPanes, EditsInOnePaneMoveTheOthersCaretSelectionAndTop)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += "line " + std::to_string(i) + "\n";
    OpenText("a.txt", text);
    ASSERT_TRUE(SplitInTwo());
    CMarlView* upper = Pane(0);
    CMarlView* lower = Pane(1);

    // The lower pane looks further down, with a selection there.
    Activate(lower);
    SendMessageA(lower->GetHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20), 0);
    for (int i = 0; i < 30; ++i)
        Key(VK_DOWN);
    Key(VK_RIGHT, {VK_SHIFT});
    const TextPos lowerTop = lower->GetTop();
    const TextPos lowerCaret = lower->GetCaret();
    ASSERT_GT(lowerTop, 0u);

    // Typing a line in the upper pane pushes everything down there.
    Activate(upper);
    Chars("new\r");
    EXPECT_EQ(lower->GetTop(), lowerTop + 4);
    EXPECT_EQ(lower->GetCaret(), lowerCaret + 4);
    EXPECT_EQ(lower->GetCaretLine(), 32);
    EXPECT_EQ(lower->GetSelEnd(), lowerCaret + 4);

    // And an edit in the lower pane moves nothing above it in the upper one.
    Activate(lower);
    Key(VK_DELETE);
    Chars("Z");
    EXPECT_EQ(upper->GetCaret(), 4u);
    EXPECT_EQ(upper->GetTop(), 0u);
    std::string changed = DocText();
    EXPECT_EQ(changed.substr(0, 4), "new\n");
    // Delete took the selected byte; Z stands at the selection's start.
    EXPECT_EQ(changed.find('Z'), static_cast<std::size_t>(lowerCaret + 3));

    // Deleting the first line from the upper pane pulls the lower back up.
    Activate(upper);
    Key(VK_HOME, {VK_CONTROL});
    Key('Y', {VK_CONTROL});
    EXPECT_EQ(lower->GetTop(), lowerTop);
    EXPECT_EQ(lower->GetCaretLine(), 31);
}

TEST_F(TwoPanes, AChangeWithoutNoticeSendsACaretPastTheTextToItsEnd)
{
    OpenText("a.txt", "a\nb\nc\n");
    ASSERT_TRUE(SplitInTwo());
    CMarlView* lower = Pane(1);
    Activate(lower);
    Key(VK_END, {VK_CONTROL});
    ASSERT_EQ(lower->GetCaretLine(), 4);
    // A bulk change takes one line away and only tells the views to repaint.
    CMarlDoc* doc = lower->GetDocument();
    {
        CMarlDoc::TextLock lock(*doc);
        doc->Core().DeleteBlock(0, 2, 1, 0);
    }
    doc->UpdateAllViews(nullptr, kHintRepaint);
    Pump(*m_app);
    EXPECT_EQ(lower->GetCaret(), 4u);
    EXPECT_EQ(lower->GetCaretLine(), 3);
    Chars("x");
    EXPECT_EQ(DocText(), "b\nc\nx");
}

// Every edit command of one view, with the other views of the document
// looking elsewhere: their caret, selection, top and bookmarks stay on the
// same text (a bookmark on a removed line goes), and so do the editing
// view's own bookmarks.  Two views are the panes of one window; the third is
// a second window of the document.
using ManyViews = ViewTest;

TEST_F(ManyViews, EveryEditCommandKeepsTheOtherViewsOnTheirText)
{
    auto command = [this](UINT id) { SendMessageA(m_main->GetHwnd(), WM_COMMAND, id, 0); };
    struct Row {
        const char* name;
        std::function<void()> edit;
        bool dropsEditedLine; // the command removes the caret's line start
    };
    const Row rows[] = {
        {"type", [&] { Chars("ab"); }, false},
        {"enter", [&] { Chars("\r"); }, false},
        {"tab", [&] { Chars("\t"); }, false},
        {"overwrite",
         [&] {
             Key(VK_INSERT);
             Chars("xy");
             Key(VK_INSERT);
         },
         false},
        {"delete", [&] { Key(VK_DELETE); }, false},
        {"backspace", [&] { Key(VK_BACK); }, false},
        {"backspace at a line start",
         [&] {
             Key(VK_HOME);
             Key(VK_BACK);
         },
         false},
        {"delete line", [&] { Key('Y', {VK_CONTROL}); }, true},
        {"cut",
         [&] {
             Key(VK_DOWN, {VK_SHIFT});
             Key('X', {VK_CONTROL});
         },
         false},
        {"type over a selection",
         [&] {
             Key(VK_RIGHT, {VK_SHIFT});
             Chars("z");
         },
         false},
        {"paste",
         [&] {
             SetClipboardText("p\r\nq");
             Key('V', {VK_CONTROL});
         },
         false},
        {"keypad minus cuts the line", [&] { Key(VK_SUBTRACT); }, true},
        {"undo",
         [&] {
             Chars("a\rb");
             command(ID_EDIT_UNDO);
             command(ID_EDIT_UNDO);
         },
         false},
        {"undo of a deleted line",
         [&] {
             Key('Y', {VK_CONTROL});
             command(ID_EDIT_UNDO);
         },
         true},
        {"redo",
         [&] {
             Key('Y', {VK_CONTROL});
             command(ID_EDIT_UNDO);
             command(ID_EDIT_REDO);
         },
         true},
    };
    std::string text;
    for (int i = 10; i < 70; ++i)
        text += "line " + std::to_string(i) + "\n";
    auto lineStart = [](int line) { return static_cast<TextPos>(line * 8); }; // zero-based
    auto at = [this](TextPos pos) {
        return pos == kNoPos ? std::string("-") : DocText().substr(pos, 8);
    };

    for (int views : {2, 3}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(views) + " views: " + row.name);
            OpenText("a.txt", text);
            ASSERT_TRUE(SplitInTwo());
            std::vector<CMarlView*> others{Pane(1)};
            if (views == 3) {
                others.push_back(Pane(0));
                command(ID_WINDOW_NEW);
                Pump(*m_app);
            }
            CMarlView* editor = Pane(0); // of the new window when there is one
            ASSERT_TRUE(editor && std::find(others.begin(), others.end(), editor) == others.end());
            for (CMarlView* other : others) {
                SendMessageA(other->GetHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20), 0);
                other->SetCaret(lineStart(30) + 3);
                other->SetSelection(lineStart(30) + 2, lineStart(31) + 1);
                other->Bookmarks()[0] = lineStart(10);
                other->Bookmarks()[1] = lineStart(25);
                other->Bookmarks()[5] = lineStart(45);
            }
            editor->Bookmarks()[2] = lineStart(40);
            Activate(editor);
            editor->SetCaret(lineStart(10) + 3);

            struct Seen {
                std::vector<std::string> texts;
                long caretLine;
            };
            auto look = [&](CMarlView* v) {
                Seen seen{
                    {at(v->GetCaret()), at(v->GetSelStart()), at(v->GetSelEnd()), at(v->GetTop())},
                    v->GetCaretLine()};
                for (int slot : {1, 2, 5})
                    seen.texts.push_back(at(v->Bookmarks()[slot]));
                return seen;
            };
            std::vector<Seen> before;
            for (CMarlView* other : others)
                before.push_back(look(other));
            const Seen editorBefore = look(editor);
            const int linesBefore = editor->Text().GetLineCount();

            row.edit();

            const long lineShift = editor->Text().GetLineCount() - linesBefore;
            for (std::size_t i = 0; i < others.size(); ++i) {
                const Seen after = look(others[i]);
                EXPECT_EQ(after.texts, before[i].texts) << "view " << i;
                EXPECT_EQ(after.caretLine, before[i].caretLine + lineShift) << "view " << i;
                EXPECT_EQ(others[i]->GetTop(), others[i]->Text().LineStart(others[i]->GetTop()));
                EXPECT_EQ(others[i]->Bookmarks()[0] == kNoPos, row.dropsEditedLine) << "view " << i;
            }
            EXPECT_EQ(look(editor).texts[5], editorBefore.texts[5]); // its own bookmark
            m_app->CloseAllDocuments(true);
            Pump(*m_app);
        }
    }
}

using Document = ViewTest;

TEST_F(Document, SaveKeepsTheLineEndsOfTheFileAndPropertiesSwitchThem)
{
    CMarlDoc* doc = OpenText("dos.txt", "a\r\nb\r\n");
    Chars("x");
    Key('S', {VK_CONTROL});
    EXPECT_EQ(ReadFile(Path("dos.txt")), "xa\r\nb\r\n");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), Path("dos.txt"));

    CMarlDoc* unix = OpenText("unix.txt", "a\nb\n");
    EXPECT_TRUE(unix->Core().m_bUnixFile);
    Chars("y");
    Key('S', {VK_CONTROL});
    EXPECT_EQ(ReadFile(Path("unix.txt")), "ya\nb\n");
}

TEST_F(Document, SavingAnUntitledDocumentUnderACNameColoursIt)
{
    m_app->OpenDocumentFile("");
    Pump(*m_app);
    SetFocus(View()->GetHwnd());
    Pump(*m_app);
    EXPECT_FALSE(View()->IsColouring());
    Chars("int x;");
    m_app->m_fileNames.push_back(Path("MAIN.C"));
    Key('S', {VK_CONTROL});
    EXPECT_EQ(ReadFile(Path("MAIN.C")), "int x;");
    EXPECT_TRUE(View()->IsColouring());
    EXPECT_EQ(View()->GetDocument()->GetTitle(), Path("MAIN.C"));
}

// ---- Colours on the screen ----------------------------------------------------

class Screen : public ViewTest {
protected:
    // The pixels of a cell as the screen shows them, row by row; with
    // `repaint` the whole view is drawn afresh first, else only what is due.
    std::vector<COLORREF> CellPixels(int row, int column, bool repaint = true)
    {
        CMarlView* view = View();
        if (repaint)
            RedrawWindow(view->GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        else
            UpdateWindow(view->GetHwnd());
        const POINT p = CellPoint(row, column);
        const int left = p.x - view->GetCharWidth() / 2;
        const int top = p.y - view->GetLineHeight() / 2;
        std::vector<COLORREF> pixels;
        HDC dc = GetDC(view->GetHwnd());
        for (int y = top; y < top + view->GetLineHeight(); ++y)
            for (int x = left; x < left + view->GetCharWidth(); ++x)
                pixels.push_back(GetPixel(dc, x, y));
        ReleaseDC(view->GetHwnd(), dc);
        return pixels;
    }
    // The background of a cell: the colour most of its pixels have (a glyph
    // covers fewer).
    COLORREF CellColour(int row, int column, bool repaint = true)
    {
        std::map<COLORREF, int> counts;
        for (COLORREF pixel : CellPixels(row, column, repaint))
            ++counts[pixel];
        auto most = std::max_element(counts.begin(), counts.end(),
                                     [](auto& a, auto& b) { return a.second < b.second; });
        return most == counts.end() ? CLR_INVALID : most->first;
    }
    // Pixels of a cell that are not the text background: the glyph's ink.
    int Ink(int row, int column)
    {
        const std::vector<COLORREF> pixels = CellPixels(row, column);
        return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [&](COLORREF c) {
            return c != Slot(ColorItem::TextBk);
        }));
    }
    COLORREF Slot(ColorItem item) const { return m_app->m_settings.Color(item).color; }
};

TEST_F(Screen, KeywordCommentAndSelectionShowTheirBackgrounds)
{
    OpenText("main.c", "int i2char; /* c1\n still */ x\n#include y\n");
    ASSERT_TRUE(View()->IsColouring());
    EXPECT_EQ(CellColour(0, 1), Slot(ColorItem::CBk));    // int
    EXPECT_EQ(CellColour(0, 5), Slot(ColorItem::TextBk)); // i of i2char
    EXPECT_EQ(CellColour(0, 7), Slot(ColorItem::CBk));    // char after the digit
    EXPECT_EQ(CellColour(0, 13), Slot(ColorItem::CommentBk));
    EXPECT_EQ(CellColour(1, 2), Slot(ColorItem::CommentBk)); // inside the comment
    EXPECT_EQ(CellColour(1, 11), Slot(ColorItem::TextBk));   // x after it
    EXPECT_EQ(CellColour(2, 2), Slot(ColorItem::PreprocessorBk));
    // A selection inside the keyword: Marked there, the keyword's slot after.
    Key(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(CellColour(0, 1), Slot(ColorItem::MarkedBk));
    EXPECT_EQ(CellColour(0, 2), Slot(ColorItem::CBk));
    // Selected line ends fill the rest of the row.
    Key(VK_DOWN, {VK_SHIFT});
    EXPECT_EQ(CellColour(0, 40), Slot(ColorItem::MarkedBk));
}

TEST_F(Screen, BookmarkedLineIsDrawnInItsOwnColours)
{
    OpenText("main.c", "int a;\nint b;\n");
    View()->Bookmarks()[0] = 7;
    EXPECT_EQ(CellColour(1, 1), Slot(ColorItem::BookmarkBk));
    EXPECT_EQ(CellColour(1, 30), Slot(ColorItem::BookmarkBk));
    EXPECT_EQ(CellColour(0, 1), Slot(ColorItem::CBk));
}

TEST_F(Screen, BlockCommentOpenedAboveTheWindowStillColoursItsLines)
{
    std::string text = "/* open\n";
    for (int i = 0; i < 40; ++i)
        text += "inside\n";
    text += "*/ int x;\n";
    OpenText("main.c", text);
    SendMessageA(View()->GetHwnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 20), 0);
    Pump(*m_app);
    EXPECT_EQ(CellColour(0, 1), Slot(ColorItem::CommentBk));
}

TEST_F(Screen, HiddenCharactersAreDrawnWithoutMovingTheText)
{
    // The second line holds the marks themselves: their glyphs as the font
    // draws them, for comparison.
    OpenText("a.txt", "a\tb c\nx\xBB  x\xB7x\xB6\n");
    Key(VK_END, {VK_CONTROL}); // the caret out of the cells looked at
    const auto textB = CellPixels(0, 5);
    const auto textC = CellPixels(0, 7);
    const auto tabMark = CellPixels(1, 2);
    const auto blankMark = CellPixels(1, 6);
    const auto endMark = CellPixels(1, 8);
    EXPECT_EQ(Ink(0, 2), 0);
    EXPECT_EQ(Ink(0, 6), 0);
    EXPECT_EQ(Ink(0, 8), 0);

    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SHOW_HIDDEN, 0);
    Pump(*m_app);
    ASSERT_TRUE(View()->IsShowHidden());
    EXPECT_EQ(CellPixels(0, 2), tabMark);
    EXPECT_EQ(Ink(0, 3), 0); // the rest of the tab stays empty
    EXPECT_EQ(Ink(0, 4), 0);
    EXPECT_EQ(CellPixels(0, 5), textB); // b stays on its tab stop
    EXPECT_EQ(CellPixels(0, 6), blankMark);
    EXPECT_EQ(CellPixels(0, 7), textC);
    EXPECT_EQ(CellPixels(0, 8), endMark);
    EXPECT_GT(Ink(0, 8), 0);
    // The caret's column counts the text, not the marks.
    Key(VK_HOME, {VK_CONTROL});
    Key(VK_END);
    EXPECT_EQ(View()->GetCaretColumn(), 8);

    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SHOW_HIDDEN, 0);
    Pump(*m_app);
    EXPECT_EQ(Ink(0, 2), 0);
}

TEST_F(Screen, ScrollingRightShiftsTheTextByWholeCharacters)
{
    OpenText("main.c", std::string(10, ' ') + "int x;\n");
    Key(VK_DOWN);
    CMarlView* view = View();
    const int w = view->GetCharWidth();
    EXPECT_EQ(CellColour(0, 11), Slot(ColorItem::CBk));
    // Ten steps of the bar's arrow: only the uncovered strip is drawn anew.
    for (int i = 0; i < 10; ++i)
        SendMessageA(view->GetHwnd(), WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(view->GetHorizontalOffset(), -10 * w);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 10);
    EXPECT_EQ(CellColour(0, 11, false), Slot(ColorItem::CBk)); // now in the first cell
    EXPECT_EQ(CellColour(0, 14, false), Slot(ColorItem::TextBk));
    // The caret of the second line's start is left of the window: hidden.
    EXPECT_TRUE(view->IsCaretHidden());

    SendMessageA(view->GetHwnd(), WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_EQ(view->GetHorizontalOffset(), -15 * w);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 15);
    SendMessageA(view->GetHwnd(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 255), 0);
    EXPECT_EQ(view->GetHorizontalOffset(), -255 * w);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 255);
    SendMessageA(view->GetHwnd(), WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 250);

    // Back at 0 the margin is drawn again and the keyword is in its place.
    SendMessageA(view->GetHwnd(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(view->GetHorizontalOffset(), 0);
    EXPECT_EQ(CellColour(0, 11, false), Slot(ColorItem::CBk));
    EXPECT_EQ(CellColour(0, 10, false), Slot(ColorItem::TextBk));
    EXPECT_FALSE(view->IsCaretHidden());
}

TEST_F(Screen, TheCaretPastTheRightEdgeScrollsByPagesEvenBeyondTheBar)
{
    std::string line = "int ";
    line += std::string(600, 'y');
    line += " int";
    OpenText("main.c", line + "\nshort\n");
    CMarlView* view = View();
    const int w = view->GetCharWidth();
    const RECT client = ClientArea();
    const int columns = client.right / w;

    // Typing to the right edge: the view pages right when the caret passes it.
    Key(VK_DOWN);
    Key(VK_END);
    Chars(std::string(columns, 'z'));
    EXPECT_LT(view->GetHorizontalOffset(), 0);
    EXPECT_EQ(view->GetHorizontalOffset() % (5 * w), 0);
    EXPECT_FALSE(view->IsCaretHidden());
    EXPECT_LE(view->GetCaretPoint().x, client.right);
    EXPECT_EQ(view->GetCaretPoint().x, w + view->GetHorizontalOffset() + (5 + columns) * w);

    // The end of the long line lies further right than the bar's 255 steps:
    // the caret is still shown there, and the keyword is drawn next to it.
    Key(VK_UP);
    Key(VK_END);
    EXPECT_FALSE(view->IsCaretHidden());
    EXPECT_LT(view->GetHorizontalOffset(), -255 * w);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 255);
    EXPECT_GE(view->GetCaretPoint().x, 0);
    EXPECT_LE(view->GetCaretPoint().x, client.right);
    EXPECT_EQ(CellColour(0, 606), Slot(ColorItem::CBk));

    // Home comes all the way back.
    Key(VK_HOME);
    EXPECT_EQ(view->GetHorizontalOffset(), 0);
    EXPECT_EQ(view->GetScrollPos(SB_HORZ), 0);
    EXPECT_EQ(CellColour(0, 1), Slot(ColorItem::CBk));
}

// A raster font file (version 2.0 layout) of the OEM character set with
// 8 x 16 cells of blank glyphs: all the view takes from a font are its
// metrics and its character set, and a test prefix may have no OEM font.
std::string OemRasterFont(const std::string& face)
{
    constexpr int kFirst = 32, kLast = 255, kWidth = 8, kHeight = 16, kHeader = 118;
    constexpr int kEntries = kLast - kFirst + 2; // and the sentinel
    const int faceAt = kHeader + kEntries * 4;
    const int bitsAt = faceAt + static_cast<int>(face.size()) + 1;
    const int size = bitsAt + kEntries * kHeight;
    std::string file(static_cast<std::size_t>(size), '\0');
    auto put = [&](int at, unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[static_cast<std::size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(0, 0x200, 2); // version
    put(2, size, 4);  // file size
    put(68, 12, 2);   // points
    put(70, 96, 2);   // vertical and horizontal resolution
    put(72, 96, 2);
    put(74, 12, 2);          // ascent
    put(83, FW_NORMAL, 2);   // weight
    put(85, OEM_CHARSET, 1); // character set
    put(86, kWidth, 2);      // pixel width and height
    put(88, kHeight, 2);
    put(90, FF_MODERN, 1); // bit 0 clear: fixed pitch
    put(91, kWidth, 2);    // average and maximum width
    put(93, kWidth, 2);
    put(95, kFirst, 1);
    put(96, kLast, 1);
    put(97, '?' - kFirst, 1); // default character
    put(99, kEntries, 2);     // bytes of a bitmap row
    put(105, faceAt, 4);
    put(113, bitsAt, 4);
    for (int i = 0; i < kEntries; ++i) {
        put(kHeader + 4 * i, kWidth, 2);
        put(kHeader + 4 * i + 2, bitsAt + i * kHeight, 2);
    }
    file.replace(static_cast<std::size_t>(faceAt), face.size(), face);
    return file;
}

// The option sheet's font reaches the open windows when it closes (command
// 118); a window's own choice stays while the settings keep their font.
TEST_F(Document, SettingsFontReachesOpenWindowsOnlyWhenItChanges)
{
    const auto face = [this] {
        LOGFONTA font{};
        GetObjectA(View()->GetFont(), sizeof font, &font);
        return std::string(font.lfFaceName);
    };
    m_app->m_settings.m_strFontName = "Courier New";
    OpenText("a.c", "int a;\n");
    ASSERT_EQ(face(), "Courier New");
    LOGFONTA own{};
    GetObjectA(View()->GetFont(), sizeof own, &own);
    lstrcpynA(own.lfFaceName, "Arial", LF_FACESIZE);
    View()->ApplyFont(own);
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SETTINGS_CHANGED, 0);
    EXPECT_EQ(face(), "Arial") << "the settings' font did not change";
    m_app->m_settings.m_strFontName = "Times New Roman";
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SETTINGS_CHANGED, 0);
    EXPECT_EQ(face(), "Times New Roman");
}

using OemFont = ViewTest;

TEST_F(OemFont, TypedCharactersAreStoredInTheOemCodePage)
{
    const std::string fontFile = Path("oemtest.fnt");
    WriteFile(fontFile, OemRasterFont("Marl OEM Test"));
    ASSERT_GT(AddFontResourceExA(fontFile.c_str(), FR_PRIVATE, nullptr), 0);

    OpenText("ansi.txt", "");
    Chars("\xE4");
    EXPECT_EQ(DocText(), "\xE4"); // an ANSI font stores what is typed

    // The same character through the OEM code page, by way of Unicode.
    wchar_t wide = 0;
    MultiByteToWideChar(CP_ACP, 0, "\xE4", 1, &wide, 1);
    char oem = 0;
    WideCharToMultiByte(CP_OEMCP, 0, &wide, 1, &oem, 1, nullptr, nullptr);
    ASSERT_NE(oem, '\xE4');

    m_app->m_settings.m_strFontName = "Marl OEM Test";
    m_app->m_settings.m_nCharset = OEM_CHARSET;
    m_app->m_settings.m_nFontHeight = 16;
    OpenText("oem.txt", "");
    {
        HDC dc = GetDC(View()->GetHwnd());
        HGDIOBJ old = SelectObject(dc, View()->GetFont());
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(View()->GetHwnd(), dc);
        ASSERT_EQ(tm.tmCharSet, OEM_CHARSET) << "no font of the OEM character set";
    }
    EXPECT_EQ(View()->GetLineHeight(), 16);
    Chars("\xE4"
          "a\r");
    EXPECT_EQ(DocText(), std::string(1, oem) + "a\n");
    m_app->CloseAllDocuments(true);
    RemoveFontResourceExA(fontFile.c_str(), FR_PRIVATE, nullptr);
}

} // namespace
} // namespace viewtest
