// Drag and drop of text through OLE itself: DoDragDrop runs its own loop,
// finds the window under the cursor and asks its registered drop target.
// The tests put the cursor where the drop shall land and hold the keys in
// the keyboard state, which is where the loop reads them from; with the
// left button not held, the loop drops at once.
#include "editor/view/view_test_support.h"

#include <cstring>
#include <string>

#include "editor/doc/global_text_block.h"
#include "editor/view/view_drop_target.h"
#include "resource.h"

namespace viewtest {
namespace {

fw::GlobalMemory ClipboardForm(const std::string& text)
{
    fw::GlobalMemory memory = fw::GlobalMemory::Alloc(text.size() + 1);
    fw::GlobalLockGuard<char> bytes(memory);
    std::memcpy(bytes.get(), text.c_str(), text.size() + 1);
    return memory;
}

class DragDrop : public ViewTest {
protected:
    // Puts the cursor over a cell of `view` and holds `held` (and not the
    // left button) for whatever runs next.
    void PointAt(CMarlView* view, int row, int column, std::initializer_list<UINT> held = {})
    {
        POINT p = CellPoint(row, column, view);
        // Just inside the cell's left half: the caret lands before it.
        p.x -= view->GetCharWidth() / 2 - 1;
        ClientToScreen(view->GetHwnd(), &p);
        SetCursorPos(p.x, p.y);
        GetKeyboardState(m_savedKeys);
        BYTE state[256];
        std::memcpy(state, m_savedKeys, sizeof state);
        state[VK_LBUTTON] = 0;
        for (UINT key : held)
            state[key] |= 0x80;
        SetKeyboardState(state);
        m_holding = true;
    }
    void LetGo()
    {
        if (m_holding)
            SetKeyboardState(m_savedKeys);
        m_holding = false;
        Pump(*m_app);
    }
    void TearDown() override
    {
        LetGo();
        ViewTest::TearDown();
    }

    // Another program drags `text` in CF_TEXT onto the cell; returns the
    // effect DoDragDrop reports (DROPEFFECT_NONE when it was refused).
    DWORD DropFromOutside(const std::string& text, CMarlView* view, int row, int column,
                          std::initializer_list<UINT> held = {},
                          DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE)
    {
        PointAt(view, row, column, held);
        auto* data = new TextDataObject(ClipboardForm(text));
        TextDropSource source;
        DWORD effect = DROPEFFECT_NONE;
        const HRESULT result = DoDragDrop(data, &source, allowed, &effect);
        data->Release();
        LetGo();
        return result == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
    }

    // Selects [from, to) of the active view with the keys, then presses the
    // button inside the selection with the cursor over the drop cell: the
    // view starts its own drag and OLE drops it there.
    void DragSelection(TextPos from, TextPos to, int row, int column,
                       std::initializer_list<UINT> held = {})
    {
        CMarlView* view = View();
        Key(VK_HOME, {VK_CONTROL});
        for (TextPos i = 0; i < from; ++i)
            Key(VK_RIGHT);
        for (TextPos i = from; i < to; ++i)
            Key(VK_RIGHT, {VK_SHIFT});
        ASSERT_EQ(view->GetSelStart(), from);
        ASSERT_EQ(view->GetSelEnd(), to);
        // A press on the selection's second byte: inside it.
        const TextPos inside = from + 1;
        const TextPos line = view->Text().LineStart(inside);
        const int pressRow = view->Text().CountLines(view->GetTop(), line);
        const int pressColumn = view->Text().ColumnOfPos(inside);
        POINT press = CellPoint(pressRow, pressColumn, view);
        press.x -= view->GetCharWidth() / 2 - 1;
        PointAt(view, row, column, held);
        SendMessageA(view->GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        SendMessageA(view->GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
        LetGo();
    }

    BYTE m_savedKeys[256] = {};
    bool m_holding = false;
};

TEST_F(DragDrop, TextFromOutsideIsInsertedSelectedAndUndoable)
{
    CMarlDoc* doc = OpenText("a.txt", "one\ntwo\n");
    // CR LF pairs arrive as line feeds; the text is moved unless Ctrl is held.
    EXPECT_EQ(DropFromOutside("AB\r\nC", View(), 1, 2), static_cast<DWORD>(DROPEFFECT_MOVE));
    EXPECT_EQ(DocText(), "one\ntAB\nCwo\n");
    EXPECT_EQ(View()->GetSelStart(), 5u);
    EXPECT_EQ(View()->GetSelEnd(), 9u);
    EXPECT_EQ(View()->GetCaret(), 9u);
    EXPECT_EQ(View()->GetCaretLine(), 3);
    EXPECT_EQ(View()->GetCaretColumn(), 2);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(GetFocus(), View()->GetHwnd());

    EXPECT_EQ(DropFromOutside("x", View(), 0, 4, {VK_CONTROL}),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(DocText(), "onex\ntAB\nCwo\n");

    // A source that only lets its text be copied gets a copy without Ctrl.
    EXPECT_EQ(DropFromOutside("y", View(), 0, 1, {}, DROPEFFECT_COPY),
              static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(DocText(), "yonex\ntAB\nCwo\n");

    Key('Z', {VK_CONTROL});
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "one\ntAB\nCwo\n");
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "one\ntwo\n");
}

TEST_F(DragDrop, RefusedWithCtrlShiftOnAReadOnlyDocumentAndIntoTheSelection)
{
    CMarlDoc* doc = OpenText("a.txt", "abcdef\n");
    EXPECT_EQ(DropFromOutside("x", View(), 0, 2, {VK_CONTROL, VK_SHIFT}),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(DocText(), "abcdef\n");

    // Into the view's own selection: nothing happens.
    Key(VK_RIGHT);
    Key(VK_RIGHT, {VK_SHIFT});
    Key(VK_RIGHT, {VK_SHIFT});
    Key(VK_RIGHT, {VK_SHIFT});
    EXPECT_EQ(DropFromOutside("x", View(), 0, 3), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(DocText(), "abcdef\n");

    doc->Core().m_bReadOnly = true;
    EXPECT_EQ(DropFromOutside("x", View(), 0, 6), static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(DocText(), "abcdef\n");
    EXPECT_FALSE(doc->Core().CanUndo());
}

// Holds the button for a number of the drag loop's checks, then drops.
class SlowDropSource final : public IDropSource {
public:
    explicit SlowDropSource(int checks) : m_checks(checks) {}
    virtual ~SlowDropSource() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override
    {
        return m_checks-- > 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    int m_checks;
};

TEST_F(DragDrop, OnlyNearAnEdgeTheViewScrollsWhileTheMouseRests)
{
    const std::string text = RepeatedLines("line\n", 100);
    OpenText("a.txt", text);
    CMarlView* view = View();
    const RECT client = ClientArea();
    const int x = CellPoint(0, 1, view).x;
    auto restAt = [&](int y) {
        POINT p{x, y};
        ClientToScreen(view->GetHwnd(), &p);
        SetCursorPos(p.x, p.y);
        auto* data = new TextDataObject(ClipboardForm("x"));
        SlowDropSource source(3);
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
        data->Release();
        Pump(*m_app);
    };
    // In the middle the view stays and the text goes to the row under the mouse.
    const int middle = client.bottom / 2;
    restAt(middle);
    EXPECT_EQ(view->GetTop(), 0u);
    EXPECT_EQ(view->GetSelStart(), 5u * ((middle - 1) / view->GetLineHeight()));

    // Three pixels above the bottom: a line further down at each check.
    restAt(client.bottom - 3);
    EXPECT_GE(view->GetTop(), 5u * 2);
    EXPECT_FALSE(view->IsCaretHidden()); // the drop lands on a row in sight
    const TextPos at = view->GetSelStart();
    EXPECT_EQ(view->Text().LineStart(at), at);
    EXPECT_EQ(DocText().size(), text.size() + 2);
}

TEST_F(DragDrop, TheDraggedTextIsOfferedAsCrLfText)
{
    OpenText("a.txt", "ab\ncd\n");
    std::unique_ptr<TextBlock> block = View()->Text().CopyBlock(1, 5);
    auto* global = dynamic_cast<GlobalTextBlock*>(block.get());
    ASSERT_NE(global, nullptr);
    auto* data = new TextDataObject(fw::GlobalMemory(global->Release()));

    FORMATETC text = TextFormat();
    EXPECT_EQ(data->QueryGetData(&text), S_OK);
    FORMATETC other = text;
    other.cfFormat = CF_UNICODETEXT;
    EXPECT_EQ(data->QueryGetData(&other), DV_E_FORMATETC);
    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
    FORMATETC listed[4] = {};
    ULONG count = 0;
    formats->Next(4, listed, &count);
    formats->Release();
    ASSERT_EQ(count, 1u);
    EXPECT_EQ(listed[0].cfFormat, CF_TEXT);

    // Every GetData hands out a copy of its own that the receiver frees.
    for (int round = 0; round < 2; ++round) {
        STGMEDIUM medium{};
        ASSERT_EQ(data->GetData(&text, &medium), S_OK);
        {
            fw::GlobalLockGuard<char> bytes(medium.hGlobal);
            EXPECT_STREQ(bytes.get(), "b\r\ncd");
        }
        ReleaseStgMedium(&medium);
    }
    data->Release();
}

TEST_F(DragDrop, MovingTextForwardAndBackWithinTheView)
{
    OpenText("a.txt", "abc def\nghi\n");
    // "bc" after "gh": the source goes, the dropped copy stays selected.
    DragSelection(1, 3, 1, 3);
    EXPECT_EQ(DocText(), "a def\nghbci\n");
    EXPECT_EQ(View()->GetSelStart(), 8u);
    EXPECT_EQ(View()->GetSelEnd(), 10u);
    EXPECT_EQ(View()->GetCaret(), 10u);
    EXPECT_EQ(View()->GetCaretLine(), 2);
    EXPECT_EQ(View()->GetCaretColumn(), 5);

    // "def\ng" back to the start of the text.
    DragSelection(2, 7, 0, 1);
    EXPECT_EQ(DocText(), "def\nga hbci\n");
    EXPECT_EQ(View()->GetSelStart(), 0u);
    EXPECT_EQ(View()->GetSelEnd(), 5u);
    EXPECT_EQ(View()->GetCaretLine(), 2);

    // The move is two steps of the journal.
    Key('Z', {VK_CONTROL});
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(DocText(), "a def\nghbci\n");
}

TEST_F(DragDrop, CtrlCopiesWithinTheViewAndADropOntoItselfKeepsTheText)
{
    OpenText("a.txt", "abc def\n");
    DragSelection(4, 7, 0, 1, {VK_CONTROL});
    EXPECT_EQ(DocText(), "defabc def\n");
    EXPECT_EQ(View()->GetSelStart(), 0u);
    EXPECT_EQ(View()->GetSelEnd(), 3u);

    // Dropped back inside the dragged text: nothing changes and, dropped
    // nowhere, the selection goes.
    DragSelection(0, 3, 0, 2);
    EXPECT_EQ(DocText(), "defabc def\n");
    EXPECT_FALSE(View()->HasSelection());
}

TEST_F(DragDrop, MovingFromOnePaneToTheOtherDeletesTheRightBytes)
{
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += "line" + std::to_string(i % 10) + "\n";
    OpenText("a.txt", text);
    ASSERT_TRUE(SplitInTwo());
    CMarlView* upper = Pane(0);
    CMarlView* lower = Pane(1);
    Activate(lower);
    // "line1" of the second line into the first line of the upper pane,
    // before the source: the source has moved on when it is deleted.
    Key(VK_HOME, {VK_CONTROL});
    Key(VK_DOWN);
    for (int i = 0; i < 5; ++i)
        Key(VK_RIGHT, {VK_SHIFT});
    const POINT press = CellPoint(1, 2, lower);
    PointAt(upper, 0, 1);
    SendMessageA(lower->GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    SendMessageA(lower->GetHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
    LetGo();
    const std::string moved = DocText();
    EXPECT_EQ(moved.substr(0, 18), "line1line0\n\nline2\n");
    EXPECT_EQ(moved.size(), text.size());
    EXPECT_EQ(upper->GetSelStart(), 0u);
    EXPECT_EQ(upper->GetSelEnd(), 5u);
    EXPECT_EQ(lower->GetCaret(), 11u);
    EXPECT_FALSE(lower->HasSelection());
}

} // namespace
} // namespace viewtest
