// The Program Manager conversation: the group, then a replace and an add
// command per item, each item command in a DDE instance of its own.
#pragma once
#include <cstddef>
#include <string_view>

#include "setup/install_model.h"
#include "setup/install_services.h"
#include "setup/setup_messages.h"

enum class ProgmanOpen {
    Ready,         // instance started, conversation asked for
    NoServiceName, // instance started, but no string handle for "PROGMAN"
    NoLibrary,     // the DDE library could not be set up
};

// One DDE client instance with one conversation with service and topic
// "PROGMAN".  The program implements it with the DDE management library.
class ProgmanChannel {
public:
    virtual ~ProgmanChannel() = default;
    virtual ProgmanOpen Open() = 0;
    // One execute transaction of exactly these bytes; false when it failed.
    virtual bool Execute(std::string_view data, unsigned timeoutMs) = 0;
    // Disconnects and ends the instance; called after every Open that did not
    // answer NoLibrary.
    virtual void Close() = 0;
};

inline constexpr unsigned kGroupTimeoutMs = 10000;
inline constexpr unsigned kItemTimeoutMs = 1000;

// The command passed to the sender is copied into 1040 bytes.
inline constexpr std::size_t kMaxSentCommand = 1039;

// Creates and shows the group.  False when the DDE library cannot be set up
// (after its box); a failed transaction shows "DdeClientTransaction Failed"
// and still answers true.
bool CreateProgramGroup(std::string_view group, ProgmanChannel& channel, SetupMessages& messages);

// Sends one command with its terminating zero; false when the DDE library
// cannot be set up.  Failures are silent.
bool SendProgmanCommand(std::string_view command, ProgmanChannel& channel);

// The group of the script and its items, in script order.
void CreateProgmanGroupAndItems(const InstallModel& model, SetupPlatform& platform,
                                ProgmanChannel& channel, SetupMessages& messages);
