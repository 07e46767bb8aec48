// The Program Manager conversation over the DDE management library: one
// client instance and one conversation per Open, ended by Close.
#pragma once
#include <windows.h>
#include <ddeml.h>

#include <string>

#include "framework/handles.h"
#include "setup/progman_client.h"

inline constexpr char kProgmanService[] = "PROGMAN";
inline constexpr char kProgmanTopic[] = "PROGMAN";

// The installer's option for a shell that serves the group commands under
// another name (the end-to-end tests use it for a recording server, since
// Wine's shell answers "PROGMAN" itself).  The topic stays "PROGMAN".
inline constexpr char kProgmanServiceVariable[] = "TRELVAN_SETUP_PROGMAN_SERVICE";

class DdeProgmanChannel : public ProgmanChannel {
public:
    // The service asked for: "PROGMAN" unless the option names another.
    static std::string ServiceName();

    ProgmanOpen Open() override;
    bool Execute(std::string_view data, unsigned timeoutMs) override;
    void Close() override;

    // The last error of the DDE library after a failed step.
    UINT LastError() const { return m_lastError; }

private:
    // Declared first: the conversation ends before its instance.
    fw::DdeInstance m_instance;
    fw::DdeConversation m_conversation;
    UINT m_lastError = DMLERR_NO_ERROR;
};
