// How the portable core shows a message box: the program implements it with
// the platform's message boxes, the tests record what would have been shown.
#pragma once
#include <deque>
#include <string>
#include <string_view>
#include <vector>

enum class MessageIcon { None, Exclamation, Stop, Question, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
};

// For tests: keeps every message and answers from a queue (Ok, or the first
// button's answer, when the queue is empty).
class RecordingMessageSink : public MessageSink {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;

    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override
    {
        shown.push_back({std::string(text), icon, buttons});
        if (!answers.empty()) {
            MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::RetryCancel:
            return MessageAnswer::Retry;
        case MessageButtons::AbortRetryIgnore:
            return MessageAnswer::Abort;
        default:
            return MessageAnswer::Ok;
        }
    }
};
