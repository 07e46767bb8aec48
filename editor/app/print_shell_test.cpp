// Printing in the real application: a print request of the shell goes to
// the default printer without the print dialog, and the print preview puts
// the frame's bars away and brings back those that were up.
#include <windows.h>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/main_frame.h"
#include "editor/res/resource.h"
#include "editor/view/marl_view.h"
#include "editor/view/view_print.h"
#include "framework/common_dialogs.h"
#include "framework/control_bar.h"
#include "framework/testing/file_printer.h"

using namespace shelltest;

namespace {

constexpr char kOutput[] = "C:\\windows\\temp\\marl-shell-print.ps";

class PrintShell : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        std::string error;
        ASSERT_TRUE(fw::test::InstallFilePrinter("Marl Shell PostScript", kOutput, &error))
            << error;
        DeleteFileA(kOutput);
        m_editorDocuments = true;
    }

    CMarlView* ActiveView() const { return dynamic_cast<CMarlView*>(Frame().GetActiveView()); }
    bool SecondToolBarShown() const
    {
        const fw::ControlBar* bar = Frame().GetControlBar(IDW_TOOLBAR2);
        return bar && bar->IsVisible();
    }
};

TEST_F(PrintShell, ShellPrintRequestUsesTheDefaultPrinterUnasked)
{
    Start();
    WriteText(Path("a.c"), "int main(void)\n{\n    return 0;\n}\n");
    fw::test::OnNextDialog("Print", [](HWND dialog) { fw::test::ClickButton(dialog, IDCANCEL); });
    EXPECT_TRUE(m_app->OnDDECommand("print(" + Path("a.c") + ")"));
    EXPECT_FALSE(fw::test::DialogCame()) << "no print dialog for the shell";
    EXPECT_FALSE(m_app->IsShellPrinting()) << "the flag lasts for the request only";
    const std::vector<std::string> pages = fw::test::PostScriptPageTexts(kOutput);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("return 0;"), std::string::npos);
}

TEST_F(PrintShell, PrintSetupChoiceIsKeptForTheNextJob)
{
    Start();
    fw::test::OnNextDialog("Print Setup", [](HWND dialog) { fw::test::ClickButton(dialog, IDOK); });
    Command(ID_FILE_PRINT_SETUP);
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(m_app->GetPrinter().DeviceName(), "Marl Shell PostScript");
}

TEST_F(PrintShell, PreviewPutsTheSecondToolbarAwayForItsTime)
{
    for (const bool shown : {true, false}) {
        Start("/NOSPLASH", shown ? "" : "[Options]\r\nToolBar2=0\r\n");
        WriteText(Path("b.c"), "int b;\n");
        m_app->OpenDocumentFile(Path("b.c"));
        Pump(*m_app);
        ASSERT_EQ(SecondToolBarShown(), shown);
        Command(ID_PRINT_PREVIEW_BUTTON);
        ASSERT_TRUE(ActiveView()->Printing().Preview().IsOpen());
        EXPECT_FALSE(SecondToolBarShown());
        // The preview follows the frame's size.
        RECT frame{};
        GetWindowRect(Frame().GetHwnd(), &frame);
        SetWindowPos(Frame().GetHwnd(), nullptr, 0, 0, frame.right - frame.left + 40,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
        RECT client{}, preview{};
        GetClientRect(Frame().GetHwnd(), &client);
        GetWindowRect(ActiveView()->Printing().Preview().GetHwnd(), &preview);
        EXPECT_EQ(preview.right - preview.left, client.right - client.left);
        Key(VK_ESCAPE);
        EXPECT_FALSE(ActiveView()->Printing().Preview().IsOpen());
        EXPECT_EQ(SecondToolBarShown(), shown);
        Exit();
    }
}

} // namespace
