// The print loop: a client (a view) prepares the job, the print dialog (or,
// for a direct job, the default printer) gives the device, the client counts
// its pages, then each page of the chosen range is drawn between StartPage
// and EndPage while an abort dialog offers Cancel.
#pragma once
#include <windows.h>

#include <string>

namespace fw {

class PrinterSettings;

struct PrintInfo {
    bool m_bDirect = false;           // no dialog: the default printer
    bool m_bPreview = false;          // pages go to the preview window
    bool m_bSelectionEnabled = false; // the dialog offers "Selection" and chooses it
    bool m_bSelection = false;        // the job prints the selection
    UINT m_nFromPage = 1;             // the range chosen, one-based
    UINT m_nToPage = 0xFFFF;
    UINT m_nMaxPage = 0xFFFF; // the job's last page, set when it begins
    UINT m_nCurPage = 1;      // the page being drawn
    bool m_bContinuePrinting = true;
    RECT m_rectDraw{};         // the printable area, device units of the printer
    HDC m_hAttribDC = nullptr; // the printer: measure with it, also in the preview
    std::string m_strDocName;  // the spooler's name of the job
};

// What a view implements to be printed and previewed.
class PrintClient {
public:
    virtual ~PrintClient() = default;
    // Sets the job's options before the device is chosen; false cancels.
    virtual bool OnPreparePrinting(PrintInfo& info) = 0;
    // Fonts, layout and the page count (info.m_nMaxPage).
    virtual void OnBeginPrinting(HDC printer, PrintInfo& info) = 0;
    // Draws page info.m_nCurPage on `dc` (the printer or a preview).
    virtual void OnPrint(HDC dc, PrintInfo& info) = 0;
    virtual void OnEndPrinting(PrintInfo& info) = 0;
};

// The printable area of a printer device context.
RECT PrintableArea(HDC printer);

enum class PrintResult { Printed, Cancelled, NoPrinter, Failed };

// Runs one job of `client` for `owner`.  The dialog starts from `printer`
// and leaves its choice there for the next job.
PrintResult RunPrintJob(HWND owner, PrintClient& client, PrinterSettings& printer);

} // namespace fw
