#include "framework/frame_wnd.h"

#include <shellapi.h>

#include <algorithm>

#include "framework/application.h"
#include "framework/document.h"
#include "framework/res/fw_resource.h"
#include "framework/status_bar.h"
#include "framework/strings.h"
#include "framework/view.h"

namespace fw {

namespace {

// A menu item as update handlers see it.
class MenuCmdUI : public CmdUI {
public:
    explicit MenuCmdUI(HMENU menu) : CmdUI(0) { m_pMenu = menu; }

    void Enable(bool on) override
    {
        CmdUI::Enable(on);
        EnableMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int check) override
    {
        CheckMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    }
    void SetRadio(bool on) override
    {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (!GetMenuItemInfoA(m_pMenu, m_nIndex, TRUE, &info))
            return;
        info.fType |= MFT_RADIOCHECK;
        info.fState = on ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        SetMenuItemInfoA(m_pMenu, m_nIndex, TRUE, &info);
    }
    void SetText(std::string_view text) override
    {
        std::string copy(text);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = copy.data();
        SetMenuItemInfoA(m_pMenu, m_nIndex, TRUE, &info);
    }
};

bool IsKeyMessage(UINT msg)
{
    return msg >= WM_KEYFIRST && msg <= WM_KEYLAST;
}

} // namespace

FrameWnd* GetParentFrame(HWND hWnd)
{
    for (HWND h = hWnd; h; h = GetParent(h)) {
        if (auto* frame = dynamic_cast<FrameWnd*>(Window::FromHandle(h)))
            return frame;
        if (!(GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
            break;
    }
    return nullptr;
}

FrameWnd::FrameWnd() = default;

FrameWnd::~FrameWnd()
{
    for (ControlBar* bar : m_bars)
        bar->m_frame = nullptr;
}

// ---- Creation -------------------------------------------------------------

std::string FrameWnd::RegisterFrameClass(UINT idResource)
{
    // One class per resource id: each carries its own icon.
    std::string name = "fw.Frame." + std::to_string(idResource);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(idResource));
    RegisterClass(name.c_str(), CS_DBLCLKS, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return name;
}

bool FrameWnd::LoadFrame(UINT idResource, DWORD style, FrameWnd* parent, CreateContext* context)
{
    m_nIDResource = idResource;
    HINSTANCE inst = GetModuleHandleA(nullptr);
    if (m_strTitle.empty())
        m_strTitle = TextPart(LoadResString(idResource), 0);
    if (m_strTitle.empty())
        if (Application* app = Application::Current())
            m_strTitle = app->GetAppTitle();
    std::string className = RegisterFrameClass(idResource);
    HMENU menu = nullptr;
    if (!(style & WS_CHILD) &&
        FindResourceA(inst, MAKEINTRESOURCEA(idResource), MAKEINTRESOURCEA(4) /* RT_MENU */))
        menu = LoadMenuA(inst, MAKEINTRESOURCEA(idResource));
    // Tables loaded from resources belong to the module, never destroyed.
    if (FindResourceA(inst, MAKEINTRESOURCEA(idResource), MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */))
        m_accel = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(idResource));
    m_hMenuDefault = menu;
    m_pCreateContext = context;
    bool created =
        CreateEx(0, className.c_str(), m_strTitle.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->GetHwnd() : nullptr, menu);
    m_pCreateContext = nullptr;
    if (!created && menu && IsMenu(menu))
        DestroyMenu(menu);
    return created && m_hWnd;
}

bool FrameWnd::OnCreate(CREATESTRUCTA& cs)
{
    if (m_pCreateContext)
        return OnCreateClient(cs, m_pCreateContext);
    return true;
}

bool FrameWnd::OnCreateClient(CREATESTRUCTA&, CreateContext* context)
{
    if (!context || !context->docTemplate)
        return true;
    m_ownedView = context->docTemplate->CreateView();
    if (!m_ownedView)
        return false;
    return m_ownedView->Create(m_hWnd, FW_IDW_PANE_FIRST, context);
}

// ---- Views and titles -----------------------------------------------------

void FrameWnd::SetActiveView(View* view, bool notify)
{
    View* old = m_pActiveView;
    if (view == old)
        return;
    m_pActiveView = view;
    if (!notify)
        return;
    if (old)
        old->OnActivateView(false, view, old);
    if (view)
        view->OnActivateView(true, view, old);
}

Document* FrameWnd::GetActiveDocument() const
{
    View* view = GetActiveView();
    if (!view) {
        // Between a pane's end and the next focus: any view of the frame.
        std::vector<View*> views = GetViews();
        view = views.empty() ? nullptr : views.front();
    }
    return view ? view->GetDocument() : nullptr;
}

namespace {
BOOL CALLBACK CollectView(HWND hWnd, LPARAM lParam)
{
    if (auto* view = dynamic_cast<View*>(Window::FromHandle(hWnd)))
        reinterpret_cast<std::vector<View*>*>(lParam)->push_back(view);
    return TRUE;
}
} // namespace

std::vector<View*> FrameWnd::GetViews() const
{
    std::vector<View*> views;
    if (m_hWnd)
        EnumChildWindows(m_hWnd, CollectView, reinterpret_cast<LPARAM>(&views));
    // Views of a frame inside this one (an MDI child's) are not ours.
    views.erase(std::remove_if(views.begin(), views.end(),
                               [this](View* v) { return v->GetParentFrame() != this; }),
                views.end());
    return views;
}

void FrameWnd::OnViewDestroyed(View* view)
{
    if (m_pActiveView == view)
        m_pActiveView = nullptr;
}

void FrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        if (!IsWindowVisible(m_hWnd))
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic(m_hWnd))
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow != -1)
        ShowWindow(m_hWnd, nCmdShow);
    BringWindowToTop(m_hWnd);
}

void FrameWnd::InitialUpdateFrame(Document* document, bool makeVisible)
{
    std::vector<View*> views = GetViews();
    View* first = nullptr;
    if (!GetActiveView() && !views.empty()) {
        first = views.front();
        for (View* v : views)
            if (GetDlgCtrlID(v->GetHwnd()) == FW_IDW_PANE_FIRST)
                first = v;
        SetActiveView(first, false);
    }
    if (makeVisible) {
        for (View* view : views)
            view->OnInitialUpdate();
        int nCmdShow = -1;
        Application* app = Application::Current();
        if (app && app->GetMainFrame() == this) {
            nCmdShow = app->m_nCmdShow;
            app->m_nCmdShow = -1; // only the first show takes the program's state
        }
        ActivateFrame(nCmdShow);
        if (first)
            first->OnActivateView(true, first, first);
    }
    if (document)
        document->UpdateFrameCounts();
    OnUpdateFrameTitle(true);
}

void FrameWnd::OnUpdateFrameTitle(bool addToTitle)
{
    Document* doc = GetActiveDocument();
    if (addToTitle && doc)
        SetWindowTextIfChanged(m_strTitle + " - " + doc->GetTitle());
    else
        SetWindowTextIfChanged(m_strTitle);
}

void FrameWnd::SetWindowTextIfChanged(const std::string& text)
{
    if (!m_hWnd)
        return;
    char current[512] = {};
    GetWindowTextA(m_hWnd, current, sizeof current);
    if (text != current)
        SetWindowTextA(m_hWnd, text.c_str());
}

void FrameWnd::DestroyFrame()
{
    Destroy();
}

// ---- Bars -----------------------------------------------------------------

void FrameWnd::AddControlBar(ControlBar* bar)
{
    if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end())
        m_bars.push_back(bar);
}

void FrameWnd::RemoveControlBar(ControlBar* bar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end());
}

ControlBar* FrameWnd::GetControlBar(UINT id) const
{
    for (ControlBar* bar : m_bars)
        if (bar->GetBarHwnd() && bar->GetBarId() == id)
            return bar;
    return nullptr;
}

StatusBar* FrameWnd::GetMessageBar() const
{
    return dynamic_cast<StatusBar*>(GetControlBar(FW_IDW_STATUS_BAR));
}

bool FrameWnd::DockControlBar(ControlBar& bar, DockEdge edge)
{
    DWORD mask = DockMask(edge);
    if (!(m_dockEdges & mask) || !(bar.m_allowedEdges & mask))
        return false;
    if (bar.m_edge != edge) {
        bar.m_edge = edge;
        bar.OnDockEdgeChanged(edge);
    }
    RecalcLayout();
    return true;
}

void FrameWnd::ShowControlBar(ControlBar* bar, bool show)
{
    if (!bar || !bar->GetBarHwnd())
        return;
    ShowWindow(bar->GetBarHwnd(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

void FrameWnd::LayoutBar(ControlBar& bar, RECT& area)
{
    DockEdge edge = bar.GetDockEdge();
    int length = IsHorizontal(edge) ? area.right - area.left : area.bottom - area.top;
    int room = IsHorizontal(edge) ? area.bottom - area.top : area.right - area.left;
    int thickness = std::clamp(bar.CalcThickness(edge, std::max(length, 0)), 0, std::max(room, 0));
    RECT r = area;
    switch (edge) {
    case DockEdge::Top:
        r.bottom = area.top += thickness;
        break;
    case DockEdge::Bottom:
        r.top = area.bottom -= thickness;
        break;
    case DockEdge::Left:
        r.right = area.left += thickness;
        break;
    case DockEdge::Right:
        r.left = area.right -= thickness;
        break;
    }
    SetWindowPos(bar.GetBarHwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrameWnd::RecalcLayout()
{
    if (!m_hWnd || IsIconic(m_hWnd))
        return;
    RECT area{};
    GetClientRect(m_hWnd, &area);
    // The outermost bars (the status bar) first, then in docking order.
    for (int pass = 0; pass < 2; ++pass)
        for (ControlBar* bar : m_bars)
            if (bar->IsOutermost() == (pass == 0) && bar->IsVisible())
                LayoutBar(*bar, area);
    m_clientArea = area;
    RepositionClient(area);
    if (HWND preview = GetDlgItem(m_hWnd, FW_IDW_PRINT_PREVIEW))
        SetWindowPos(preview, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
}

void FrameWnd::RepositionClient(const RECT& area)
{
    if (HWND client = GetDlgItem(m_hWnd, FW_IDW_PANE_FIRST))
        SetWindowPos(client, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Prompts --------------------------------------------------------------

void FrameWnd::SetPaneZero(const std::string& text)
{
    if (StatusBar* bar = GetMessageBar())
        bar->SetPaneText(0, text);
}

void FrameWnd::SetMessageText(const std::string& text)
{
    m_bIdleTextShown = false;
    SetPaneZero(text);
}

void FrameWnd::ShowIdleText()
{
    m_bIdleTextShown = true;
    SetPaneZero(GetIdleText());
}

void FrameWnd::ShowPrompt(UINT id)
{
    SetMessageText(TextPart(LoadResString(id), 0));
}

std::string FrameWnd::GetIdleText()
{
    return LoadResString(FW_IDS_IDLEMESSAGE);
}

void FrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu) {
        m_bInMenu = false; // the menu closed
        ShowIdleText();
        return;
    }
    m_bInMenu = true;
    if (flags & (MF_POPUP | MF_SEPARATOR))
        SetMessageText(std::string());
    else if (item >= 0xF000)
        ShowPrompt(FW_IDS_SCFIRST + ((item - 0xF000) >> 4));
    else if (item >= FW_IDM_FIRST_MDICHILD)
        ShowPrompt(FW_IDS_MDICHILD);
    else
        ShowPrompt(item);
}

// ---- Idle and routing ----------------------------------------------------

void FrameWnd::OnIdleUpdateCmdUI()
{
    if (!m_hWnd)
        return;
    const std::vector<ControlBar*> bars = m_bars;
    for (ControlBar* bar : bars)
        if (bar->IsVisible())
            bar->OnUpdateCmdUI(*this, true);
    // The idle text may change (a program shows its current directory).
    if (!m_bInMenu && m_bIdleTextShown && GetMessageBar())
        ShowIdleText();
    OnUpdateFrameTitle(true);
}

bool FrameWnd::RouteToViewAndSelf(UINT id, CmdCode code, CmdUI* ui)
{
    if (View* view = GetActiveView(); view && view->OnCmdMsg(id, code, ui))
        return true;
    return HandleCommand(id, code, ui);
}

bool FrameWnd::OnCmdMsg(UINT id, CmdCode code, CmdUI* ui)
{
    if (RouteToViewAndSelf(id, code, ui))
        return true;
    Application* app = Application::Current();
    return app && app->OnCmdMsg(id, code, ui);
}

bool FrameWnd::OnCommand(UINT id)
{
    return ExecuteCommand(id);
}

bool FrameWnd::HandleCommand(UINT id, CmdCode code, CmdUI* ui)
{
    static const CommandMap<FrameWnd> map{
        {ID_VIEW_TOOLBAR, &FrameWnd::OnBarCheck},
        {ID_VIEW_STATUS_BAR, &FrameWnd::OnBarCheck},
        {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &FrameWnd::OnUpdateControlBarMenu},
        {ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, &FrameWnd::OnUpdateKeyIndicator},
    };
    return map.Dispatch(*this, id, code, ui) || CommandTarget::HandleCommand(id, code, ui);
}

bool FrameWnd::OnBarCheck(UINT id)
{
    ControlBar* bar = GetControlBar(id);
    if (!bar)
        return false; // another frame on the route may have it
    ShowControlBar(bar, !bar->IsVisible());
    return true;
}

void FrameWnd::OnUpdateControlBarMenu(CmdUI& ui)
{
    ControlBar* bar = GetControlBar(ui.m_nID);
    if (!bar) {
        ui.ContinueRouting();
        return;
    }
    ui.Enable(true);
    ui.SetCheck(bar->IsVisible() ? 1 : 0);
}

void FrameWnd::OnUpdateKeyIndicator(CmdUI& ui)
{
    int key = ui.m_nID == ID_INDICATOR_CAPS  ? VK_CAPITAL
              : ui.m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                             : VK_SCROLL;
    ui.Enable((GetKeyState(key) & 1) != 0);
}

bool FrameWnd::PreTranslateMessage(MSG& msg)
{
    if (IsKeyMessage(msg.message) && m_accel)
        return TranslateAcceleratorA(m_hWnd, m_accel, &msg) != 0;
    return false;
}

// ---- Messages -------------------------------------------------------------

LRESULT FrameWnd::OnCommandMessage(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    auto control = reinterpret_cast<HWND>(lParam);
    // Menus (0), accelerators (1, no control) and clicks (0) are commands;
    // anything else a control says is a notification.
    bool isCommand = code == 0 || (code == 1 && !control);
    if (!isCommand) {
        if (OnControlNotify(id, code, control))
            return 0;
        return DefFrameProc(WM_COMMAND, wParam, lParam);
    }
    // Help mode: the command is explained, not done.
    if (Application* app = Application::Current(); app && app->IsHelpMode()) {
        app->ExitHelpMode();
        app->ShowHelp(FW_HID_BASE_COMMAND + id, HELP_CONTEXT);
        return 0;
    }
    if (RunCommand(id) != Run::NotHandled)
        return 0;
    return DefFrameProc(WM_COMMAND, wParam, lParam);
}

bool FrameWnd::OnControlNotify(UINT, UINT, HWND)
{
    return false;
}

LRESULT FrameWnd::OnNotify(NMHDR& header)
{
    return DefFrameProc(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void FrameWnd::UpdateMenuPopup(HMENU popup)
{
    MenuCmdUI ui(popup);
    ui.m_nIndexMax = static_cast<UINT>(GetMenuItemCount(popup));
    for (ui.m_nIndex = 0; ui.m_nIndex < ui.m_nIndexMax; ++ui.m_nIndex) {
        UINT id = GetMenuItemID(popup, static_cast<int>(ui.m_nIndex));
        // Separators, sub-menus and the MDI client's window list.
        if (id == 0 || id == UINT(-1) || id >= FW_IDM_FIRST_MDICHILD)
            continue;
        ui.m_nID = id;
        ui.DoUpdate(*this, true);
    }
}

void FrameWnd::OnDropFilesMessage(HDROP drop)
{
    std::vector<std::string> files;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        DragQueryFileA(drop, i, name.data(), length + 1);
        name.resize(length);
        files.push_back(name);
    }
    DragFinish(drop);
    OnDropFiles(files);
}

void FrameWnd::OnDropFiles(const std::vector<std::string>& files)
{
    SetActiveWindow(m_hWnd);
    Application* app = Application::Current();
    for (const std::string& file : files)
        if (app)
            app->OpenDocumentFile(file);
}

void FrameWnd::OnActivateApp(bool, DWORD) {}

void FrameWnd::OnClose()
{
    Application* app = Application::Current();
    if (app && app->GetMainFrame() == this) {
        if (!app->SaveAllModified())
            return;
        // Closing the documents may take this frame along (one document,
        // one frame): only a frame still there is destroyed.
        HWND self = m_hWnd;
        app->CloseAllDocuments(false);
        if (!IsWindow(self))
            return;
    }
    DestroyFrame();
}

void FrameWnd::OnDestroy()
{
    if (Application* app = Application::Current(); app && app->GetMainFrame() == this)
        app->QuitHelp();
}

void FrameWnd::OnSize(UINT type, int, int)
{
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT FrameWnd::DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}

void FrameWnd::OnFinalRelease()
{
    if (Application* app = Application::Current(); app && app->GetMainFrame() == this)
        app->OnMainFrameDestroyed(this);
}

LRESULT FrameWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        if (DefFrameProc(msg, wParam, lParam) == -1)
            return -1;
        return OnCreate(*reinterpret_cast<CREATESTRUCTA*>(lParam)) ? 0 : -1;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_COMMAND:
        return OnCommandMessage(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            UpdateMenuPopup(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_EXITMENULOOP:
        m_bInMenu = false;
        ShowIdleText();
        break;
    case WM_DROPFILES:
        OnDropFilesMessage(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ACTIVATEAPP:
        DefFrameProc(msg, wParam, lParam);
        OnActivateApp(wParam != 0, static_cast<DWORD>(lParam));
        return 0;
    case WM_SETFOCUS:
        if (View* view = m_pActiveView) {
            SetFocus(view->GetHwnd());
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (Application* app = Application::Current(); app && app->IsWaitCursor()) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        } else if (app && app->IsHelpMode()) {
            SetCursor(LoadCursor(nullptr, IDC_HELP));
            return TRUE;
        }
        break;
    case WM_QUERYENDSESSION:
        if (Application* app = Application::Current(); app && app->GetMainFrame() == this)
            return app->SaveAllModified();
        break;
    case WM_ENDSESSION:
        if (Application* app = Application::Current(); wParam && app && app->GetMainFrame() == this)
            app->CloseAllDocuments(true);
        return 0;
    default:
        break;
    }
    return DefFrameProc(msg, wParam, lParam);
}

} // namespace fw
