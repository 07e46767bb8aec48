// How the portable core shows a message box: the program implements it with
// the platform's message boxes, the tests record what would have been shown.
#pragma once
#include <string_view>

enum class MessageIcon { None, Exclamation, Stop, Question, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
};
