// Running this thread's queue in the Win32 tests, the way the application's
// message loop does it.
#pragma once
#include <windows.h>

#include <functional>

namespace fw {
class Application;
}

namespace fw::test {

// Dispatches what is queued through the application's pre-translation, then
// runs idle time until the application wants no more (at most 100 calls).
// A WM_QUIT left behind by an earlier main frame is dropped.
void Pump(Application& app);

// Runs the queue for about `ms` milliseconds, with the modeless dialogs'
// pre-translation as the application's loop does it.
void Pump(int ms = 50);

// Pumps until `done` holds or `timeoutMs` passed; returns done().
bool PumpUntil(Application& app, const std::function<bool()>& done, int timeoutMs = 5000);

// Dispatches what is left in the queue without pre-translation or idle time:
// after a test's application is gone.
void DrainQueue();

} // namespace fw::test
