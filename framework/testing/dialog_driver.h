// Driving windows and dialogs in the Win32 tests: steps run inside modal
// loops, finding dialogs and controls, typing and clicking, reading text.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/window.h"

namespace fw::test {

// Runs each step from the thread's queue, one per timer tick, so that modal
// loops (DialogBox, PropertySheet, the common dialogs) run them while they
// are up and messages posted by one step are handled before the next.
// When the steps run out before the modal loop ends, `rescue` runs after
// `timeoutMs` (it should close the dialog) and TimedOut() tells.
class StepRunner {
public:
    using Step = std::function<void()>;
    StepRunner(std::vector<Step> steps, Step rescue, int timeoutMs = 10000);
    ~StepRunner();
    StepRunner(const StepRunner&) = delete;
    StepRunner& operator=(const StepRunner&) = delete;

    bool Finished() const { return m_next >= m_steps.size(); }
    // Called from a step: run the same step again on the next tick (the
    // dialog it waits for is not up yet).
    static void Again();
    bool TimedOut() const { return m_timedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    Step m_rescue;
    size_t m_next = 0;
    DWORD m_deadline;
    bool m_timedOut = false;
    bool m_again = false;
    UINT_PTR m_timer = 0;
};

// Runs `action` on the next visible dialog box with this caption that this
// thread shows: a timer polls for it, and the dialog's modal loop runs the
// timer.  DialogCame() tells whether it came since the last call.
void OnNextDialog(const std::string& caption, std::function<void(HWND)> action);
bool DialogCame();

// A visible top-level window that remembers the messages sent to it.
class OwnerWindow : public Window {
public:
    OwnerWindow();
    // Called for each message; return true when handled.
    std::function<bool(UINT, WPARAM, LPARAM)> onMessage;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// One owner window for the whole test program: closing a window costs
// seconds under Wine without a window manager.
OwnerWindow& SharedOwner();

// The visible dialog of this thread owned by `owner` (any owner when null).
HWND FindOwnedDialog(HWND owner);
// The first descendant of `parent` of this window class (and text, unless
// null), or null.
HWND FindChild(HWND parent, const char* className, const char* text = nullptr);
std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);

// Keyboard-like edits and clicks through real messages.
void TypeText(HWND control, const std::string& text);
void SetEditText(HWND edit, const std::string& text);
void Click(HWND button);
void ClickButton(HWND dialog, int id);

// Milliseconds from the FW_TEST_PAUSE_MS environment variable (0 when
// unset): how long a test keeps its window up for a screenshot.
int PauseForScreenshot();

} // namespace fw::test
