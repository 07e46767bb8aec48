// The "Print" option page in a property sheet of the test's own: what it
// shows of the settings and what it gives back on OK.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "editor/app/print_options_page.h"
#include "editor/res/resource.h"
#include "framework/testing/dialog_driver.h"

namespace {

using fw::test::StepRunner;

class PrintOptionsPageTest : public testing::Test {
protected:
    // Runs the sheet with the page; `onPage` acts on the page's window.
    INT_PTR Run(CPrintOptionsPage& page, const std::function<void(HWND)>& onPage)
    {
        fw::PropertySheetDialog sheet("Options");
        sheet.AddPage(page);
        StepRunner runner({[&] {
                               if (!page.GetHwnd() || !IsWindowVisible(sheet.GetHwnd()))
                                   StepRunner::Again();
                           },
                           [&] { onPage(page.GetHwnd()); }},
                          [&] { PostMessageA(sheet.GetHwnd(), WM_COMMAND, IDCANCEL, 0); });
        const INT_PTR result = sheet.DoModal();
        EXPECT_FALSE(runner.TimedOut());
        return result;
    }
};

std::string Text(HWND page, int id)
{
    return fw::test::ItemText(page, id);
}

int ComboChoice(HWND page, int id)
{
    return static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0));
}

bool Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

TEST_F(PrintOptionsPageTest, ShowsTheSettingsWithTheirStyles)
{
    CPrintOptions options;
    options.m_bSyntaxItalic = 1;
    CPrintOptionsPage page(options);
    Run(page, [](HWND p) {
        EXPECT_EQ(Text(p, IDC_PRINT_HEADER), "$File$    $Date$    $Time$");
        EXPECT_EQ(Text(p, IDC_PRINT_FOOTER), "-$Page$-");
        EXPECT_EQ(ComboChoice(p, IDC_PRINT_HEADER_STYLE), 0);
        EXPECT_EQ(ComboChoice(p, IDC_PRINT_FOOTER_STYLE), 1);
        char item[16] = {};
        for (int id : {IDC_PRINT_HEADER_STYLE, IDC_PRINT_FOOTER_STYLE}) {
            ASSERT_EQ(SendDlgItemMessageA(p, id, CB_GETCOUNT, 0, 0), 3);
            SendDlgItemMessageA(p, id, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
            EXPECT_STREQ(item, "Right");
        }
        const struct {
            int id;
            bool checked;
        } boxes[] = {{IDC_PRINT_LINE_NUMBERS, false},
                     {IDC_PRINT_COLOR, true},
                     {IDC_PRINT_BOLD, false},
                     {IDC_PRINT_ITALIC, true},
                     {IDC_PRINT_UNDERLINE, false}};
        for (const auto& b : boxes)
            EXPECT_EQ(Checked(p, b.id), b.checked) << b.id;
        PostMessageA(GetParent(p), WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(PrintOptionsPageTest, OkGivesBackWhatWasChanged)
{
    CPrintOptionsPage page{CPrintOptions{}};
    const INT_PTR result = Run(page, [](HWND p) {
        fw::test::SetEditText(GetDlgItem(p, IDC_PRINT_HEADER), "");
        fw::test::SetEditText(GetDlgItem(p, IDC_PRINT_FOOTER), "Page $Page$");
        SendDlgItemMessageA(p, IDC_PRINT_FOOTER_STYLE, CB_SETCURSEL, 2, 0);
        for (int id : {IDC_PRINT_LINE_NUMBERS, IDC_PRINT_COLOR, IDC_PRINT_UNDERLINE})
            fw::test::ClickButton(p, id);
        PostMessageA(GetParent(p), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    CPrintOptions expected;
    expected.m_strHeader = "";
    expected.m_strFooter = "Page $Page$";
    expected.m_nFooterStyle = 2;
    expected.m_bLineNumbers = 1;
    expected.m_bColorSyntax = 0;
    expected.m_bSyntaxUnderline = 1;
    EXPECT_EQ(page.m_options, expected);
}

} // namespace
