#include "framework/mdi_frame.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/mdi_child.h"
#include "framework/res/fw_resource.h"

namespace fw {

HMENU FindWindowMenu(HMENU menu)
{
    if (!menu)
        return nullptr;
    // The Window menu is usually near the end: search from there.
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        HMENU popup = GetSubMenu(menu, i);
        if (!popup)
            continue;
        for (int j = 0; j < GetMenuItemCount(popup); ++j) {
            UINT id = GetMenuItemID(popup, j);
            if (id >= ID_WINDOW_NEW && id <= ID_WINDOW_TILE_VERT)
                return popup;
        }
    }
    return nullptr;
}

MDIFrameWnd::MDIFrameWnd() = default;

MDIFrameWnd::~MDIFrameWnd()
{
    // Children whose windows are gone already left; any others go now.
    m_children.clear();
}

bool MDIFrameWnd::LoadFrame(UINT idResource, DWORD style, FrameWnd* parent, CreateContext* context)
{
    return FrameWnd::LoadFrame(idResource, style | WS_CLIPCHILDREN, parent, context);
}

bool MDIFrameWnd::OnCreate(CREATESTRUCTA& cs)
{
    m_hMenuShown = m_hMenuDefault;
    CLIENTCREATESTRUCT client{FindWindowMenu(m_hMenuDefault), FW_IDM_FIRST_MDICHILD};
    m_hWndMDIClient = CreateWindowExA(
        WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
        WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FW_IDW_PANE_FIRST)),
        GetModuleHandleA(nullptr), &client);
    if (!m_hWndMDIClient)
        return false;
    return FrameWnd::OnCreate(cs);
}

void MDIFrameWnd::OnDestroy()
{
    // The children go first, while the MDI client still knows them: once the
    // client has had its WM_DESTROY the platform has freed its child list and
    // title, and an MDI call from a dying child (a title or menu update) would
    // free them again and corrupt the process heap.
    if (m_hWndMDIClient) {
        std::vector<HWND> children;
        for (MDIChildWnd* child : GetChildFrames())
            children.push_back(child->GetHwnd());
        for (HWND child : children)
            if (IsWindow(child))
                SendMessageA(m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    }
    // The window destroys the menu it shows: let that be its own, so each
    // template's menu is destroyed once, by its template.
    if (m_hMenuShown != m_hMenuDefault && m_hMenuDefault)
        SetMenu(m_hWnd, m_hMenuDefault);
    m_hMenuShown = m_hMenuDefault;
    FrameWnd::OnDestroy();
    // Nothing reaches the client from here on (see above).
    m_hWndMDIClient = nullptr;
}

LRESULT MDIFrameWnd::DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, msg, wParam, lParam);
}

void MDIFrameWnd::RepositionClient(const RECT& area)
{
    if (m_hWndMDIClient)
        SetWindowPos(m_hWndMDIClient, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

MDIChildWnd* MDIFrameWnd::MDIGetActive(bool* maximized) const
{
    BOOL isMaximized = FALSE;
    HWND active = m_hWndMDIClient
                      ? reinterpret_cast<HWND>(SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                            reinterpret_cast<LPARAM>(&isMaximized)))
                      : nullptr;
    if (maximized)
        *maximized = active && isMaximized;
    return dynamic_cast<MDIChildWnd*>(FromHandle(active));
}

void MDIFrameWnd::MDIActivate(HWND child)
{
    SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
}

void MDIFrameWnd::MDINext(bool previous)
{
    SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, previous ? 1 : 0);
}

std::vector<MDIChildWnd*> MDIFrameWnd::GetChildFrames() const
{
    std::vector<MDIChildWnd*> list;
    for (const auto& child : m_children)
        if (child->GetHwnd())
            list.push_back(child.get());
    return list;
}

MDIChildWnd* MDIFrameWnd::AdoptChild(std::unique_ptr<MDIChildWnd> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

void MDIFrameWnd::ReleaseChild(MDIChildWnd* child)
{
    auto it = std::find_if(m_children.begin(), m_children.end(),
                           [&](const auto& c) { return c.get() == child; });
    if (it == m_children.end())
        return;
    std::unique_ptr<MDIChildWnd> gone = std::move(*it);
    m_children.erase(it);
}

FrameWnd* MDIFrameWnd::GetActiveFrame()
{
    if (MDIChildWnd* child = MDIGetActive())
        return child;
    return this;
}

View* MDIFrameWnd::GetActiveView() const
{
    MDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveView() : nullptr;
}

Document* MDIFrameWnd::GetActiveDocument() const
{
    MDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}

void MDIFrameWnd::OnUpdateFrameTitle(bool addToTitle)
{
    bool maximized = false;
    MDIChildWnd* child = MDIGetActive(&maximized);
    // A maximised child's title is shown by the MDI client itself.
    Document* doc = child && !maximized ? child->GetActiveDocument() : nullptr;
    if (addToTitle && doc) {
        std::string title = m_strTitle + " - " + doc->GetTitle();
        if (child->m_nWindow > 0)
            title += ":" + std::to_string(child->m_nWindow);
        SetWindowTextIfChanged(title);
    } else {
        SetWindowTextIfChanged(m_strTitle);
    }
}

void MDIFrameWnd::OnIdleUpdateCmdUI()
{
    if (MDIChildWnd* child = MDIGetActive())
        child->OnIdleUpdateCmdUI();
    FrameWnd::OnIdleUpdateCmdUI();
}

bool MDIFrameWnd::OnCmdMsg(UINT id, CmdCode code, CmdUI* ui)
{
    // The active child's route goes on to this frame and the application.
    if (MDIChildWnd* child = MDIGetActive())
        return child->OnCmdMsg(id, code, ui);
    return RouteBehindChildren(id, code, ui);
}

bool MDIFrameWnd::RouteBehindChildren(UINT id, CmdCode code, CmdUI* ui)
{
    if (HandleCommand(id, code, ui))
        return true;
    Application* app = Application::Current();
    return app && app->OnCmdMsg(id, code, ui);
}

bool MDIFrameWnd::PreTranslateMessage(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    if (m_hWndMDIClient && TranslateMDISysAccel(m_hWndMDIClient, &msg))
        return true;
    // The active document's keys, then the frame's; both in the main
    // frame's context, where the menus are.
    MDIChildWnd* child = MDIGetActive();
    if (child && child->GetSharedAccelerators() &&
        TranslateAcceleratorA(m_hWnd, child->GetSharedAccelerators(), &msg))
        return true;
    HACCEL accel = GetDefaultAccelerator();
    return accel && TranslateAcceleratorA(m_hWnd, accel, &msg);
}

void MDIFrameWnd::UpdateFrameMenu(MDIChildWnd* child)
{
    HMENU menu = child && child->GetSharedMenu() ? child->GetSharedMenu() : m_hMenuDefault;
    if (!menu || !m_hWndMDIClient || menu == m_hMenuShown)
        return;
    SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(FindWindowMenu(menu)));
    m_hMenuShown = menu;
    DrawMenuBar(m_hWnd);
}

// ---- Window commands ------------------------------------------------------

bool MDIFrameWnd::HandleCommand(UINT id, CmdCode code, CmdUI* ui)
{
    static const CommandMap<MDIFrameWnd> map{
        {ID_WINDOW_NEW, &MDIFrameWnd::OnWindowNew},
        {ID_WINDOW_CASCADE, &MDIFrameWnd::OnWindowCascade},
        {ID_WINDOW_TILE_HORZ, &MDIFrameWnd::OnWindowTileHorz},
        {ID_WINDOW_TILE_VERT, &MDIFrameWnd::OnWindowTileVert},
        {ID_WINDOW_ARRANGE, &MDIFrameWnd::OnWindowArrange},
        {ID_WINDOW_NEW, ID_WINDOW_TILE_VERT, &MDIFrameWnd::OnUpdateMDIWindowCmd},
    };
    return map.Dispatch(*this, id, code, ui) || FrameWnd::HandleCommand(id, code, ui);
}

void MDIFrameWnd::OnUpdateMDIWindowCmd(CmdUI& ui)
{
    ui.Enable(MDIGetActive() != nullptr);
}

void MDIFrameWnd::OnWindowNew()
{
    MDIChildWnd* active = MDIGetActive();
    Document* doc = active ? active->GetActiveDocument() : nullptr;
    DocTemplate* docTemplate = doc ? doc->GetDocTemplate() : nullptr;
    if (!docTemplate)
        return;
    if (FrameWnd* frame = docTemplate->CreateNewFrame(*doc, active))
        docTemplate->InitialUpdateFrame(*frame, doc, true);
}

void MDIFrameWnd::OnWindowCascade()
{
    SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void MDIFrameWnd::OnWindowTileHorz()
{
    SendMessageA(m_hWndMDIClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
}

void MDIFrameWnd::OnWindowTileVert()
{
    SendMessageA(m_hWndMDIClient, WM_MDITILE, MDITILE_VERTICAL, 0);
}

void MDIFrameWnd::OnWindowArrange()
{
    SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

LRESULT MDIFrameWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return FrameWnd::WindowProc(msg, wParam, lParam);
}

} // namespace fw
