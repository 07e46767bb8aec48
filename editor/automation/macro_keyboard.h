// The editor's own keyboard as the macro recorder's input, and its replay.
// Recording watches the key messages this thread takes from its queue, in
// the main loop and in every modal loop (dialogs, message boxes, menus), so
// keys typed into other programs never reach a macro.  Replay injects each
// recorded key as system input while the editor is in front, one at a time:
// the next key goes in only when the thread's queue is empty again, so a
// dialog that a key opened is up and has the focus for the keys after it.
#pragma once
#include <windows.h>

#include "editor/automation/macro_recorder.h"
#include "framework/handles.h"

namespace detail {
struct HookTraits {
    using Handle = HHOOK;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { UnhookWindowsHookEx(h); }
};
} // namespace detail

class MacroKeyboard : public MacroInput {
public:
    // Injected keys carry this mark.
    static constexpr ULONG_PTR kReplayMark = 0x4D41524C;
    // A key the queue never saw (it went elsewhere) is given up after this.
    static constexpr DWORD kDeliveryTimeoutMs = 2000;

    MacroKeyboard() = default;
    ~MacroKeyboard() override;
    MacroKeyboard(const MacroKeyboard&) = delete;
    MacroKeyboard& operator=(const MacroKeyboard&) = delete;

    // The recorder this input feeds; set once, before any use.
    void Attach(MacroRecorder& recorder) { m_recorder = &recorder; }

    bool StartCapture() override;
    void StopCapture() override;
    bool StartReplay() override;
    void StopReplay() override;

    // The record of a key message, as the file keeps it.
    static MacroEvent EventOf(const MSG& msg);
    // One recorded key as system input; false for events that are no keys.
    static bool Inject(const MacroEvent& event);

private:
    static LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnPaceTimer(HWND, UINT, UINT_PTR, DWORD);
    bool UpdateHook();
    void OnMessage(const MSG& msg);
    void OnPace();

    static MacroKeyboard* s_active; // the one whose hook runs
    MacroRecorder* m_recorder = nullptr;
    fw::UniqueHandle<detail::HookTraits> m_hook;
    UINT_PTR m_timer = 0;
    bool m_capturing = false;
    bool m_replaying = false;
    bool m_waiting = false; // an injected key is not yet taken from the queue
    DWORD m_injectedAt = 0;
};
