// No exception may cross a callback from the platform (window, dialog and
// property-sheet procedures, hooks, DDE callbacks, COM methods), and a GUI
// program's stderr is read by nobody: each barrier tells the user.
#pragma once
#include <windows.h>

namespace fw {

// Call from inside a catch handler.  Shows where the failure happened and
// what it was in the application's message box (stop icon); a repeat of the
// same failure, or one while such a box is up, goes to the main frame's
// status line instead, so that a failing paint cannot pile up boxes.
void ReportCallbackFailure(const char* where) noexcept;

// A COM method's body behind the barrier: its result, or E_UNEXPECTED after
// the report.
template <class Body> HRESULT GuardedComCall(const char* where, Body&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportCallbackFailure(where);
        return E_UNEXPECTED;
    }
}

} // namespace fw
