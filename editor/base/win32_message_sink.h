// The portable code's message boxes, shown through the application's own
// message boxes (captioned with the program's title, owned by the main
// window): exclamation for user errors, stop for "No Memory", question for
// questions.
#pragma once
#include "editor/base/message_sink.h"

class Win32MessageSink : public MessageSink {
public:
    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override;
};

// The platform's MB_ flags of a message, and the answer of a button id.
unsigned MessageBoxFlags(MessageIcon icon, MessageButtons buttons);
MessageAnswer AnswerOf(int buttonId);
