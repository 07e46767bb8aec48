#include "framework/callback_failure.h"

#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>

#include "framework/application.h"
#include "framework/frame_wnd.h"

namespace fw {

namespace {

std::string DescribeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

void ShowOnStatusLine(Application& app, const std::string& text)
{
    if (auto* frame = dynamic_cast<FrameWnd*>(Window::FromHandle(app.GetMainWnd())))
        frame->SetMessageText(text);
}

} // namespace

void ReportCallbackFailure(const char* where) noexcept
{
    static bool s_showing = false;
    static std::string s_lastShown;
    try {
        const std::string what = DescribeCurrentException();
        const std::string text =
            std::string("Unexpected error in ") + where + (what.empty() ? "." : ": " + what);
        std::fprintf(stderr, "fw: %s\n", text.c_str());
        Application* app = Application::Current();
        if (!app)
            return;
        if (s_showing || text == s_lastShown) {
            ShowOnStatusLine(*app, text);
            return;
        }
        s_showing = true;
        s_lastShown = text;
        app->DoMessageBox(text, MB_OK | MB_ICONSTOP, 0);
        s_showing = false;
    } catch (...) {
        s_showing = false;
    }
}

} // namespace fw
