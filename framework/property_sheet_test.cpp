// Modal property sheets: opened on a chosen page, only OK and Cancel, and a
// page whose values do not validate can be neither left nor confirmed.
#include <gtest/gtest.h>

#include "framework/dialog_test_res.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/pump.h"
#include "framework/message_hook.h"
#include "framework/property_sheet.h"

namespace {

using fw::test::SetEditText;
using fw::test::StepRunner;

class CountingPage : public fw::PropertyPage {
public:
    using PropertyPage::PropertyPage;
    int applied = 0;
    int reset = 0;

protected:
    void OnApply() override { ++applied; }
    void OnReset() override { ++reset; }
};

class NumberPage : public CountingPage {
public:
    NumberPage(UINT templateId, int low, int high, int initial)
        : CountingPage(templateId), value(initial), m_low(low), m_high(high)
    {
    }
    int value;

protected:
    void DoDataExchange(fw::DataExchange& dx) override
    {
        dx.Int(IDC_TEST_PAGE_VALUE, value, m_low, m_high);
    }

private:
    int m_low;
    int m_high;
};

class TextPage : public CountingPage {
public:
    TextPage(UINT templateId, std::string initial) : CountingPage(templateId), text(initial) {}
    std::string text;

protected:
    void DoDataExchange(fw::DataExchange& dx) override { dx.Text(IDC_TEST_PAGE_TEXT, text, 30); }
};

class PropertySheetTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fw::test::SharedOwner().GetHwnd()) << "no display";
        for (fw::PropertyPage* page :
             std::initializer_list<fw::PropertyPage*>{&editor, &print, &tools, &numbers})
            sheet.AddPage(*page);
        sheet.SetStartPage(3);
    }

    INT_PTR Run(std::vector<StepRunner::Step> steps)
    {
        steps.insert(steps.begin(), [&] {
            if (!sheet.GetHwnd() || !IsWindowVisible(sheet.GetHwnd()))
                StepRunner::Again();
        });
        StepRunner runner(std::move(steps),
                          [&] { PostMessageA(sheet.GetHwnd(), WM_COMMAND, IDCANCEL, 0); });
        INT_PTR result = sheet.DoModal();
        EXPECT_FALSE(runner.TimedOut()) << "the sheet was left open";
        EXPECT_TRUE(runner.Finished());
        return result;
    }

    HWND CurrentPage() const { return PropSheet_GetCurrentPageHwnd(sheet.GetHwnd()); }
    void Press(int button) const { PropSheet_PressButton(sheet.GetHwnd(), button); }
    bool ButtonShown(int id) const
    {
        HWND button = GetDlgItem(sheet.GetHwnd(), id);
        return button && IsWindowVisible(button);
    }

    NumberPage editor{IDD_TEST_PAGE_EDITOR, 1, 32, 8};
    TextPage print{IDD_TEST_PAGE_PRINT, "Page $Page$"};
    TextPage tools{IDD_TEST_PAGE_TOOLS, "cmd.exe"};
    NumberPage numbers{IDD_TEST_PAGE_NUMBERS, 0, 60, 45};
    fw::PropertySheetDialog sheet{"Options", fw::test::SharedOwner().GetHwnd()};
};

TEST_F(PropertySheetTest, OpensOnItsStartPageWithOnlyOkAndCancel)
{
    const int pause = fw::test::PauseForScreenshot();
    INT_PTR result = Run({[&] {
        ASSERT_TRUE(sheet.GetHwnd());
        EXPECT_EQ(CurrentPage(), numbers.GetHwnd());
        EXPECT_EQ(TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet.GetHwnd())), 3);
        EXPECT_EQ(numbers.GetItemText(IDC_TEST_PAGE_VALUE), "45");
        EXPECT_EQ(editor.GetHwnd(), nullptr) << "pages are made when first shown";
        EXPECT_FALSE(ButtonShown(0x3021)) << "Apply";
        EXPECT_FALSE(ButtonShown(IDHELP)) << "Help";
        EXPECT_TRUE(ButtonShown(IDOK));
        EXPECT_TRUE(ButtonShown(IDCANCEL));
        EXPECT_FALSE(GetWindowLongPtrA(sheet.GetHwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
        EXPECT_EQ(GetWindow(sheet.GetHwnd(), GW_OWNER), fw::test::SharedOwner().GetHwnd());
        if (pause)
            fw::test::Pump(pause);
        Press(PSBTN_CANCEL);
    }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(numbers.reset, 1);
    EXPECT_EQ(numbers.applied, 0);
    EXPECT_EQ(editor.reset, 0) << "a page never shown has nothing to throw away";
    EXPECT_EQ(numbers.GetHwnd(), nullptr);
}

TEST_F(PropertySheetTest, InvalidPageCanNeitherBeLeftNorConfirmed)
{
    std::vector<std::string> shown;
    fw::ScopedMessageHook hook([&](HWND, const std::string& text, UINT) {
        shown.push_back(text);
        return IDOK;
    });
    HWND numbersPage = nullptr;
    INT_PTR result = Run({
        [&] {
            numbersPage = CurrentPage();
            SetEditText(numbers.GetItem(IDC_TEST_PAGE_VALUE), "61");
            PropSheet_SetCurSel(sheet.GetHwnd(), nullptr, 0);
            EXPECT_EQ(CurrentPage(), numbersPage) << "the tab change was refused";
            EXPECT_EQ(GetFocus(), numbers.GetItem(IDC_TEST_PAGE_VALUE));
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0], "Please enter an integer between 0 and 60.");
            Press(PSBTN_OK);
        },
        [&] {
            EXPECT_TRUE(IsWindow(sheet.GetHwnd())) << "OK was refused";
            EXPECT_EQ(shown.size(), 2u);
            EXPECT_EQ(numbers.applied, 0);
            SetEditText(numbers.GetItem(IDC_TEST_PAGE_VALUE), "59");
            PropSheet_SetCurSel(sheet.GetHwnd(), nullptr, 0);
            EXPECT_EQ(CurrentPage(), editor.GetHwnd());
            EXPECT_EQ(editor.GetItemText(IDC_TEST_PAGE_VALUE), "8");
            SetEditText(editor.GetItem(IDC_TEST_PAGE_VALUE), "33");
            Press(PSBTN_OK);
        },
        [&] {
            EXPECT_TRUE(IsWindow(sheet.GetHwnd())) << "OK was refused on the other page too";
            ASSERT_EQ(shown.size(), 3u);
            EXPECT_EQ(shown[2], "Please enter an integer between 1 and 32.");
            SetEditText(editor.GetItem(IDC_TEST_PAGE_VALUE), "4");
            Press(PSBTN_OK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(editor.value, 4);
    EXPECT_EQ(numbers.value, 59);
    EXPECT_EQ(editor.applied, 1);
    EXPECT_EQ(numbers.applied, 1);
    EXPECT_EQ(print.applied, 0) << "never shown, nothing to commit";
    EXPECT_EQ(tools.applied, 0);
    EXPECT_EQ(shown.size(), 3u);
}

TEST_F(PropertySheetTest, StartPageBeyondTheLastOpensTheLast)
{
    sheet.SetStartPage(9);
    INT_PTR result = Run({[&] {
        EXPECT_EQ(CurrentPage(), numbers.GetHwnd());
        Press(PSBTN_OK);
    }});
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(numbers.value, 45);
}

} // namespace
