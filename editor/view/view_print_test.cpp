// Printing from the editor window to a real PostScript printer of the test
// prefix whose jobs land in a file, through the real print dialog, and the
// print preview.
#include "editor/view/view_test_support.h"

#include "editor/base/options_print.h"
#include "editor/res/resource.h"
#include "editor/view/view_print.h"
#include "framework/print_preview.h"
#include "framework/testing/file_printer.h"

#include <dlgs.h>

namespace viewtest {
namespace {

constexpr char kPrinter[] = "Marl Test PostScript";
constexpr char kOutput[] = "C:\\windows\\temp\\marl-print-test.ps";

class PrintTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        std::string error;
        ASSERT_TRUE(fw::test::InstallFilePrinter(kPrinter, kOutput, &error)) << error;
        DeleteFileA(kOutput);
        m_saved = g_pPrintOptions;
        g_pPrintOptions = &m_print;
        // The page number shows that each page expands its own texts.
        SetPageTextExpander([](std::string_view text, const CMarlView&, int page) {
            std::string out(text);
            if (const std::size_t at = out.find("$Page$"); at != std::string::npos)
                out.replace(at, 6, std::to_string(page));
            return out;
        });
    }
    void TearDown() override
    {
        SetPageTextExpander({});
        g_pPrintOptions = m_saved;
        ViewTest::TearDown();
    }

    void Command(UINT id) { SendMessageA(m_main->GetHwnd(), WM_COMMAND, id, 0); }

    // Prints through the print dialog, `inDialog` acting on it before OK.
    void PrintWithDialog(const std::function<void(HWND)>& inDialog = {})
    {
        OnNextDialog("Print", [inDialog](HWND dialog) {
            if (inDialog)
                inDialog(dialog);
            ClickButton(dialog, IDOK);
        });
        Command(ID_FILE_PRINT);
        EXPECT_TRUE(DialogCame());
    }

    static std::vector<std::string> PrintedPages()
    {
        return fw::test::PostScriptPageTexts(kOutput);
    }

    CPrintOptions m_print;
    CPrintOptions* m_saved = nullptr;
};

TEST_F(PrintTest, JobThroughTheDialogPrintsEveryPageWithItsHeaderAndFooter)
{
    m_print.m_strHeader = "Listing of a.c";
    m_print.m_strFooter = "Page $Page$ end";
    m_print.m_bLineNumbers = 1;
    std::string text;
    for (int i = 1; i <= 150; ++i)
        text += "text of line " + std::to_string(i) + "\n";
    OpenText("a.c", text);
    PrintWithDialog();
    const std::size_t expected = View()->Printing().Pages().size();
    ASSERT_GT(expected, 1u);
    EXPECT_EQ(fw::test::PostScriptPageCount(ReadFile(kOutput)), static_cast<int>(expected));
    const std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), expected);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NE(pages[i].find("Listing of a.c"), std::string::npos) << i;
        EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " end"), std::string::npos) << i;
    }
    EXPECT_NE(pages.front().find("text of line 1"), std::string::npos);
    EXPECT_NE(pages.back().find("text of line 150"), std::string::npos);
}

TEST_F(PrintTest, DialogChoosesSelectionWhenTheViewHasOne)
{
    struct {
        bool select;
        bool enabled;
        bool checked;
    } const cases[] = {{false, false, false}, {true, true, true}};
    for (const auto& c : cases) {
        OpenText("s.c", "one\ntwo\nthree\nfour\nfive\n");
        if (c.select)
            View()->SetSelection(5, 10); // "wo\nth"
        bool enabled = !c.enabled, checked = !c.checked;
        PrintWithDialog([&](HWND dialog) {
            enabled = IsWindowEnabled(GetDlgItem(dialog, rad2)) != FALSE;
            checked = IsDlgButtonChecked(dialog, rad2) == BST_CHECKED;
        });
        EXPECT_EQ(enabled, c.enabled) << c.select;
        EXPECT_EQ(checked, c.checked) << c.select;
        const std::vector<std::string> pages = PrintedPages();
        ASSERT_EQ(pages.size(), 1u);
        // A selection prints from its start to the end of its last line.
        EXPECT_EQ(pages[0].find("one") == std::string::npos, c.select);
        EXPECT_NE(pages[0].find("three"), std::string::npos);
        EXPECT_EQ(pages[0].find("four") == std::string::npos, c.select);
        m_app->CloseAllDocuments(true);
        DeleteFileA(kOutput);
    }
}

TEST_F(PrintTest, PageRangeOfTheDialogPrintsOnlyThosePages)
{
    m_print.m_strFooter = "Page $Page$ end";
    OpenText("r.c", RepeatedLines("a line of text\n", 400));
    PrintWithDialog([](HWND dialog) {
        ClickButton(dialog, rad3);
        SetDlgItemTextA(dialog, edt1, "2");
        SetDlgItemTextA(dialog, edt2, "3");
    });
    ASSERT_GT(View()->Printing().Pages().size(), 3u);
    const std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Page 2 end"), std::string::npos);
    EXPECT_NE(pages[1].find("Page 3 end"), std::string::npos);
}

TEST_F(PrintTest, PreviewCountsThePagesAndStepsWithItsKeys)
{
    OpenText("p.c", RepeatedLines("int x; /* comment */\n", 400));
    Command(ID_PRINT_PREVIEW_BUTTON);
    fw::PrintPreviewWnd& preview = View()->Printing().Preview();
    ASSERT_TRUE(preview.IsOpen());
    const UINT count = static_cast<UINT>(View()->Printing().Pages().size());
    ASSERT_GT(count, 3u);
    EXPECT_EQ(preview.PageCount(), count);
    Pump(*m_app);
    struct {
        UINT key;
        UINT page;
    } const steps[] = {{VK_NEXT, 2}, {VK_NEXT, 3}, {VK_PRIOR, 2}, {VK_PRIOR, 1}, {VK_PRIOR, 1}};
    for (const auto& s : steps) {
        Key(s.key);
        EXPECT_EQ(preview.CurrentPage(), s.page) << s.key;
    }
    preview.OnCommand(ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(preview.PagesShown(), 2);
    Key(VK_NEXT);
    EXPECT_EQ(preview.CurrentPage(), 3u) << "two pages step by two";
    preview.OnCommand(ID_PREVIEW_ZOOMIN);
    preview.OnCommand(ID_PREVIEW_ZOOMIN);
    preview.OnCommand(ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(preview.Zoom(), fw::PrintPreviewWnd::kMaxZoom);
    Pump(*m_app);
    Key(VK_ESCAPE);
    EXPECT_FALSE(preview.IsOpen());
}

TEST_F(PrintTest, PreviewPrintButtonClosesItAndPrintsThroughTheDialog)
{
    OpenText("q.c", "int q;\n");
    Command(ID_PRINT_PREVIEW_BUTTON);
    fw::PrintPreviewWnd& preview = View()->Printing().Preview();
    ASSERT_TRUE(preview.IsOpen());
    OnNextDialog("Print", [](HWND dialog) { ClickButton(dialog, IDOK); });
    preview.OnCommand(ID_PREVIEW_PRINT);
    EXPECT_FALSE(preview.IsOpen());
    Pump(*m_app); // the print command was posted to the frame
    EXPECT_TRUE(DialogCame());
    const std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("int q;"), std::string::npos);
}

TEST_F(PrintTest, EmptyDocumentPreviewsAndPrintsOnePage)
{
    OpenText("e.c", "");
    Command(ID_PRINT_PREVIEW_BUTTON);
    fw::PrintPreviewWnd& preview = View()->Printing().Preview();
    ASSERT_TRUE(preview.IsOpen());
    EXPECT_EQ(preview.PageCount(), 1u);
    Pump(*m_app); // paints the empty page
    preview.OnCommand(ID_PREVIEW_CLOSE);
    PrintWithDialog();
    const std::vector<std::string> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("-1-"), std::string::npos);
}

} // namespace
} // namespace viewtest
