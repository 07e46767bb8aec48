// A message sink for tests: keeps every message and answers from a queue.
#pragma once
#include "editor/base/message_sink.h"

#include <deque>
#include <string>
#include <vector>

// Answers Ok, or the first button's answer, when the queue is empty.
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
