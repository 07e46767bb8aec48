#include "framework/dialog.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

#include "framework/callback_failure.h"
#include "framework/controls.h"
#include "framework/handles.h"
#include "framework/message_hook.h"

namespace fw {

namespace {

// The property Window::FromHandle reads: a dialog is found like any window.
const char kObjectProp[] = "fw.Window";

std::vector<HWND>& ModelessWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

struct DialogColors {
    bool set = false;
    COLORREF background = 0;
    COLORREF text = 0;
    Brush brush;
};

DialogColors& Colors()
{
    static DialogColors colors;
    return colors;
}

bool IsEditControl(HWND hWnd)
{
    char name[16] = {};
    GetClassNameA(hWnd, name, sizeof name);
    return lstrcmpiA(name, "Edit") == 0;
}

} // namespace

void CenterWindowOver(HWND window, HWND over)
{
    if (!window)
        return;
    RECT box{};
    GetWindowRect(window, &box);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromWindow(over ? over : window, MONITOR_DEFAULTTONEAREST), &info);
    const RECT work = info.rcWork;
    RECT target = work;
    if (over && IsWindowVisible(over) && !IsIconic(over))
        GetWindowRect(over, &target);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = (target.left + target.right - width) / 2;
    int y = (target.top + target.bottom - height) / 2;
    // Keep the caption reachable: inside the work area, top-left first.
    x = std::max(std::min(x, static_cast<int>(work.right) - width), static_cast<int>(work.left));
    y = std::max(std::min(y, static_cast<int>(work.bottom) - height), static_cast<int>(work.top));
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Dialog::Dialog(UINT templateId, HWND owner) : m_templateId(templateId), m_owner(owner) {}

Dialog::~Dialog()
{
    if (m_hWnd && IsWindow(m_hWnd)) {
        // The derived parts are gone: no hook may run during the destruction.
        HWND hWnd = m_hWnd;
        Unbind();
        DestroyWindow(hWnd);
    }
    m_hWnd = nullptr;
}

INT_PTR Dialog::DoModal()
{
    HWND owner = m_owner ? m_owner : GetActiveWindow();
    m_modal = true;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                     owner, StaticDialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool Dialog::Create()
{
    if (m_hWnd)
        return false;
    m_modal = false;
    HWND hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                                   m_owner, StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (!hWnd)
        return false;
    RegisterModeless(hWnd);
    return true;
}

void Dialog::EndDialog(INT_PTR result)
{
    if (!m_hWnd)
        return;
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow(m_hWnd);
}

bool Dialog::UpdateData(bool save)
{
    DataExchange dx(m_hWnd, save, [this](const ValidationError& e) { OnValidationError(e); });
    DoDataExchange(dx);
    return !dx.Failed();
}

std::string Dialog::GetItemText(int id) const
{
    return GetWindowString(GetItem(id));
}

void Dialog::SetItemText(int id, const std::string& text) const
{
    SetWindowString(GetItem(id), text);
}

void Dialog::GotoItem(int id) const
{
    HWND control = GetItem(id);
    if (!control)
        return;
    SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (IsEditControl(control))
        EditControl(control).SelectAll();
}

bool Dialog::PreTranslateModeless(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    std::vector<HWND>& windows = ModelessWindows();
    // Windows destroyed behind the layer's back (a common dialog) drop out.
    windows.erase(
        std::remove_if(windows.begin(), windows.end(), [](HWND h) { return !IsWindow(h); }),
        windows.end());
    const std::vector<HWND> snapshot = windows; // a dialog may close on this key
    for (HWND hWnd : snapshot) {
        if (msg.hwnd != hWnd && !IsChild(hWnd, msg.hwnd))
            continue;
        if (IsDialogMessageA(hWnd, &msg))
            return true;
    }
    return false;
}

void Dialog::RegisterModeless(HWND hWnd)
{
    std::vector<HWND>& windows = ModelessWindows();
    if (hWnd && std::find(windows.begin(), windows.end(), hWnd) == windows.end())
        windows.push_back(hWnd);
}

void Dialog::UnregisterModeless(HWND hWnd)
{
    std::vector<HWND>& windows = ModelessWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), hWnd), windows.end());
}

void Dialog::SetColors(COLORREF background, COLORREF text)
{
    DialogColors& colors = Colors();
    colors.brush = Brush(CreateSolidBrush(background));
    colors.background = background;
    colors.text = text;
    colors.set = static_cast<bool>(colors.brush);
}

void Dialog::ResetColors()
{
    DialogColors& colors = Colors();
    colors.set = false;
    colors.brush.reset();
}

BOOL Dialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void Dialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool Dialog::OnCommand(int, int, HWND)
{
    return false;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnValidationError(const ValidationError& error)
{
    ShowMessage(m_hWnd, error.message, MB_OK | MB_ICONEXCLAMATION);
    GotoItem(error.controlId);
}

HBRUSH Dialog::OnCtlColor(HDC dc, HWND, UINT)
{
    const DialogColors& colors = Colors();
    if (!colors.set)
        return nullptr;
    SetTextColor(dc, colors.text);
    SetBkColor(dc, colors.background);
    return static_cast<HBRUSH>(colors.brush.get());
}

INT_PTR Dialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        if (!(GetWindowLongPtrA(m_hWnd, GWL_STYLE) & WS_CHILD))
            CenterWindow();
        return OnInitDialog();
    case WM_COMMAND:
        return HandleCommand(wParam, lParam);
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // The one message family whose result is returned directly.
        return reinterpret_cast<INT_PTR>(
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), msg));
    default:
        return FALSE;
    }
}

INT_PTR Dialog::HandleCommand(WPARAM wParam, LPARAM lParam)
{
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
    }
    if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
    }
    return OnCommand(id, code, control) ? TRUE : FALSE;
}

INT_PTR Dialog::SetMsgResult(LRESULT result)
{
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void Dialog::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    SetPropA(hWnd, kObjectProp, static_cast<Window*>(this));
}

void Dialog::Unbind()
{
    if (!m_hWnd)
        return;
    RemovePropA(m_hWnd, kObjectProp);
    UnregisterModeless(m_hWnd);
    m_hWnd = nullptr;
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = FALSE;
    // No exception may cross the platform's callback.
    try {
        result = DialogProc(msg, wParam, lParam);
    } catch (...) {
        ReportCallbackFailure("dialog procedure");
    }
    if (msg == WM_NCDESTROY) {
        Unbind();
        // May end the object's life: nothing touches it afterwards.
        try {
            OnFinalRelease();
        } catch (...) {
            ReportCallbackFailure("closing a dialog");
        }
    }
    return result;
}

INT_PTR Dialog::Trampoline(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, Dialog* creating)
{
    auto* self = static_cast<Dialog*>(FromHandle(hWnd));
    if (!self && msg == WM_INITDIALOG && creating) {
        self = creating;
        self->Bind(hWnd);
    }
    if (!self)
        return FALSE;
    return self->Dispatch(msg, wParam, lParam);
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Dialog* creating = msg == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : nullptr;
    return Trampoline(hWnd, msg, wParam, lParam, creating);
}

} // namespace fw
