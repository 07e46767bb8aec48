// Modal and modeless fw dialogs under the real dialog manager: data exchange
// in and out, the range message, navigation of modeless dialogs, colours and
// the exception barrier.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/dialog.h"
#include "framework/dialog_test_res.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/pump.h"
#include "framework/integer_text.h"
#include "framework/message_hook.h"

namespace {

using fw::test::Click;
using fw::test::OwnerWindow;
using fw::test::SetEditText;
using fw::test::StepRunner;
using fw::test::TypeText;

struct Values {
    std::string name;
    int number = 0;
    bool flag = false;
    int radio = -1;
    int listIndex = -1;
    std::string listText;
    std::string comboText;
    std::string dropText;
};

constexpr int kNameLimit = 8;

class DataDialog : public fw::Dialog {
public:
    explicit DataDialog(HWND owner, Values initial) : Dialog(IDD_TEST_DATA, owner), values(initial)
    {
    }

    Values values;
    bool commandReached = false;

protected:
    BOOL OnInitDialog() override
    {
        for (const char* item : {"red", "green", "blue"})
            SendDlgItemMessageA(m_hWnd, IDC_TEST_LIST, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        for (const char* item : {"alpha", "beta"})
            SendDlgItemMessageA(m_hWnd, IDC_TEST_COMBO, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        for (const char* item : {"Left", "Center", "Right"})
            SendDlgItemMessageA(m_hWnd, IDC_TEST_DROPLIST, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        return Dialog::OnInitDialog();
    }

    void DoDataExchange(fw::DataExchange& dx) override
    {
        dx.Text(IDC_TEST_NAME, values.name, kNameLimit);
        dx.Int(IDC_TEST_NUMBER, values.number, 1, 32);
        dx.Check(IDC_TEST_FLAG, values.flag);
        dx.Radio(IDC_TEST_RADIO_FIRST, values.radio);
        dx.ListIndex(IDC_TEST_LIST, values.listIndex);
        dx.ListText(IDC_TEST_LIST, values.listText);
        dx.ComboText(IDC_TEST_COMBO, values.comboText);
        dx.ComboText(IDC_TEST_DROPLIST, values.dropText);
    }

    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDC_TEST_THROW)
            return false;
        commandReached = true;
        throw std::runtime_error("handler failed");
    }
};

// Records the messages the framework shows instead of showing them.
struct MessageRecorder {
    struct Shown {
        HWND owner;
        std::string text;
        UINT type;
    };
    std::vector<Shown> shown;
    fw::ScopedMessageHook hook{[this](HWND owner, const std::string& text, UINT type) {
        shown.push_back({owner, text, type});
        return IDOK;
    }};
};

class DialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner.GetHwnd()) << "no display"; }
    void TearDown() override { owner.onMessage = nullptr; }

    // Runs `dialog` modally with `steps`; a dialog the steps leave open is
    // cancelled and fails the test.
    template <typename D> INT_PTR RunModal(D& dialog, std::vector<StepRunner::Step> steps)
    {
        // The dialog manager shows the dialog when its loop first idles.
        steps.insert(steps.begin(), [&] {
            if (!dialog.GetHwnd() || !IsWindowVisible(dialog.GetHwnd()))
                StepRunner::Again();
        });
        StepRunner runner(std::move(steps), [&] { dialog.EndDialog(IDCANCEL); });
        INT_PTR result = dialog.DoModal();
        EXPECT_FALSE(runner.TimedOut()) << "the dialog was left open";
        EXPECT_TRUE(runner.Finished());
        return result;
    }

    HWND Item(const fw::Dialog& d, int id) { return GetDlgItem(d.GetHwnd(), id); }
    std::string Text(const fw::Dialog& d, int id) { return d.GetItemText(id); }

    OwnerWindow& owner = fw::test::SharedOwner();
};

TEST_F(DialogTest, ValuesGoIntoTheControlsAndComeBackEdited)
{
    Values in{"alpha", 12, true, 1, 2, "blue", "gamma", "Right"};
    DataDialog dlg(owner.GetHwnd(), in);
    Values shownInControls;
    INT_PTR result = RunModal(
        dlg, {[&] {
                  shownInControls.name = Text(dlg, IDC_TEST_NAME);
                  shownInControls.number = std::stoi(Text(dlg, IDC_TEST_NUMBER));
                  shownInControls.flag = dlg.IsItemChecked(IDC_TEST_FLAG);
                  shownInControls.radio = dlg.IsItemChecked(IDC_TEST_RADIO_SECOND) ? 1 : -1;
                  shownInControls.listIndex =
                      static_cast<int>(SendMessageA(Item(dlg, IDC_TEST_LIST), LB_GETCURSEL, 0, 0));
                  shownInControls.comboText = Text(dlg, IDC_TEST_COMBO);
                  shownInControls.dropText = Text(dlg, IDC_TEST_DROPLIST);
              },
              [&] {
                  SetEditText(Item(dlg, IDC_TEST_NAME), "delta");
                  SetEditText(Item(dlg, IDC_TEST_NUMBER), "7");
                  Click(Item(dlg, IDC_TEST_FLAG));
                  Click(Item(dlg, IDC_TEST_RADIO_THIRD));
                  SendMessageA(Item(dlg, IDC_TEST_LIST), LB_SETCURSEL, 0, 0);
                  SendMessageA(Item(dlg, IDC_TEST_COMBO), CB_SETCURSEL, 1, 0);
                  SendMessageA(Item(dlg, IDC_TEST_DROPLIST), CB_SETCURSEL, 0, 0);
              },
              [&] { Click(Item(dlg, IDOK)); }});

    EXPECT_EQ(shownInControls.name, "alpha");
    EXPECT_EQ(shownInControls.number, 12);
    EXPECT_TRUE(shownInControls.flag);
    EXPECT_EQ(shownInControls.radio, 1);
    EXPECT_EQ(shownInControls.listIndex, 2);
    EXPECT_EQ(shownInControls.comboText, "gamma") << "a text not in the list goes to the edit";
    EXPECT_EQ(shownInControls.dropText, "Right");

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.values.name, "delta");
    EXPECT_EQ(dlg.values.number, 7);
    EXPECT_FALSE(dlg.values.flag);
    EXPECT_EQ(dlg.values.radio, 2);
    EXPECT_EQ(dlg.values.listIndex, 0);
    EXPECT_EQ(dlg.values.listText, "red");
    EXPECT_EQ(dlg.values.comboText, "beta");
    EXPECT_EQ(dlg.values.dropText, "Left");
    EXPECT_EQ(dlg.GetHwnd(), nullptr) << "the object lets go of the closed window";
}

TEST_F(DialogTest, CancelLeavesTheValuesAlone)
{
    Values in{"alpha", 12, true, 0, 1, "green", "beta", "Center"};
    DataDialog dlg(owner.GetHwnd(), in);
    INT_PTR result = RunModal(dlg, {[&] { SetEditText(Item(dlg, IDC_TEST_NAME), "changed"); },
                                    [&] { Click(Item(dlg, IDCANCEL)); }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dlg.values.name, "alpha");
}

TEST_F(DialogTest, NothingCheckedOrSelectedReadsBackAsMinusOne)
{
    Values in{"", 1, false, -1, -1, "", "", ""};
    in.radio = 0;
    in.listIndex = 1;
    DataDialog dlg(owner.GetHwnd(), in);
    RunModal(dlg,
             {[&] {
                  for (int id : {IDC_TEST_RADIO_FIRST, IDC_TEST_RADIO_SECOND, IDC_TEST_RADIO_THIRD})
                      dlg.CheckItem(id, false);
                  SendMessageA(Item(dlg, IDC_TEST_LIST), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
              },
              [&] { Click(Item(dlg, IDOK)); }});
    EXPECT_EQ(dlg.values.radio, -1);
    EXPECT_EQ(dlg.values.listIndex, -1);
    EXPECT_EQ(dlg.values.listText, "");
}

TEST_F(DialogTest, RadioGroupEndsAtTheNextGroup)
{
    // The check box after the group must neither count nor be cleared.
    Values in{"", 1, false, 2, -1, "", "", ""};
    DataDialog dlg(owner.GetHwnd(), in);
    bool afterGroupChecked = false;
    RunModal(dlg, {[&] {
                       dlg.CheckItem(IDC_TEST_AFTER_GROUP, true);
                       dlg.UpdateData(false);
                       afterGroupChecked = dlg.IsItemChecked(IDC_TEST_AFTER_GROUP);
                   },
                   [&] { Click(Item(dlg, IDOK)); }});
    EXPECT_TRUE(afterGroupChecked);
    EXPECT_EQ(dlg.values.radio, 2);
}

TEST_F(DialogTest, TextIsHeldToItsMaximumLength)
{
    DataDialog dlg(owner.GetHwnd(), Values{"", 1, false, 0, 0, "", "", ""});
    std::string typed;
    RunModal(dlg, {[&] {
                       TypeText(Item(dlg, IDC_TEST_NAME), "abcdefghijkl");
                       typed = Text(dlg, IDC_TEST_NAME);
                       // Set by a program, past the limit the keyboard obeys.
                       SetWindowTextA(Item(dlg, IDC_TEST_NAME), "0123456789");
                   },
                   [&] { Click(Item(dlg, IDOK)); }});
    EXPECT_EQ(typed, "abcdefgh");
    EXPECT_EQ(dlg.values.name, "01234567");
}

struct RangeCase {
    const char* typed;
    bool accepted;
    int value;
};

TEST_F(DialogTest, NumberOutsideItsRangeKeepsTheDialogOpenWithTheFocusOnIt)
{
    const RangeCase cases[] = {
        {"0", false, 0}, {"33", false, 0}, {"abc", false, 0},
        {"", false, 0},  {"7x", false, 0}, {"99999999999999999999", false, 0},
        {"1", true, 1},  {"32", true, 32}, {" 5 ", true, 5},
        {"+7", true, 7},
    };
    MessageRecorder messages;
    DataDialog dlg(owner.GetHwnd(), Values{"keep", 12, false, 0, 0, "", "", ""});
    HWND field = nullptr;
    std::vector<StepRunner::Step> steps;
    // One dialog for every case: a refused value keeps it open; an accepted
    // one is read back as OK would, without closing.
    for (const RangeCase& c : cases) {
        steps.push_back([&] {
            field = Item(dlg, IDC_TEST_NUMBER);
            messages.shown.clear();
            dlg.values.number = 12;
            SetFocus(Item(dlg, IDC_TEST_NAME));
            SetEditText(field, c.typed);
            if (c.accepted) {
                SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
                EXPECT_TRUE(dlg.UpdateData(true));
                EXPECT_EQ(dlg.values.number, c.value);
                EXPECT_TRUE(messages.shown.empty());
            } else {
                Click(Item(dlg, IDOK));
            }
        });
        if (c.accepted)
            continue;
        steps.push_back([&] {
            SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
            EXPECT_TRUE(dlg.GetHwnd() && IsWindowVisible(dlg.GetHwnd())) << "the dialog stays open";
            EXPECT_EQ(GetFocus(), field) << "focus back on the field";
            DWORD selection = static_cast<DWORD>(SendMessageA(field, EM_GETSEL, 0, 0));
            EXPECT_EQ(LOWORD(selection), 0);
            EXPECT_EQ(HIWORD(selection), std::string(c.typed).size())
                << "the wrong text is selected";
            EXPECT_EQ(dlg.values.number, 12) << "a refused value is not stored";
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].text, "Please enter an integer between 1 and 32.");
            EXPECT_EQ(messages.shown[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_EQ(GetAncestor(messages.shown[0].owner, GA_ROOT), dlg.GetHwnd());
        });
    }
    steps.push_back([&] { Click(Item(dlg, IDCANCEL)); });
    EXPECT_EQ(RunModal(dlg, steps), IDCANCEL);
}

TEST_F(DialogTest, RangeErrorThenCorrectionCloses)
{
    MessageRecorder messages;
    DataDialog dlg(owner.GetHwnd(), Values{"", 12, false, 0, 0, "", "", ""});
    INT_PTR result = RunModal(dlg, {[&] { SetEditText(Item(dlg, IDC_TEST_NUMBER), "40"); },
                                    [&] { Click(Item(dlg, IDOK)); },
                                    [&] { SetEditText(Item(dlg, IDC_TEST_NUMBER), "31"); },
                                    [&] { Click(Item(dlg, IDOK)); }});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.values.number, 31);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DialogTest, ExceptionInAHandlerStopsAtTheDialogProcedure)
{
    DataDialog dlg(owner.GetHwnd(), Values{"", 3, false, 0, 0, "", "", ""});
    bool aliveAfterThrow = false;
    INT_PTR result = RunModal(dlg, {[&] { Click(Item(dlg, IDC_TEST_THROW)); },
                                    [&] {
                                        aliveAfterThrow = dlg.GetHwnd() != nullptr;
                                        Click(Item(dlg, IDOK));
                                    }});
    EXPECT_TRUE(dlg.commandReached);
    EXPECT_TRUE(aliveAfterThrow);
    EXPECT_EQ(result, IDOK);
}

TEST_F(DialogTest, DialogIsFoundFromItsWindowAndCentredOnItsOwner)
{
    DataDialog dlg(owner.GetHwnd(), Values{});
    fw::Window* found = nullptr;
    RECT dialogBox{}, ownerBox{};
    RunModal(dlg, {[&] {
                 found = fw::Window::FromHandle(dlg.GetHwnd());
                 GetWindowRect(dlg.GetHwnd(), &dialogBox);
                 GetWindowRect(owner.GetHwnd(), &ownerBox);
                 dlg.EndDialog(IDCANCEL);
             }});
    EXPECT_EQ(found, &dlg);
    const int dx = (dialogBox.left + dialogBox.right) - (ownerBox.left + ownerBox.right);
    const int dy = (dialogBox.top + dialogBox.bottom) - (ownerBox.top + ownerBox.bottom);
    EXPECT_LE(std::abs(dx), 2);
    EXPECT_LE(std::abs(dy), 2);
}

TEST_F(DialogTest, ApplicationColoursPaintEveryDialog)
{
    const COLORREF grey = RGB(192, 192, 192);
    const COLORREF ink = RGB(0, 0, 128);
    fw::Dialog::SetColors(grey, ink);
    DataDialog dlg(owner.GetHwnd(), Values{});
    HBRUSH dialogBrush = nullptr, staticBrush = nullptr, afterReset = nullptr;
    COLORREF text = 0, back = 0;
    LOGBRUSH lb{};
    const int pause = fw::test::PauseForScreenshot();
    RunModal(dlg, {[&] {
                       HDC dc = GetDC(dlg.GetHwnd());
                       dialogBrush = reinterpret_cast<HBRUSH>(
                           SendMessageA(dlg.GetHwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(dlg.GetHwnd())));
                       staticBrush = reinterpret_cast<HBRUSH>(SendMessageA(
                           dlg.GetHwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(Item(dlg, IDC_TEST_FLAG))));
                       GetObjectA(dialogBrush, sizeof lb, &lb);
                       text = GetTextColor(dc);
                       back = GetBkColor(dc);
                       ReleaseDC(dlg.GetHwnd(), dc);
                       if (pause)
                           fw::test::Pump(pause);
                   },
                   [&] {
                       fw::Dialog::ResetColors();
                       HDC dc = GetDC(dlg.GetHwnd());
                       afterReset = reinterpret_cast<HBRUSH>(
                           SendMessageA(dlg.GetHwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(dlg.GetHwnd())));
                       ReleaseDC(dlg.GetHwnd(), dc);
                       dlg.EndDialog(IDCANCEL);
                   }});
    ASSERT_NE(dialogBrush, nullptr);
    EXPECT_EQ(staticBrush, dialogBrush);
    EXPECT_EQ(lb.lbColor, grey);
    EXPECT_EQ(text, ink);
    EXPECT_EQ(back, grey);
    EXPECT_NE(afterReset, dialogBrush) << "reset gives the system's colours back";
}

// An edit that refuses digits: a control of a dialog sub-classed by an object.
class NoDigitsEdit : public fw::Window {
protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_CHAR && wParam >= '0' && wParam <= '9')
            return 0;
        return Window::WindowProc(msg, wParam, lParam);
    }
};

class SubclassingDialog : public DataDialog {
public:
    using DataDialog::DataDialog;
    NoDigitsEdit nameEdit;
    bool attached = false;

protected:
    BOOL OnInitDialog() override
    {
        attached = SubclassItem(IDC_TEST_NAME, nameEdit);
        return DataDialog::OnInitDialog();
    }
};

TEST_F(DialogTest, SubclassedControlSeesItsMessagesFirst)
{
    SubclassingDialog dlg(owner.GetHwnd(), Values{"", 1, false, 0, 0, "", "", ""});
    INT_PTR result = RunModal(dlg, {[&] {
                                        EXPECT_EQ(fw::Window::FromHandle(Item(dlg, IDC_TEST_NAME)),
                                                  &dlg.nameEdit);
                                        TypeText(Item(dlg, IDC_TEST_NAME), "a1b2c3");
                                    },
                                    [&] { Click(Item(dlg, IDOK)); }});
    EXPECT_TRUE(dlg.attached);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.values.name, "abc");
    EXPECT_EQ(dlg.nameEdit.GetHwnd(), nullptr) << "let go when the control went";
}

// ---------------------------------------------------------------------------
// Modeless dialogs.

class ModelessDialog : public fw::Dialog {
public:
    explicit ModelessDialog(HWND owner) : Dialog(IDD_TEST_MODELESS, owner) {}
    bool released = false;

protected:
    void OnCancel() override { EndDialog(IDCANCEL); }
    void OnFinalRelease() override { released = true; }
};

// Posts a Tab key press to the focused control, as the keyboard would, and
// runs the queue with or without the pre-translation of modeless dialogs.
HWND FocusAfterTab(HWND from, bool preTranslate)
{
    SetFocus(from);
    PostMessageA(from, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageA(from, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (preTranslate && fw::Dialog::PreTranslateModeless(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return GetFocus();
}

TEST_F(DialogTest, ModelessDialogGetsTabNavigationThroughPreTranslation)
{
    ModelessDialog dlg(owner.GetHwnd());
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(IsWindowVisible(dlg.GetHwnd()));
    SetForegroundWindow(dlg.GetHwnd());
    fw::test::Pump(30);
    HWND first = GetDlgItem(dlg.GetHwnd(), IDC_TEST_FIRST_EDIT);
    HWND second = GetDlgItem(dlg.GetHwnd(), IDC_TEST_SECOND_EDIT);

    EXPECT_EQ(FocusAfterTab(first, false), first) << "without pre-translation Tab stays put";
    EXPECT_EQ(FocusAfterTab(first, true), second);

    // Escape reaches OnCancel, which destroys the window.
    PostMessageA(second, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    fw::test::Pump(30);
    EXPECT_EQ(dlg.GetHwnd(), nullptr);
    EXPECT_TRUE(dlg.released);
}

TEST_F(DialogTest, DestroyingTheObjectClosesItsModelessWindow)
{
    HWND hWnd = nullptr;
    {
        ModelessDialog dlg(owner.GetHwnd());
        ASSERT_TRUE(dlg.Create());
        hWnd = dlg.GetHwnd();
        EXPECT_FALSE(dlg.Create()) << "one window per object";
    }
    EXPECT_FALSE(IsWindow(hWnd));
    MSG msg{};
    msg.hwnd = hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_FALSE(fw::Dialog::PreTranslateModeless(msg)) << "a closed dialog is no longer asked";
}

// ---------------------------------------------------------------------------
// Text helpers behind the number fields.

TEST(IntegerTextTest, ParsesWholeNumbersOnly)
{
    struct Case {
        const char* text;
        std::optional<long long> value;
    } cases[] = {
        {"0", 0},
        {"-12", -12},
        {"+12", 12},
        {"  42\t", 42},
        {"", {}},
        {" ", {}},
        {"-", {}},
        {"+", {}},
        {"+-1", {}},
        {"1 2", {}},
        {"12a", {}},
        {"0x10", {}},
        {"1.5", {}},
        {"9223372036854775807", 9223372036854775807LL},
        {"9223372036854775808", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntegerTextTest, RangeMessageFillsBothPlaces)
{
    EXPECT_EQ(fw::FormatRangeMessage("Please enter an integer between %1 and %2.", 10, 32000),
              "Please enter an integer between 10 and 32000.");
    EXPECT_EQ(fw::FormatRangeMessage("%2..%1 %3 100%", -1, 2), "2..-1 %3 100%");
    EXPECT_EQ(fw::RangeMessage(1, 2000000), "Please enter an integer between 1 and 2000000.");
}

} // namespace
