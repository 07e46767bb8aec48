// The help commands of the application: index, using help, F1 and the
// Shift+F1 help mode, through the platform's help engine.
#include <windows.h>
#include <commctrl.h>

#include "framework/application.h"
#include "framework/frame_wnd.h"
#include "framework/res/fw_resource.h"

namespace fw {

bool Application::ShowHelp(ULONG_PTR data, UINT command)
{
    m_helpUsed = true;
    return ::WinHelpA(GetMainWnd(), m_helpFile.c_str(), command, data) != FALSE;
}

void Application::QuitHelp()
{
    if (m_helpUsed)
        ShowHelp(0, HELP_QUIT);
    m_helpUsed = false;
}

void Application::OnHelpIndex()
{
    ShowHelp(0, HELP_CONTENTS);
}

void Application::OnHelpUsing()
{
    ShowHelp(0, HELP_HELPONHELP);
}

void Application::OnHelp()
{
    ShowHelp(0, HELP_CONTENTS);
}

void Application::OnContextHelp()
{
    EnterHelpMode();
}

void Application::EnterHelpMode()
{
    m_helpMode = true;
    SetCursor(LoadCursor(nullptr, IDC_HELP));
}

void Application::ExitHelpMode()
{
    if (!m_helpMode)
        return;
    m_helpMode = false;
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

ULONG_PTR Application::HelpContextAt(HWND hWnd, POINT client)
{
    // A tool button stands for its command.
    char className[32] = {};
    GetClassNameA(hWnd, className, sizeof className);
    if (lstrcmpiA(className, TOOLBARCLASSNAMEA) == 0) {
        int index =
            static_cast<int>(SendMessageA(hWnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
        TBBUTTON button{};
        if (index >= 0 &&
            SendMessageA(hWnd, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)))
            return FW_HID_BASE_COMMAND + static_cast<UINT>(button.idCommand);
    }
    // A control of a bar or dialog: its id is its command.
    if ((GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) && !GetParentFrame(hWnd))
        return FW_HID_BASE_COMMAND + static_cast<UINT>(GetDlgCtrlID(hWnd));
    if (FrameWnd* frame = GetParentFrame(hWnd); frame && frame->GetActiveFrame())
        return FW_HID_BASE_RESOURCE + frame->GetActiveFrame()->GetResourceId();
    return FW_HID_BASE_COMMAND + static_cast<UINT>(GetDlgCtrlID(hWnd));
}

bool Application::PreTranslateHelpMode(MSG& msg)
{
    switch (msg.message) {
    case WM_LBUTTONDOWN: {
        POINT at{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
        ULONG_PTR context = HelpContextAt(msg.hwnd, at);
        ExitHelpMode();
        ShowHelp(context, HELP_CONTEXT);
        return true;
    }
    case WM_RBUTTONDOWN:
        ExitHelpMode();
        return true;
    case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
            ExitHelpMode();
            return true;
        }
        return false;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HELP));
        return true;
    default:
        return false;
    }
}

} // namespace fw
