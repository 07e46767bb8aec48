// The print preview: a window in place of the frame's view area (the MDI
// client, or the view of a single-document frame) showing one or two pages of a print client as
// they will print, with its own row of buttons (Print, Next, Previous, One/Two pages, Zoom in, Zoom
// out, Close). Page Down, Page Up and Escape are its next, previous and close commands.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/handles.h"
#include "framework/print.h"
#include "framework/window.h"

namespace fw {

class PrinterSettings;

// Sent to the frame with wParam TRUE before the preview opens and FALSE
// after it closed, so that it can hide and show its bars.
UINT PreviewModeMessage();

class PrintPreviewWnd : public Window {
public:
    static constexpr int kMaxZoom = 2;

    PrintPreviewWnd() = default;
    ~PrintPreviewWnd() override;

    // Opens in place of `area`, a child of `frame`, on the printer `printer`
    // chose (the default printer when it has none).  `onPrint` runs after
    // the Print button closed the preview.  False when there is no printer.
    bool Open(HWND frame, HWND area, PrintClient& client, PrinterSettings& printer,
              std::function<void()> onPrint);
    // Ends the preview: the client's job ends, the frame gets its bars back.
    void Close();
    bool IsOpen() const { return m_hWnd != nullptr; }

    UINT CurrentPage() const { return m_nPage; }
    UINT PageCount() const { return m_info.m_nMaxPage; }
    int PagesShown() const { return m_nPages; }
    int Zoom() const { return m_nZoom; }
    // Runs one of the preview's commands (ID_PREVIEW_*), as its buttons and keys do.
    void OnCommand(UINT id);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateButtons();
    void UpdateButtons();
    void Layout();
    void OnPaint();
    void OnScroll(int bar, int code);
    // The page rectangles on the screen, scroll position applied.
    std::vector<RECT> PageRects() const;
    SIZE PageSize() const;
    int ButtonRowHeight() const;

    HWND m_hFrame = nullptr;
    PrintClient* m_pClient = nullptr;
    OwnedDC m_printer;
    PrintInfo m_info;
    std::function<void()> m_onPrint;
    std::vector<HWND> m_buttons;
    HWND m_hArea = nullptr; // the frame's child the preview stands in for
    HWND m_hPageText = nullptr;
    UINT m_nPage = 1;
    int m_nPages = 1;
    int m_nZoom = 0;
    POINT m_scroll{};
    bool m_bBegun = false;
};

} // namespace fw
