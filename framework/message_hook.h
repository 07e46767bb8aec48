// How framework dialogs show their messages (the range message of data
// exchange, ...).  One process-wide hook: the application captions the boxes
// with its title, and tests record the messages instead of showing them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace fw {

// Shows `text` with the MB_* `type` (icon, buttons, task-modal) over `owner`
// and returns the button pressed, as MessageBox does.
using MessageHook = std::function<int(HWND owner, const std::string& text, UINT type)>;

// Installs `hook` (an empty one restores the message box) and returns the
// previous hook.
MessageHook SetMessageHook(MessageHook hook);

// Caption of the default message box; the executable's base name until set.
void SetMessageCaption(std::string caption);
const std::string& GetMessageCaption();

int ShowMessage(HWND owner, const std::string& text, UINT type);

// While alive, messages go to `hook`; the previous hook comes back after.
class ScopedMessageHook {
public:
    explicit ScopedMessageHook(MessageHook hook) : m_previous(SetMessageHook(std::move(hook))) {}
    ~ScopedMessageHook() { SetMessageHook(std::move(m_previous)); }
    ScopedMessageHook(const ScopedMessageHook&) = delete;
    ScopedMessageHook& operator=(const ScopedMessageHook&) = delete;

private:
    MessageHook m_previous;
};

} // namespace fw
