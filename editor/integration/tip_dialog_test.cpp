// The tip of the day at start-up with the real application: the first tip,
// "Next tip" through the file and round to its first line, the check box.
#include <windows.h>

#include <string>
#include <vector>

#include "editor/app/app_shell_test_support.h"
#include "editor/app/integration_hooks.h"
#include "editor/integration/tip_dialog.h"
#include "editor/res/resource.h"

using namespace shelltest;

namespace {

constexpr char kCaption[] = "Tips and Tricks";
constexpr char kTips[] = "First|Second\nB\r\nC\n";

class TipTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        WriteText(TipsFile(), kTips);
        m_tips = std::make_unique<CTipOfTheDay>(TipsFile());
        m_hooks.tips = m_tips.get();
    }

    std::string TipsFile() const { return Path("MARL.TIP"); }

    // Starts with `profile`; when the tip comes, records its text, presses
    // "Next tip" `next` times recording each, then clears the check box when
    // asked and presses OK.
    std::vector<std::string> StartWithTip(const std::string& profile, int next,
                                          bool clearShow = false)
    {
        std::vector<std::string> seen;
        const int pause = fw::test::PauseForScreenshot();
        fw::test::OnNextDialog(kCaption, [&](HWND dialog) {
            seen.push_back(fw::test::ItemText(dialog, IDC_TIP_TEXT));
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TIP_SHOW), BST_CHECKED);
            if (pause)
                fw::test::Pump(pause);
            for (int i = 0; i < next; ++i) {
                fw::test::ClickButton(dialog, IDCANCEL);
                seen.push_back(fw::test::ItemText(dialog, IDC_TIP_TEXT));
            }
            if (clearShow)
                fw::test::ClickButton(dialog, IDC_TIP_SHOW);
            fw::test::ClickButton(dialog, IDOK);
        });
        Start("/NOSPLASH", profile);
        return seen;
    }

    std::unique_ptr<CTipOfTheDay> m_tips;
};

TEST_F(TipTest, StartUpShowsTheNextTipAndNextTipWrapsRound)
{
    const std::vector<std::string> seen = StartWithTip("[Tips]\r\nLastPos=0\r\n", 3);
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(seen, (std::vector<std::string>{"First\r\nSecond", "B", "C", "First\r\nSecond"}));
    EXPECT_EQ(ReadProfile("Tips", "LastPos"), "13");
    EXPECT_EQ(ReadProfile("Tips", "Show"), "<none>") << "a checked box writes nothing";
}

TEST_F(TipTest, AnEmptyLineAtThePositionIsPassedOver)
{
    WriteText(TipsFile(), "\nA\n");
    EXPECT_EQ(StartWithTip("[Tips]\r\nLastPos=0\r\n", 0), std::vector<std::string>{"A"});
    EXPECT_EQ(ReadProfile("Tips", "LastPos"), "3");
}

TEST_F(TipTest, AMissingTipsFileShowsAnEmptyTipAndKeepsThePosition)
{
    DeleteFileA(TipsFile().c_str());
    const std::vector<std::string> seen = StartWithTip("[Tips]\r\nLastPos=5\r\n", 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(ReadProfile("Tips", "LastPos"), "5");
}

TEST_F(TipTest, ClearingTheBoxStopsTheStartUpTip)
{
    StartWithTip("", 0, true);
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(ReadProfile("Tips", "Show"), "0");
    Exit();

    const auto pressOk = [](HWND dialog) { fw::test::ClickButton(dialog, IDOK); };
    fw::test::OnNextDialog(kCaption, pressOk);
    Start("/NOSPLASH");
    EXPECT_FALSE(fw::test::DialogCame());

    // Shown on request and left checked, it does not turn the display on.
    fw::test::OnNextDialog(kCaption, pressOk);
    CTipDlg dialog(m_app->GetMainWnd(), TipsFile());
    dialog.DoModal();
    EXPECT_TRUE(fw::test::DialogCame());
    EXPECT_EQ(ReadProfile("Tips", "Show"), "0");
}

} // namespace
