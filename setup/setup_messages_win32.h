// The installer's message boxes.
#pragma once
#include <windows.h>

#include "setup/setup_messages.h"

class Win32SetupMessages : public SetupMessages {
public:
    // owner: the window the boxes belong to (the ownerless ones excepted).
    explicit Win32SetupMessages(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }

    SetupAnswer Show(const SetupBox& box) override;

private:
    HWND m_owner;
};

// The MessageBoxA style of a box, and the answer of its result.
UINT MessageBoxStyle(const SetupBox& box);
SetupAnswer AnswerOf(int messageBoxResult);
