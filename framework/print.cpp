#include "framework/print.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/common_dialogs.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/res/fw_resource.h"

namespace fw {

namespace {

// The modeless "Printing" box: its Cancel ends the job at the next page.
class AbortDialog : public Dialog {
public:
    AbortDialog(HWND owner, std::string name)
        : Dialog(FW_IDD_PRINTING, owner), m_name(std::move(name))
    {
    }
    bool m_bCancelled = false;

protected:
    BOOL OnInitDialog() override
    {
        SetDlgItemTextA(m_hWnd, FW_IDC_PRINT_DOCNAME, m_name.c_str());
        return Dialog::OnInitDialog();
    }
    void OnCancel() override { m_bCancelled = true; }

private:
    std::string m_name;
};

AbortDialog* g_pAbort = nullptr; // the box of the job spooling now, for the abort procedure

// Keeps the box answering while the spooler works.
BOOL CALLBACK AbortProc(HDC, int)
{
    MSG msg;
    while (!(g_pAbort && g_pAbort->m_bCancelled) && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!g_pAbort || !IsDialogMessageA(g_pAbort->GetHwnd(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return !(g_pAbort && g_pAbort->m_bCancelled);
}

// The device of the job: the default printer for a direct job, else the
// print dialog's choice.
OwnedDC ChooseDevice(HWND owner, PrintInfo& info, PrinterSettings& printer, bool& cancelled)
{
    cancelled = false;
    if (info.m_bDirect) {
        PrinterSettings defaults;
        if (!defaults.LoadDefault())
            return {};
        return defaults.CreatePrinterDC();
    }
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    pd.Flags |= info.m_bSelectionEnabled ? PD_SELECTION : PD_NOSELECTION;
    pd.nMinPage = 1;
    pd.nMaxPage = 0xFFFF;
    pd.nFromPage = 1;
    pd.nToPage = 1;
    pd.nCopies = 1;
    if (!printer.RunDialog(pd)) {
        cancelled = CommDlgExtendedError() == 0;
        return {};
    }
    OwnedDC dc(pd.hDC);
    info.m_bSelection = (pd.Flags & PD_SELECTION) != 0;
    if (pd.Flags & PD_PAGENUMS) {
        info.m_nFromPage = pd.nFromPage;
        info.m_nToPage = pd.nToPage;
    }
    return dc;
}

} // namespace

RECT PrintableArea(HDC printer)
{
    return RECT{0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
}

PrintResult RunPrintJob(HWND owner, PrintClient& client, PrinterSettings& printer)
{
    PrintInfo info;
    if (!client.OnPreparePrinting(info))
        return PrintResult::Cancelled;
    bool cancelled = false;
    OwnedDC dc = ChooseDevice(owner, info, printer, cancelled);
    if (!dc)
        return cancelled ? PrintResult::Cancelled : PrintResult::NoPrinter;
    info.m_hAttribDC = dc.get();
    info.m_rectDraw = PrintableArea(dc.get());
    client.OnBeginPrinting(dc.get(), info);

    const UINT first = std::max(1u, info.m_nFromPage);
    const UINT last = std::min(info.m_nToPage, info.m_nMaxPage);
    AbortDialog abort(owner, info.m_strDocName);
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (abort.Create()) {
        ShowWindow(abort.GetHwnd(), SW_SHOW);
        UpdateWindow(abort.GetHwnd());
        if (owner)
            EnableWindow(owner, FALSE);
    }
    AbortDialog* const outer = g_pAbort;
    g_pAbort = &abort;
    SetAbortProc(dc.get(), AbortProc);

    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = info.m_strDocName.c_str();
    bool ok = StartDocA(dc.get(), &doc) > 0;
    for (UINT page = first; ok && page <= last && info.m_bContinuePrinting; ++page) {
        if (!AbortProc(dc.get(), 0))
            break;
        info.m_nCurPage = page;
        ok = StartPage(dc.get()) > 0;
        if (ok) {
            client.OnPrint(dc.get(), info);
            ok = EndPage(dc.get()) > 0;
        }
    }
    const bool aborted = abort.m_bCancelled;
    if (ok && !aborted)
        ok = EndDoc(dc.get()) > 0;
    else
        AbortDoc(dc.get());
    g_pAbort = outer;
    client.OnEndPrinting(info);
    if (owner && ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (abort.GetHwnd())
        abort.EndDialog(IDCANCEL);
    if (aborted)
        return PrintResult::Cancelled;
    return ok ? PrintResult::Printed : PrintResult::Failed;
}

} // namespace fw
