#include "framework/print_preview.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "framework/common_dialogs.h"
#include "framework/res/fw_resource.h"

namespace fw {

namespace {

constexpr char kClassName[] = "FwPrintPreview";
constexpr int kMargin = 8;
constexpr int kButtonWidth = 76;
constexpr int kButtonHeight = 22;

struct ButtonSpec {
    UINT id;
    const char* text;
};
constexpr ButtonSpec kButtons[] = {
    {ID_PREVIEW_PRINT, "&Print..."}, {ID_PREVIEW_NEXT, "&Next Page"},
    {ID_PREVIEW_PREV, "Pre&v Page"}, {ID_PREVIEW_NUMPAGE, "&Two Page"},
    {ID_PREVIEW_ZOOMIN, "Zoom &In"}, {ID_PREVIEW_ZOOMOUT, "Zoom &Out"},
    {ID_PREVIEW_CLOSE, "&Close"},
};

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}

} // namespace

UINT PreviewModeMessage()
{
    static const UINT message = RegisterWindowMessageA("fw.PrintPreviewMode");
    return message;
}

PrintPreviewWnd::~PrintPreviewWnd()
{
    Close();
}

bool PrintPreviewWnd::Open(HWND frame, HWND area, PrintClient& client, PrinterSettings& printer,
                           std::function<void()> onPrint)
{
    if (m_hWnd)
        return true;
    m_info = PrintInfo{};
    m_info.m_bPreview = true;
    if (!client.OnPreparePrinting(m_info))
        return false;
    m_info.m_bSelection = m_info.m_bSelectionEnabled;
    if (printer.HasPrinter()) {
        m_printer = printer.CreatePrinterDC();
    } else {
        PrinterSettings defaults;
        if (defaults.LoadDefault())
            m_printer = defaults.CreatePrinterDC();
    }
    if (!m_printer)
        return false;
    m_hFrame = frame;
    m_pClient = &client;
    m_onPrint = std::move(onPrint);
    m_info.m_hAttribDC = m_printer.get();
    m_info.m_rectDraw = PrintableArea(m_printer.get());
    client.OnBeginPrinting(m_printer.get(), m_info);
    m_info.m_nMaxPage = std::max(1u, m_info.m_nMaxPage);
    m_bBegun = true;
    m_nPage = 1;
    m_nPages = 1;
    m_nZoom = 0;
    m_scroll = {};

    SendMessageA(frame, PreviewModeMessage(), TRUE, 0);
    RegisterClass(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr,
                  GetSysColorBrush(COLOR_APPWORKSPACE), LoadCursor(nullptr, IDC_ARROW));
    // The area's place once the frame has laid out its bars for the preview.
    RECT place{};
    GetWindowRect(area, &place);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
    if (!CreateEx(0, kClassName, "Print Preview",
                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                      WS_HSCROLL,
                  place.left, place.top, Width(place), Height(place), frame,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FW_IDW_PRINT_PREVIEW)))) {
        Close();
        return false;
    }
    // A sibling in the same place would paint over the preview.
    m_hArea = area;
    ShowWindow(area, SW_HIDE);
    CreateButtons();
    UpdateButtons();
    Layout();
    SetFocus(m_hWnd);
    return true;
}

void PrintPreviewWnd::Close()
{
    if (m_bBegun && m_pClient) {
        m_bBegun = false;
        m_pClient->OnEndPrinting(m_info);
    }
    m_printer = OwnedDC();
    m_buttons.clear();
    m_hPageText = nullptr;
    const bool wasOpen = m_hWnd != nullptr;
    if (const HWND area = std::exchange(m_hArea, nullptr); area && IsWindow(area))
        ShowWindow(area, SW_SHOWNA);
    if (m_hWnd)
        Destroy();
    if (m_hFrame) {
        const HWND frame = std::exchange(m_hFrame, nullptr);
        SendMessageA(frame, PreviewModeMessage(), FALSE, 0);
        if (wasOpen)
            InvalidateRect(frame, nullptr, TRUE);
    }
}

void PrintPreviewWnd::CreateButtons()
{
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int x = kMargin / 2;
    for (const ButtonSpec& spec : kButtons) {
        HWND button = CreateWindowExA(0, "BUTTON", spec.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      x, 3, kButtonWidth, kButtonHeight, m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(spec.id)),
                                      GetModuleHandleA(nullptr), nullptr);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        m_buttons.push_back(button);
        x += kButtonWidth + 2;
    }
    m_hPageText =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, x + kMargin,
                        7, 160, 16, m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(m_hPageText, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

int PrintPreviewWnd::ButtonRowHeight() const
{
    return kButtonHeight + 6;
}

void PrintPreviewWnd::UpdateButtons()
{
    const UINT count = m_info.m_nMaxPage;
    const UINT last = std::min<UINT>(count, m_nPage + static_cast<UINT>(m_nPages) - 1);
    for (HWND button : m_buttons) {
        const UINT id = static_cast<UINT>(GetDlgCtrlID(button));
        bool enable = true;
        if (id == ID_PREVIEW_NEXT)
            enable = last < count;
        else if (id == ID_PREVIEW_PREV)
            enable = m_nPage > 1;
        else if (id == ID_PREVIEW_ZOOMIN)
            enable = m_nZoom < kMaxZoom;
        else if (id == ID_PREVIEW_ZOOMOUT)
            enable = m_nZoom > 0;
        else if (id == ID_PREVIEW_NUMPAGE) {
            enable = m_nZoom == 0;
            SetWindowTextA(button, m_nPages == 1 ? "&Two Page" : "&One Page");
        }
        // A button about to be disabled gives the keyboard back to the window.
        if (!enable && GetFocus() == button)
            SetFocus(m_hWnd);
        EnableWindow(button, enable);
    }
    char text[64];
    if (last > m_nPage)
        std::snprintf(text, sizeof text, "Pages %u-%u of %u", m_nPage, last, count);
    else
        std::snprintf(text, sizeof text, "Page %u of %u", m_nPage, count);
    if (m_hPageText)
        SetWindowTextA(m_hPageText, text);
}

void PrintPreviewWnd::OnCommand(UINT id)
{
    if (!m_hWnd)
        return;
    const UINT count = m_info.m_nMaxPage;
    switch (id) {
    case ID_PREVIEW_NEXT:
        if (m_nPage + static_cast<UINT>(m_nPages) - 1 < count)
            m_nPage = std::min(count, m_nPage + static_cast<UINT>(m_nPages));
        break;
    case ID_PREVIEW_PREV:
        m_nPage = m_nPage > static_cast<UINT>(m_nPages) ? m_nPage - static_cast<UINT>(m_nPages) : 1;
        break;
    case ID_PREVIEW_NUMPAGE:
        if (m_nZoom == 0)
            m_nPages = 3 - m_nPages;
        break;
    case ID_PREVIEW_ZOOMIN:
        m_nZoom = std::min(kMaxZoom, m_nZoom + 1);
        m_scroll = {};
        break;
    case ID_PREVIEW_ZOOMOUT:
        m_nZoom = std::max(0, m_nZoom - 1);
        m_scroll = {};
        break;
    case ID_PREVIEW_CLOSE:
        Close();
        return;
    case ID_PREVIEW_PRINT: {
        std::function<void()> print = m_onPrint;
        Close();
        if (print)
            print();
        return;
    }
    default:
        return;
    }
    UpdateButtons();
    Layout();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool PrintPreviewWnd::PreTranslateMessage(MSG& msg)
{
    if (msg.message == WM_KEYDOWN && m_hWnd && (msg.hwnd == m_hWnd || IsChild(m_hWnd, msg.hwnd))) {
        switch (msg.wParam) {
        case VK_NEXT:
            OnCommand(ID_PREVIEW_NEXT);
            return true;
        case VK_PRIOR:
            OnCommand(ID_PREVIEW_PREV);
            return true;
        case VK_ESCAPE:
            OnCommand(ID_PREVIEW_CLOSE);
            return true;
        default:
            break;
        }
    }
    return Window::PreTranslateMessage(msg);
}

SIZE PrintPreviewWnd::PageSize() const
{
    // Thousandths of an inch, so that the page keeps its shape whatever the
    // printer's resolution in each direction.
    const HDC dc = m_printer.get();
    const int dpiX = std::max(1, GetDeviceCaps(dc, LOGPIXELSX));
    const int dpiY = std::max(1, GetDeviceCaps(dc, LOGPIXELSY));
    return SIZE{std::max(1, MulDiv(Width(m_info.m_rectDraw), 1000, dpiX)),
                std::max(1, MulDiv(Height(m_info.m_rectDraw), 1000, dpiY))};
}

std::vector<RECT> PrintPreviewWnd::PageRects() const
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int top = ButtonRowHeight();
    const int areaW = std::max(1, Width(client));
    const int areaH = std::max(1, Height(client) - top);
    const SIZE page = PageSize();
    const int n = m_nZoom == 0 ? m_nPages : 1;
    const double fitW = double(areaW - (n + 1) * kMargin) / n / page.cx;
    const double fitH = double(areaH - 2 * kMargin) / page.cy;
    const double scale = std::max(0.01, std::min(fitW, fitH)) * (1 << m_nZoom);
    const int w = std::max(1, int(page.cx * scale));
    const int h = std::max(1, int(page.cy * scale));
    const int total = n * w + (n - 1) * kMargin;
    const int left = std::max(kMargin, (areaW - total) / 2) - m_scroll.x;
    std::vector<RECT> rects;
    for (int i = 0; i < n; ++i) {
        const int x = left + i * (w + kMargin);
        const int y = top + kMargin - m_scroll.y;
        rects.push_back(RECT{x, y, x + w, y + h});
    }
    return rects;
}

void PrintPreviewWnd::Layout()
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const std::vector<RECT> rects = PageRects();
    const int contentW = Width(rects.front()) * static_cast<int>(rects.size()) + 3 * kMargin;
    const int contentH = Height(rects.front()) + 2 * kMargin;
    const int areaW = Width(client);
    const int areaH = Height(client) - ButtonRowHeight();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMax = m_nZoom > 0 ? contentW : 0;
    si.nPage = static_cast<UINT>(std::max(0, areaW));
    m_scroll.x = std::clamp<LONG>(m_scroll.x, 0, std::max(0, si.nMax - areaW));
    si.nPos = m_scroll.x;
    SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    si.nMax = m_nZoom > 0 ? contentH : 0;
    si.nPage = static_cast<UINT>(std::max(0, areaH));
    m_scroll.y = std::clamp<LONG>(m_scroll.y, 0, std::max(0, si.nMax - areaH));
    si.nPos = m_scroll.y;
    SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

void PrintPreviewWnd::OnScroll(int bar, int code)
{
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(m_hWnd, bar, &si);
    int pos = si.nPos;
    const int step = 32;
    switch (code) {
    case SB_LINEUP:
        pos -= step;
        break;
    case SB_LINEDOWN:
        pos += step;
        break;
    case SB_PAGEUP:
        pos -= static_cast<int>(si.nPage);
        break;
    case SB_PAGEDOWN:
        pos += static_cast<int>(si.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = si.nTrackPos;
        break;
    default:
        return;
    }
    (bar == SB_HORZ ? m_scroll.x : m_scroll.y) = std::max(0, pos);
    Layout();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void PrintPreviewWnd::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    const std::vector<RECT> rects = PageRects();
    const RECT& area = m_info.m_rectDraw;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const UINT page = m_nPage + static_cast<UINT>(i);
        if (page > m_info.m_nMaxPage)
            break;
        const RECT& r = rects[i];
        RECT shadow{r.left + 3, r.top + 3, r.right + 3, r.bottom + 3};
        FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, std::max(1L, area.right - area.left),
                       std::max(1L, area.bottom - area.top), nullptr);
        SetViewportExtEx(dc, Width(r), Height(r), nullptr);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        m_info.m_nCurPage = page;
        m_pClient->OnPrint(dc, m_info);
        RestoreDC(dc, saved);
    }
    EndPaint(m_hWnd, &ps);
}

LRESULT PrintPreviewWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_COMMAND:
        if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
            OnCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_SIZE:
        if (m_pClient && !m_buttons.empty())
            Layout();
        break;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(m_hWnd);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS;
    default:
        break;
    }
    return Window::WindowProc(msg, wParam, lParam);
}

} // namespace fw
