#include "framework/testing/pump.h"

#include "framework/application.h"
#include "framework/dialog.h"

namespace fw::test {

void Pump(Application& app)
{
    MSG msg;
    for (int guard = 0; guard < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT)
            continue;
        if (!app.PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    for (LONG count = 0; count < 100 && app.OnIdle(count); ++count) {
    }
}

void Pump(int ms)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (Dialog::PreTranslateModeless(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (static_cast<LONG>(GetTickCount() - end) >= 0)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool PumpUntil(Application& app, const std::function<bool()>& done, int timeoutMs)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
    for (;;) {
        Pump(app);
        if (done())
            return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void DrainQueue()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

} // namespace fw::test
