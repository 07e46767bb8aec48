#include "framework/mdi_child.h"

#include "framework/application.h"
#include "framework/doc_template.h"
#include "framework/document.h"
#include "framework/mdi_frame.h"
#include "framework/view.h"

namespace fw {

MDIChildWnd::MDIChildWnd() = default;

MDIChildWnd::~MDIChildWnd() = default;

std::string MDIChildWnd::RegisterFrameClass(UINT idResource)
{
    std::string name = "fw.MDIChild." + std::to_string(idResource);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(idResource));
    RegisterClass(name.c_str(), CS_DBLCLKS, icon, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return name;
}

bool MDIChildWnd::LoadFrame(UINT idResource, DWORD style, FrameWnd* parent, CreateContext* context)
{
    m_pMDIFrame = dynamic_cast<MDIFrameWnd*>(parent);
    if (!m_pMDIFrame || !m_pMDIFrame->GetMDIClient())
        return false;
    m_nIDResource = idResource;
    m_pDocTemplate = context ? context->docTemplate : nullptr;
    if (m_pDocTemplate) {
        m_hMenuShared = m_pDocTemplate->GetMenu();
        m_hAccelShared = m_pDocTemplate->GetAccelerators();
    }
    std::string className = RegisterFrameClass(idResource);
    // A new child joins a maximised one maximised.
    bool maximized = false;
    m_pMDIFrame->MDIGetActive(&maximized);
    if (maximized)
        style |= WS_MAXIMIZE;
    m_pCreateContext = context;
    // The MDI frame owns this object: a failed creation must not free it
    // under the caller's feet.
    m_bCreating = true;
    bool created = CreateEx(WS_EX_MDICHILD, className.c_str(), "",
                            (style | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS) & ~WS_VISIBLE,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            m_pMDIFrame->GetMDIClient(), nullptr);
    m_bCreating = false;
    m_pCreateContext = nullptr;
    return created && m_hWnd;
}

void MDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        bool maximized = false;
        m_pMDIFrame->MDIGetActive(&maximized);
        DWORD style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
        if ((style & WS_VISIBLE) && (style & WS_MINIMIZE))
            nCmdShow = SW_RESTORE; // an open document asked for again
        else if (maximized || (style & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (style & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
        else
            nCmdShow = SW_SHOWNORMAL;
    }
    ShowWindow(m_hWnd, nCmdShow);
    bool activates = nCmdShow != SW_SHOWMINNOACTIVE && nCmdShow != SW_SHOWNOACTIVATE &&
                     nCmdShow != SW_SHOWNA && nCmdShow != SW_HIDE;
    if (activates)
        m_pMDIFrame->MDIActivate(m_hWnd);
    SendMessageA(m_pMDIFrame->GetMDIClient(), WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(m_pMDIFrame->GetHwnd());
    OnUpdateFrameTitle(true);
}

void MDIChildWnd::DestroyFrame()
{
    if (!m_hWnd)
        return;
    if (m_pMDIFrame && m_pMDIFrame->GetMDIClient())
        SendMessageA(m_pMDIFrame->GetMDIClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd),
                     0);
    else
        Destroy();
}

void MDIChildWnd::OnUpdateFrameTitle(bool addToTitle)
{
    Document* doc = GetActiveDocument();
    std::string title = doc && addToTitle ? doc->GetTitle() : m_strTitle;
    if (m_nWindow > 0)
        title += ":" + std::to_string(m_nWindow);
    SetWindowTextIfChanged(title);
    if (m_pMDIFrame && m_pMDIFrame->MDIGetActive() == this)
        m_pMDIFrame->OnUpdateFrameTitle(true);
}

bool MDIChildWnd::OnCmdMsg(UINT id, CmdCode code, CmdUI* ui)
{
    if (RouteToViewAndSelf(id, code, ui))
        return true;
    if (m_pMDIFrame)
        return m_pMDIFrame->RouteBehindChildren(id, code, ui);
    Application* app = Application::Current();
    return app && app->OnCmdMsg(id, code, ui);
}

bool MDIChildWnd::PreTranslateMessage(MSG&)
{
    // A child's keys are translated by the MDI frame, where the menus are.
    return false;
}

void MDIChildWnd::OnClose()
{
    Document* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(*this))
        return;
    if (doc && doc->GetFrames().size() == 1) {
        doc->OnCloseDocument(); // takes this frame along
        return;
    }
    DestroyFrame();
}

void MDIChildWnd::OnMDIActivate(bool activate, HWND activated, HWND)
{
    View* view = GetActiveView();
    if (activate) {
        m_pMDIFrame->UpdateFrameMenu(this);
        if (view)
            view->OnActivateView(true, view, view);
    } else {
        if (view)
            view->OnActivateView(false, view, view);
        if (!activated)
            m_pMDIFrame->UpdateFrameMenu(nullptr);
    }
    m_pMDIFrame->OnUpdateFrameTitle(true);
}

void MDIChildWnd::OnFinalRelease()
{
    if (!m_bCreating && m_pMDIFrame)
        m_pMDIFrame->ReleaseChild(this); // deletes this object
}

LRESULT MDIChildWnd::DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT MDIChildWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MDIACTIVATE:
        OnMDIActivate(reinterpret_cast<HWND>(lParam) == m_hWnd, reinterpret_cast<HWND>(lParam),
                      reinterpret_cast<HWND>(wParam));
        break;
    case WM_SIZE:
        // The MDI client keeps its maximised state from here.
        DefFrameProc(msg, wParam, lParam);
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        DefFrameProc(msg, wParam, lParam);
        if (View* view = GetActiveView())
            SetFocus(view->GetHwnd());
        return 0;
    default:
        break;
    }
    return FrameWnd::WindowProc(msg, wParam, lParam);
}

} // namespace fw
