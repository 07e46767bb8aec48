#include "framework/testing/dialog_driver.h"

#include <cstdlib>
#include <map>

#include "framework/dialog.h"

namespace fw::test {

namespace {
std::map<UINT_PTR, StepRunner*>& Runners()
{
    static std::map<UINT_PTR, StepRunner*> runners;
    return runners;
}

StepRunner* g_running = nullptr;
} // namespace

StepRunner::StepRunner(std::vector<Step> steps, Step rescue, int timeoutMs)
    : m_steps(std::move(steps)), m_rescue(std::move(rescue)),
      m_deadline(GetTickCount() + static_cast<DWORD>(timeoutMs))
{
    m_timer = SetTimer(nullptr, 0, 20, OnTimer);
    Runners()[m_timer] = this;
}

StepRunner::~StepRunner()
{
    KillTimer(nullptr, m_timer);
    Runners().erase(m_timer);
}

void StepRunner::Again()
{
    if (g_running)
        g_running->m_again = true;
}

void CALLBACK StepRunner::OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Runners().find(id);
    if (it != Runners().end())
        it->second->Tick();
}

void StepRunner::Tick()
{
    // A step that pumps the queue itself (a pause) must not run the next.
    if (g_running)
        return;
    if (m_next < m_steps.size() && static_cast<LONG>(GetTickCount() - m_deadline) < 0) {
        Step step = m_steps[m_next++];
        g_running = this;
        m_again = false;
        step();
        g_running = nullptr;
        if (m_again)
            --m_next;
        return;
    }
    if (!m_timedOut && static_cast<LONG>(GetTickCount() - m_deadline) >= 0) {
        m_timedOut = true;
        if (m_rescue)
            m_rescue();
    }
}

namespace {
const char kOwnerClass[] = "fwTestOwner";
}

OwnerWindow::OwnerWindow()
{
    RegisterClass(kOwnerClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    CreateEx(0, kOwnerClass, "Test owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 700, 520,
             nullptr, nullptr);
    if (m_hWnd)
        SetForegroundWindow(m_hWnd);
}

OwnerWindow& SharedOwner()
{
    static OwnerWindow owner;
    return owner;
}

LRESULT OwnerWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (onMessage && onMessage(msg, wParam, lParam))
        return 0;
    return Window::WindowProc(msg, wParam, lParam);
}

namespace {
struct FindData {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindDialogProc(HWND hWnd, LPARAM lParam)
{
    auto* data = reinterpret_cast<FindData*>(lParam);
    char name[16] = {};
    GetClassNameA(hWnd, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(hWnd) &&
        (!data->owner || GetWindow(hWnd, GW_OWNER) == data->owner)) {
        data->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND FindOwnedDialog(HWND owner)
{
    FindData data{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindDialogProc, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

void TypeText(HWND control, const std::string& text)
{
    for (unsigned char c : text)
        SendMessageA(control, WM_CHAR, c, 1);
}

void SetEditText(HWND edit, const std::string& text)
{
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    TypeText(edit, text);
}

void Click(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
}

namespace {

struct PendingDialog {
    std::string caption;
    std::function<void(HWND)> action;
    UINT_PTR timer = 0;
    bool came = false;
};
PendingDialog g_dialog;

BOOL CALLBACK FindPendingDialog(HWND window, LPARAM found)
{
    char kind[16] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (IsWindowVisible(window) && std::string(kind) == "#32770" &&
        WindowText(window) == g_dialog.caption) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK PollForDialog(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindPendingDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !g_dialog.action)
        return;
    KillTimer(nullptr, g_dialog.timer);
    g_dialog.timer = 0;
    g_dialog.came = true;
    auto action = std::move(g_dialog.action);
    g_dialog.action = nullptr;
    action(dialog);
}

struct ChildQuery {
    const char* className;
    const char* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam)
{
    auto* query = reinterpret_cast<ChildQuery*>(lParam);
    char kind[64] = {};
    GetClassNameA(window, kind, sizeof kind);
    if (lstrcmpiA(kind, query->className) == 0 &&
        (!query->text || WindowText(window) == query->text)) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void OnNextDialog(const std::string& caption, std::function<void(HWND)> action)
{
    if (g_dialog.timer)
        KillTimer(nullptr, g_dialog.timer);
    g_dialog.caption = caption;
    g_dialog.action = std::move(action);
    g_dialog.came = false;
    g_dialog.timer = SetTimer(nullptr, 0, 20, PollForDialog);
}

bool DialogCame()
{
    const bool came = g_dialog.came;
    if (g_dialog.timer)
        KillTimer(nullptr, g_dialog.timer);
    g_dialog = PendingDialog();
    return came;
}

HWND FindChild(HWND parent, const char* className, const char* text)
{
    ChildQuery query{className, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string ItemText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void ClickButton(HWND dialog, int id)
{
    Click(GetDlgItem(dialog, id));
}

int PauseForScreenshot()
{
    const char* value = std::getenv("FW_TEST_PAUSE_MS");
    return value ? std::atoi(value) : 0;
}

} // namespace fw::test
