#include "framework/dialog_bar.h"

#include "framework/frame_wnd.h"

namespace fw {

namespace {

// A control of a dialog bar as update handlers see it.
class ControlCmdUI : public CmdUI {
public:
    ControlCmdUI(HWND control, UINT id) : CmdUI(id), m_control(control) {}

    void Enable(bool on) override
    {
        CmdUI::Enable(on);
        if ((IsWindowEnabled(m_control) != FALSE) != on)
            EnableWindow(m_control, on);
    }
    void SetCheck(int check) override
    {
        if (SendMessageA(m_control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            SendMessageA(m_control, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    }
    void SetText(std::string_view text) override
    {
        char current[256] = {};
        GetWindowTextA(m_control, current, sizeof current);
        std::string wanted(text);
        if (wanted != current)
            SetWindowTextA(m_control, wanted.c_str());
    }

private:
    HWND m_control;
};

// The bar's own table first, then the frame's route.
class BarRoute : public CommandTarget {
public:
    BarRoute(CommandTarget& bar, CommandTarget& next) : m_bar(bar), m_next(next) {}
    bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) override
    {
        return m_bar.OnCmdMsg(id, code, ui) || m_next.OnCmdMsg(id, code, ui);
    }

private:
    CommandTarget& m_bar;
    CommandTarget& m_next;
};

// Only push buttons grey themselves without a handler, as in dialogs:
// check boxes, radio buttons, edits and lists stay usable.
bool DisablesWithoutHandler(HWND control)
{
    if (!(SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE) & 0x0F;
    return style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON;
}

} // namespace

DialogBar::DialogBar(UINT templateId) : Dialog(templateId) {}

DialogBar::~DialogBar() = default;

bool DialogBar::Create(FrameWnd& frame, DockEdge edge, UINT id)
{
    SetOwner(frame.GetHwnd());
    if (!Dialog::Create())
        return false;
    SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    RECT r{};
    GetWindowRect(m_hWnd, &r);
    m_size = SIZE{r.right - r.left, r.bottom - r.top};
    EnableDocking(DockMask(edge));
    ControlBar::AttachToFrame(frame, edge);
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    frame.RecalcLayout();
    return true;
}

int DialogBar::CalcThickness(DockEdge edge, int)
{
    return IsHorizontal(edge) ? m_size.cy : m_size.cx;
}

void DialogBar::OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler)
{
    BarRoute route(*this, target);
    for (HWND control = GetWindow(m_hWnd, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        UINT id = static_cast<UINT>(GetDlgCtrlID(control));
        if (id == 0 || id == 0xFFFF)
            continue; // labels
        ControlCmdUI ui(control, id);
        ui.DoUpdate(route, disableIfNoHandler && DisablesWithoutHandler(control));
    }
}

bool DialogBar::OnCommand(int id, int code, HWND control)
{
    if (code == BN_CLICKED && ExecuteCommand(static_cast<UINT>(id)))
        return true;
    if (FrameWnd* frame = GetDockingFrame())
        SendMessageA(frame->GetHwnd(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(control));
    return true;
}

INT_PTR DialogBar::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY)
        ControlBar::DetachFromFrame();
    return Dialog::DialogProc(msg, wParam, lParam);
}

} // namespace fw
