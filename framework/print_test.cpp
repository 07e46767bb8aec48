// The print loop on a real PostScript printer of the test prefix whose jobs
// land in a file: a direct job goes to the default printer unasked, each
// page of the range between StartPage and EndPage, and the abort box's
// Cancel ends the job.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/common_dialogs.h"
#include "framework/print.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/file_printer.h"
#include "framework/testing/test_folder.h"

namespace {

constexpr char kOutput[] = "C:\\windows\\temp\\fw-print-test.ps";

class CountingClient : public fw::PrintClient {
public:
    UINT pages = 3;
    std::vector<UINT> printed;
    bool ended = false;
    std::function<void(UINT)> onPage;

    bool OnPreparePrinting(fw::PrintInfo& info) override
    {
        info.m_bDirect = true;
        info.m_strDocName = "counting";
        return true;
    }
    void OnBeginPrinting(HDC, fw::PrintInfo& info) override { info.m_nMaxPage = pages; }
    void OnPrint(HDC dc, fw::PrintInfo& info) override
    {
        printed.push_back(info.m_nCurPage);
        TextOutA(dc, 100, 100, "page", 4);
        if (onPage)
            onPage(info.m_nCurPage);
    }
    void OnEndPrinting(fw::PrintInfo&) override { ended = true; }
};

class PrintLoop : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        ASSERT_TRUE(fw::test::InstallFilePrinter("Fw Test PostScript", kOutput, &error)) << error;
        DeleteFileA(kOutput);
    }
    fw::test::OwnerWindow m_owner; // disabled while the job spools
    fw::PrinterSettings printer;
};

TEST_F(PrintLoop, DirectJobPrintsEveryPageOnTheDefaultPrinter)
{
    CountingClient client;
    EXPECT_EQ(fw::RunPrintJob(m_owner.GetHwnd(), client, printer), fw::PrintResult::Printed);
    EXPECT_EQ(client.printed, (std::vector<UINT>{1, 2, 3}));
    EXPECT_TRUE(client.ended);
    EXPECT_EQ(fw::test::PostScriptPageCount(fw::test::ReadFileText(kOutput)), 3);
    EXPECT_TRUE(IsWindowEnabled(m_owner.GetHwnd()));
}

TEST_F(PrintLoop, CancelInTheAbortBoxEndsTheJob)
{
    CountingClient client;
    bool boxShown = false;
    client.onPage = [&boxShown](UINT page) {
        if (page == 1)
            if (HWND box = FindWindowA(nullptr, "Printing")) {
                boxShown = true;
                fw::test::ClickButton(box, IDCANCEL);
            }
    };
    EXPECT_EQ(fw::RunPrintJob(m_owner.GetHwnd(), client, printer), fw::PrintResult::Cancelled);
    EXPECT_TRUE(boxShown) << "the box stands while the pages spool";
    EXPECT_EQ(client.printed, std::vector<UINT>{1});
    EXPECT_TRUE(client.ended);
    EXPECT_EQ(FindWindowA(nullptr, "Printing"), nullptr) << "the box is gone";
    EXPECT_TRUE(IsWindowEnabled(m_owner.GetHwnd()));
}

} // namespace
