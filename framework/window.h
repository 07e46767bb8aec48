// fw::Window: a C++ object owning one HWND.  One static trampoline per class
// finds the object (stored at WM_NCCREATE) and forwards to WindowProc.
#pragma once
#include <windows.h>

namespace fw {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND GetHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Registers (once) a window class served by the trampoline.
    static bool RegisterClass(const char* className, UINT style = CS_DBLCLKS,
                              HICON icon = nullptr, HBRUSH background = nullptr,
                              HCURSOR cursor = nullptr);

    // Creates the window of a class registered above; false when the platform
    // refuses (for example when there is no display).
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                  int x, int y, int cx, int cy, HWND parent, HMENU menu);
    void Destroy();

    // The object behind an HWND created by this layer, or null.
    static Window* FromHandle(HWND hWnd);

    // Sub-classes an existing window (a control) so that its messages reach
    // WindowProc; DefaultProc then calls the original procedure.
    bool Attach(HWND hWnd);

    // The message loop offers each input message to the windows from its
    // target up to the top level before translating it: true when taken
    // (an accelerator, dialog navigation).
    virtual bool PreTranslateMessage(MSG& msg);

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(m_hWnd, msg, wParam, lParam);
    }

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY: the HWND is gone.
    virtual void OnFinalRelease() {}

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticWindowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK StaticSubclassProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_prevProc = nullptr;
};

}  // namespace fw
