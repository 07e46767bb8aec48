// funclist.dll: an outliner library for C and C++ files.  Its outline
// function (ordinal 2) opens a window listing the functions of the file
// with their lines; choosing one (double click or Enter) sends the editor
// view message 1123 with that line.  One window per view: asking again
// refreshes it.
#include <windows.h>

#include <string>
#include <vector>

#include "outliners/c_functions.h"

namespace {

constexpr char kClassName[] = "TvFunctionOutline";
constexpr char kViewProperty[] = "TvFunctionOutline";
// The editor view's message: go to the one-based line in wParam.
constexpr UINT kGotoLineMessage = WM_USER + 99;
constexpr int kListId = 100;

HINSTANCE g_instance = nullptr;
bool g_registered = false;

HWND ListOf(HWND window) { return GetDlgItem(window, kListId); }
HWND ViewOf(HWND window) { return reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void Choose(HWND window)
{
    HWND list = ListOf(window);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    HWND view = ViewOf(window);
    if (index == LB_ERR || !IsWindow(view))
        return;
    const LRESULT line = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    SendMessageA(view, kGotoLineMessage, static_cast<WPARAM>(line), 0);
}

void Fill(HWND window, const std::vector<FunctionEntry>& functions)
{
    HWND list = ListOf(window);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const FunctionEntry& function : functions) {
        const std::string item = function.name + "  (" + std::to_string(function.line) + ")";
        const LRESULT index =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        if (index >= 0)
            SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), function.line);
    }
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

LRESULT CALLBACK OutlineProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY |
                                        LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                                    0, 0, 0, 0, window, reinterpret_cast<HMENU>(kListId),
                                    g_instance, nullptr);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
        return list ? 0 : -1;
    }
    case WM_SIZE:
        MoveWindow(ListOf(window), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(ListOf(window));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK)
            Choose(window);
        return 0;
    case WM_VKEYTOITEM:
        if (LOWORD(wParam) == VK_RETURN) {
            Choose(window);
            return -2;
        }
        if (LOWORD(wParam) == VK_ESCAPE) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            return -2;
        }
        return -1;
    case WM_DESTROY:
        if (HWND view = ViewOf(window); IsWindow(view) && GetPropA(view, kViewProperty) == window)
            RemovePropA(view, kViewProperty);
        return 0;
    default:
        return DefWindowProcA(window, msg, wParam, lParam);
    }
}

bool Register()
{
    if (g_registered)
        return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = OutlineProc;
    wc.hInstance = g_instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    g_registered = RegisterClassA(&wc) != 0;
    return g_registered;
}

std::string FileName(const char* path)
{
    std::string name = path && *path ? path : "Untitled";
    const std::size_t slash = name.find_last_of("\\/");
    return slash == std::string::npos ? name : name.substr(slash + 1);
}

HWND CreateOutline(HWND view, const char* path)
{
    HWND owner = GetAncestor(view, GA_ROOT);
    RECT frame{};
    GetWindowRect(owner ? owner : view, &frame);
    const int width = 260;
    const int height = 360;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, ("Outline - " + FileName(path)).c_str(),
                                  WS_OVERLAPPEDWINDOW, frame.right - width - 24, frame.top + 60,
                                  width, height, owner, nullptr, g_instance, nullptr);
    if (!window)
        return nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    SetPropA(view, kViewProperty, window);
    return window;
}

} // namespace

extern "C" HWND WINAPI FunctionOutline(HWND view, const char* path, HGLOBAL text, DWORD length)
{
    if (!IsWindow(view) || !Register())
        return nullptr;
    std::string source;
    if (text && length) {
        const SIZE_T size = GlobalSize(text);
        if (const char* bytes = static_cast<const char*>(GlobalLock(text))) {
            source.assign(bytes, std::min<SIZE_T>(length, size));
            GlobalUnlock(text);
        }
    }
    HWND window = static_cast<HWND>(GetPropA(view, kViewProperty));
    if (!window || !IsWindow(window))
        window = CreateOutline(view, path);
    if (!window)
        return nullptr;
    Fill(window, FindFunctions(source));
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(ListOf(window));
    return window;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && g_registered) {
        UnregisterClassA(kClassName, g_instance);
    }
    return TRUE;
}
