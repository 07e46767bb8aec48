#include "editor/app/tab_bar.h"

#include <algorithm>
#include <vector>

#include "editor/app/file_list.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"
#include "editor/res/resource.h"

namespace {

constexpr COLORREF kTabFace = RGB(192, 192, 192);
constexpr COLORREF kTabShadow = RGB(128, 128, 128);
constexpr COLORREF kTabHighlight = RGB(255, 255, 255);
constexpr int kCorner = 3;      // the cut lower left corner
constexpr int kBehindDrop = 6;  // how far a neighbour's edge starts below the top
constexpr int kTextTop = 4;
constexpr int kTabPadding = 8;  // room for the slanted edge on either side of the text

constexpr UINT kButtonIcons[4] = {IDI_TAB_FIRST, IDI_TAB_PREVIOUS, IDI_TAB_NEXT, IDI_TAB_LAST};

HFONT TabFont()
{
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace

std::string DocumentTabText(const fw::Document& document)
{
    return document.GetPathName().empty() ? document.GetTitle()
                                          : TabTextOfPath(document.GetPathName());
}

CTabBar::CTabBar() : fw::DialogBar(IDD_TAB_BAR) {}

CTabBar::~CTabBar() = default;

bool CTabBar::Create()
{
    if (m_hWnd)
        return true;
    fw::Application* app = fw::Application::Current();
    fw::FrameWnd* frame = app ? app->GetMainFrame() : nullptr;
    return frame && fw::DialogBar::Create(*frame, fw::DockEdge::Bottom, IDW_TAB_BAR);
}

HWND CTabBar::GetTabList() const
{
    return GetItem(IDC_TAB_LIST);
}

BOOL CTabBar::OnInitDialog()
{
    for (int i = 0; i < 4; ++i)
        m_icons[i] = fw::OwnedIcon(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kButtonIcons[i]), IMAGE_ICON,
                       16, 16, 0)));
    SendMessageA(GetTabList(), WM_SETFONT, reinterpret_cast<WPARAM>(TabFont()), FALSE);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    Layout(client.right, client.bottom);
    return FALSE;
}

int CTabBar::TabCount() const
{
    return static_cast<int>(SendMessageA(GetTabList(), LB_GETCOUNT, 0, 0));
}

std::string CTabBar::TabText(int index) const
{
    const LRESULT length = SendMessageA(GetTabList(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(GetTabList(), LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

fw::Document* CTabBar::TabDocument(int index) const
{
    const LRESULT data = SendMessageA(GetTabList(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<fw::Document*>(data);
}

int CTabBar::CurrentTab() const
{
    return static_cast<int>(SendMessageA(GetTabList(), LB_GETCURSEL, 0, 0));
}

int CTabBar::FindTab(const fw::Document& document) const
{
    const int count = TabCount();
    for (int i = 0; i < count; ++i)
        if (TabDocument(i) == &document)
            return i;
    return -1;
}

void CTabBar::InsertTab(const std::string& text, fw::Document& document)
{
    HWND list = GetTabList();
    const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0)
        return;
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&document));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    UpdateColumnWidth();
}

void CTabBar::AddDocumentTab(fw::Document& document)
{
    const int current = CurrentTab();
    const bool wasCurrent = current >= 0 && TabDocument(current) == &document;
    if (const int old = FindTab(document); old >= 0)
        SendMessageA(GetTabList(), LB_DELETESTRING, static_cast<WPARAM>(old), 0);
    InsertTab(TabTextOfPath(document.GetPathName()), document);
    if (!wasCurrent && current >= 0 && m_previous)
        SelectTab(*m_previous);
}

void CTabBar::AddNamedTab(const std::string& text, fw::Document& document)
{
    if (FindTab(document) >= 0)
        return;
    InsertTab(text, document);
}

void CTabBar::RemoveTab(fw::Document& document)
{
    const int index = FindTab(document);
    if (index < 0)
        return;
    SendMessageA(GetTabList(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    if (m_previous == &document)
        m_previous = nullptr;
    if (m_previous)
        if (const int previous = FindTab(*m_previous); previous >= 0)
            SendMessageA(GetTabList(), LB_SETCURSEL, static_cast<WPARAM>(previous), 0);
    UpdateColumnWidth();
}

void CTabBar::SelectTab(fw::Document& document)
{
    const int index = FindTab(document);
    const int current = CurrentTab();
    if (index < 0 || index == current)
        return;
    if (current >= 0)
        m_previous = TabDocument(current);
    SendMessageA(GetTabList(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    InvalidateRect(GetTabList(), nullptr, TRUE);
}

void CTabBar::Synchronize()
{
    fw::Application* app = fw::Application::Current();
    if (!app || !m_hWnd)
        return;
    const std::vector<fw::Document*> documents = app->GetDocuments();
    for (int i = TabCount() - 1; i >= 0; --i) {
        fw::Document* document = TabDocument(i);
        if (std::find(documents.begin(), documents.end(), document) == documents.end())
            RemoveTab(*document);
    }
    for (fw::Document* document : documents) {
        const std::string text = DocumentTabText(*document);
        const int index = FindTab(*document);
        if (index < 0)
            AddNamedTab(text, *document);
        else if (TabText(index) != text)
            AddDocumentTab(*document); // saved under a new name
    }
    if (fw::FrameWnd* frame = app->GetMainFrame())
        if (fw::Document* active = frame->GetActiveDocument())
            SelectTab(*active);
}

void CTabBar::OnUpdateCmdUI(fw::CommandTarget& target, bool disableIfNoHandler)
{
    Synchronize();
    fw::DialogBar::OnUpdateCmdUI(target, disableIfNoHandler);
}

void CTabBar::UpdateColumnWidth()
{
    HWND list = GetTabList();
    int widest = 0;
    if (HDC dc = GetDC(list)) {
        HGDIOBJ old = SelectObject(dc, TabFont());
        const int count = TabCount();
        for (int i = 0; i < count; ++i) {
            const std::string text = TabText(i);
            SIZE size{};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max<int>(widest, size.cx);
        }
        SelectObject(dc, old);
        ReleaseDC(list, dc);
    }
    SendMessageA(list, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(widest + 2 * kTabPadding), 0);
    InvalidateRect(list, nullptr, TRUE);
}

void CTabBar::Layout(int width, int height)
{
    for (int i = 0; i < 4; ++i)
        MoveWindow(GetItem(ID_TAB_FIRST + i), i * height, 0, height, height, TRUE);
    HWND list = GetTabList();
    MoveWindow(list, 4 * height, 0, std::max(0, width - 4 * height), height, TRUE);
    // The tabs hang from the top with room below them, inside the list's
    // own client area (which a border or scroll bar may make smaller).
    RECT client{};
    GetClientRect(list, &client);
    if (client.bottom > 3)
        SendMessageA(list, LB_SETITEMHEIGHT, 0, client.bottom - 3);
}

void CTabBar::Activate(int which)
{
    const std::optional<int> target = NavigateTabIndex(CurrentTab(), TabCount(), which);
    if (target)
        ActivateDocument(TabDocument(*target));
}

void CTabBar::ActivateDocument(fw::Document* document)
{
    fw::Application* app = fw::Application::Current();
    if (!app || !document)
        return;
    // Only a document that is still open: the tab may be stale.
    const std::vector<fw::Document*> documents = app->GetDocuments();
    if (std::find(documents.begin(), documents.end(), document) == documents.end() ||
        document->GetViews().empty())
        return;
    fw::FrameWnd* child = document->GetViews().front()->GetParentFrame();
    auto* main = dynamic_cast<fw::MDIFrameWnd*>(app->GetMainFrame());
    if (!child || !main)
        return;
    main->MDIActivate(child->GetHwnd());
    if (IsIconic(child->GetHwnd()))
        SendMessageA(main->GetMDIClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->GetHwnd()),
                     0);
    SetFocus(child->GetHwnd());
}

bool CTabBar::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_TAB_LIST) {
        if (code == LBN_SELCHANGE) {
            const int index = CurrentTab();
            if (index >= 0)
                ActivateDocument(TabDocument(index));
        }
        return true;
    }
    return fw::DialogBar::OnCommand(id, code, control);
}

INT_PTR CTabBar::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE:
        Layout(LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam == IDC_TAB_LIST)
            DrawTab(item);
        else
            DrawButton(item);
        return SetMsgResult(TRUE);
    }
    default:
        break;
    }
    return fw::DialogBar::DialogProc(msg, wParam, lParam);
}

void CTabBar::DrawButton(const DRAWITEMSTRUCT& item)
{
    const int index = static_cast<int>(item.CtlID) - ID_TAB_FIRST;
    if (index < 0 || index >= 4)
        return;
    RECT r = item.rcItem;
    fw::Brush face(CreateSolidBrush(kTabFace));
    FillRect(item.hDC, &r, face.get());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int side = std::min<int>(16, std::min(r.right - r.left, r.bottom - r.top) - 4);
    if (side <= 0)
        return;
    const int shift = pressed ? 1 : 0;
    const int x = (r.left + r.right - side) / 2 + shift;
    const int y = (r.top + r.bottom - side) / 2 + shift;
    DrawIconEx(item.hDC, x, y, m_icons[index].get(), side, side, 0, nullptr, DI_NORMAL);
}

void CTabBar::DrawTab(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const int index = static_cast<int>(item.itemID);
    const bool current = (item.itemState & ODS_SELECTED) != 0;
    const int last = TabCount() - 1;
    const int top = r.top;
    const int left = r.left;
    const int right = r.right - 1;
    int bottom = r.bottom - 1;
    fw::Pen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    fw::Pen white(CreatePen(PS_SOLID, 1, kTabHighlight));
    fw::Pen grey(CreatePen(PS_SOLID, 1, kTabShadow));
    fw::Brush face(CreateSolidBrush(kTabFace));
    HGDIOBJ oldPen = SelectObject(dc, black.get());
    HGDIOBJ oldBrush = SelectObject(dc, face.get());
    if (!current) {
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
        bottom -= 1;
    }
    // A neighbour's edge starts lower when the tab beside it lies on top.
    const int topIndex = static_cast<int>(SendMessageA(GetTabList(), LB_GETTOPINDEX, 0, 0));
    const bool behindLeft = !current && index != topIndex && index - 1 != CurrentTab();
    const bool behindRight = !current && index != last;
    const int leftTop = behindLeft ? top + kBehindDrop : top;
    const int rightTop = behindRight ? top + kBehindDrop : top;
    const POINT shape[] = {{left, top},
                           {right + 1, top},
                           {right + 1, bottom + 1},
                           {left + kCorner, bottom + 1},
                           {left, bottom + 1 - kCorner}};
    SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, shape, 5);
    SelectObject(dc, black.get());
    Line(dc, left, leftTop, left, bottom - kCorner);
    Line(dc, left, bottom - kCorner, left + kCorner, bottom);
    Line(dc, left + kCorner, bottom, right, bottom);
    Line(dc, right, bottom, right, rightTop - 1);
    if (current) {
        SelectObject(dc, white.get());
        Line(dc, left + 1, top, left + 1, bottom - kCorner);
        SelectObject(dc, grey.get());
        Line(dc, left + kCorner, bottom - 1, right - 1, bottom - 1);
        Line(dc, right - 1, bottom - 1, right - 1, top - 1);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    const std::string text = TabText(index);
    HGDIOBJ oldFont = SelectObject(dc, TabFont());
    SetBkColor(dc, kTabFace);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    RECT clip{left + 1, top, right, bottom};
    ExtTextOutA(dc, (left + right) / 2, top + kTextTop, ETO_CLIPPED, &clip, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SelectObject(dc, oldFont);
}
