#include "editor/base/win32_message_sink.h"

#include <windows.h>

#include "framework/application.h"

unsigned MessageBoxFlags(MessageIcon icon, MessageButtons buttons)
{
    unsigned flags = 0;
    switch (icon) {
    case MessageIcon::Exclamation:
        flags |= MB_ICONEXCLAMATION;
        break;
    case MessageIcon::Stop:
        flags |= MB_ICONSTOP;
        break;
    case MessageIcon::Question:
        flags |= MB_ICONQUESTION;
        break;
    case MessageIcon::Information:
        flags |= MB_ICONINFORMATION;
        break;
    case MessageIcon::None:
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        flags |= MB_OK;
        break;
    case MessageButtons::OkCancel:
        flags |= MB_OKCANCEL;
        break;
    case MessageButtons::YesNo:
        flags |= MB_YESNO;
        break;
    case MessageButtons::YesNoCancel:
        flags |= MB_YESNOCANCEL;
        break;
    case MessageButtons::RetryCancel:
        flags |= MB_RETRYCANCEL;
        break;
    case MessageButtons::AbortRetryIgnore:
        flags |= MB_ABORTRETRYIGNORE;
        break;
    }
    return flags;
}

MessageAnswer AnswerOf(int buttonId)
{
    switch (buttonId) {
    case IDCANCEL:
        return MessageAnswer::Cancel;
    case IDYES:
        return MessageAnswer::Yes;
    case IDNO:
        return MessageAnswer::No;
    case IDRETRY:
        return MessageAnswer::Retry;
    case IDABORT:
        return MessageAnswer::Abort;
    case IDIGNORE:
        return MessageAnswer::Ignore;
    default:
        return MessageAnswer::Ok;
    }
}

MessageAnswer Win32MessageSink::ShowMessage(std::string_view text, MessageIcon icon,
                                            MessageButtons buttons)
{
    UINT flags = MessageBoxFlags(icon, buttons);
    // A question about a document stops the whole program's input.
    if (icon == MessageIcon::Question)
        flags |= MB_TASKMODAL;
    const std::string message(text);
    if (fw::Application* app = fw::Application::Current())
        return AnswerOf(app->DoMessageBox(message, flags, 0));
    return AnswerOf(MessageBoxA(nullptr, message.c_str(), "Trelvan EDIT for Windows", flags));
}
