#include "framework/window.h"

#include <cstdio>
#include <exception>

#include "framework/callback_failure.h"

namespace fw {

namespace {
const char kObjectProp[] = "fw.Window";
}

Window::~Window()
{
    Destroy();
}

bool Window::RegisterClass(const char* className, UINT style, HICON icon, HBRUSH background,
                           HCURSOR cursor)
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(inst, className, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hCursor = cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExA(&wc) != 0;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                      int y, int cx, int cy, HWND parent, HMENU menu)
{
    HWND h = CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menu,
                             GetModuleHandleA(nullptr), this);
    return h != nullptr;
}

void Window::Destroy()
{
    // The object may be released at WM_NCDESTROY (an MDI child frame owned
    // by its main frame): nothing of it is touched after DestroyWindow, and
    // Dispatch clears m_hWnd on the way.
    HWND hWnd = m_hWnd;
    if (hWnd && IsWindow(hWnd) && FromHandle(hWnd) == this) {
        DestroyWindow(hWnd);
        return;
    }
    if (hWnd && IsWindow(hWnd))
        DestroyWindow(hWnd);
    m_hWnd = nullptr;
}

Window* Window::FromHandle(HWND hWnd)
{
    return hWnd ? static_cast<Window*>(GetPropA(hWnd, kObjectProp)) : nullptr;
}

bool Window::Attach(HWND hWnd)
{
    if (!hWnd || FromHandle(hWnd))
        return false;
    m_hWnd = hWnd;
    SetPropA(hWnd, kObjectProp, this);
    m_prevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticSubclassProc)));
    return true;
}

bool Window::PreTranslateMessage(MSG&)
{
    return false;
}

LRESULT Window::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_prevProc)
        return CallWindowProcA(m_prevProc, m_hWnd, msg, wParam, lParam);
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // No exception may cross the platform's callback.
    try {
        LRESULT result = WindowProc(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            RemovePropA(m_hWnd, kObjectProp);
            if (m_prevProc)
                SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_prevProc));
            m_hWnd = nullptr;
            m_prevProc = nullptr;
            OnFinalRelease();
        }
        return result;
    } catch (...) {
        ReportCallbackFailure("window procedure");
    }
    return 0;
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(hWnd);
    if (!self && msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        // An MDI child gets its creation parameter wrapped by the MDI client.
        void* param = cs->lpCreateParams;
        if ((cs->dwExStyle & WS_EX_MDICHILD) && param)
            param = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTA*>(param)->lParam);
        self = static_cast<Window*>(param);
        if (self) {
            self->m_hWnd = hWnd;
            SetPropA(hWnd, kObjectProp, self);
        }
    }
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticSubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(hWnd);
    if (!self)
        return DefWindowProcA(hWnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

} // namespace fw
