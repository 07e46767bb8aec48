#include "setup/setup_messages_win32.h"

#include <string>

UINT MessageBoxStyle(const SetupBox& box)
{
    UINT style = box.buttons == SetupButtons::AbortRetryIgnore ? MB_ABORTRETRYIGNORE : MB_OK;
    if (box.icon == SetupIcon::Exclamation)
        style |= MB_ICONEXCLAMATION;
    else if (box.icon == SetupIcon::Stop)
        style |= MB_ICONSTOP;
    // Without an owner the box must still come to the front of the backdrop.
    if (box.ownerless)
        style |= MB_TASKMODAL | MB_SETFOREGROUND;
    return style;
}

SetupAnswer AnswerOf(int messageBoxResult)
{
    switch (messageBoxResult) {
    case IDABORT:
        return SetupAnswer::Abort;
    case IDRETRY:
        return SetupAnswer::Retry;
    case IDIGNORE:
        return SetupAnswer::Ignore;
    default:
        return SetupAnswer::Ok;
    }
}

SetupAnswer Win32SetupMessages::Show(const SetupBox& box)
{
    const std::string text(box.text);
    const std::string caption(box.caption);
    return AnswerOf(MessageBoxA(box.ownerless ? nullptr : m_owner, text.c_str(), caption.c_str(),
                                MessageBoxStyle(box)));
}
