#include "editor/automation/macro_keyboard.h"

#include <cstdint>

MacroKeyboard* MacroKeyboard::s_active = nullptr;

namespace {

bool IsKeyMessage(UINT message)
{
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

bool EditorInFront()
{
    HWND front = GetForegroundWindow();
    return front && GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId();
}

} // namespace

MacroKeyboard::~MacroKeyboard()
{
    StopCapture();
    StopReplay();
}

MacroEvent MacroKeyboard::EventOf(const MSG& msg)
{
    const auto lParam = static_cast<std::uint32_t>(msg.lParam);
    MacroEvent event;
    event.message = msg.message;
    event.paramL = (static_cast<std::uint32_t>(msg.wParam) & 0xFF) | (((lParam >> 16) & 0xFF) << 8);
    event.paramH = (lParam & 0x7FFF) | ((lParam & (1u << 24)) ? kMacroExtendedKey : 0);
    event.time = static_cast<std::uint32_t>(msg.time);
    event.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(msg.hwnd));
    return event;
}

bool MacroKeyboard::Inject(const MacroEvent& event)
{
    if (!IsMacroKeyEvent(event))
        return false;
    const auto vk = static_cast<WORD>(MacroVirtualKey(event));
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    // Files made elsewhere may lack the scan code.
    input.ki.wScan =
        static_cast<WORD>(MacroScanCode(event) ? MacroScanCode(event) : MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = (IsMacroKeyUp(event) ? KEYEVENTF_KEYUP : 0) |
                       (IsMacroExtendedKey(event) ? KEYEVENTF_EXTENDEDKEY : 0);
    input.ki.dwExtraInfo = kReplayMark;
    return SendInput(1, &input, sizeof input) == 1;
}

bool MacroKeyboard::UpdateHook()
{
    if (m_capturing || m_replaying) {
        if (!m_hook) {
            // This thread only: the editor's own queue, never another program's.
            m_hook.reset(SetWindowsHookExA(WH_GETMESSAGE, &MacroKeyboard::OnGetMessage, nullptr,
                                           GetCurrentThreadId()));
            if (m_hook)
                s_active = this;
        }
        return static_cast<bool>(m_hook);
    }
    m_hook.reset();
    if (s_active == this)
        s_active = nullptr;
    return true;
}

bool MacroKeyboard::StartCapture()
{
    m_capturing = true;
    if (!UpdateHook()) {
        m_capturing = false;
        return false;
    }
    return true;
}

void MacroKeyboard::StopCapture()
{
    m_capturing = false;
    UpdateHook();
}

bool MacroKeyboard::StartReplay()
{
    m_replaying = true;
    m_waiting = false;
    if (!UpdateHook()) {
        m_replaying = false;
        return false;
    }
    // A thread timer: modal loops dispatch it too, and the system makes its
    // ticks only when the queue holds nothing else.
    m_timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &MacroKeyboard::OnPaceTimer);
    if (!m_timer) {
        m_replaying = false;
        UpdateHook();
        return false;
    }
    return true;
}

void MacroKeyboard::StopReplay()
{
    if (m_timer)
        KillTimer(nullptr, m_timer);
    m_timer = 0;
    m_replaying = false;
    m_waiting = false;
    UpdateHook();
}

LRESULT CALLBACK MacroKeyboard::OnGetMessage(int code, WPARAM wParam, LPARAM lParam)
{
    try {
        if (code == HC_ACTION && (wParam & PM_REMOVE) && s_active)
            s_active->OnMessage(*reinterpret_cast<const MSG*>(lParam));
    } catch (...) {
        // A lost key is better than an exception through the system.
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MacroKeyboard::OnMessage(const MSG& msg)
{
    if (!IsKeyMessage(msg.message) || !m_recorder)
        return;
    if (m_capturing)
        m_recorder->Record(EventOf(msg));
    if (m_waiting) {
        m_waiting = false;
        m_recorder->Skip();
    }
}

void CALLBACK MacroKeyboard::OnPaceTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    try {
        if (s_active && s_active->m_timer == timer)
            s_active->OnPace();
    } catch (...) {
    }
}

void MacroKeyboard::OnPace()
{
    if (!m_recorder)
        return;
    if (m_waiting) {
        if (GetTickCount() - m_injectedAt < kDeliveryTimeoutMs)
            return;
        m_waiting = false;
        m_recorder->Skip();
        return;
    }
    // Keys go only to the editor: while another program is in front the
    // replay waits.
    if (!EditorInFront()) {
        m_recorder->Pause();
        return;
    }
    m_recorder->Resume();
    const std::optional<MacroEvent> event = m_recorder->CurrentEvent();
    if (!event)
        return;
    if (!Inject(*event)) {
        m_recorder->Skip(); // not a key: nothing to deliver
        return;
    }
    m_waiting = true;
    m_injectedAt = GetTickCount();
}
