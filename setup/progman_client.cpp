#include "setup/progman_client.h"

#include <string>

#include "setup/progman_commands.h"

namespace {

constexpr std::string_view kErrorCaption = "Error";

// Pairs Open with Close.
class Conversation {
public:
    explicit Conversation(ProgmanChannel& channel) : m_channel(channel), m_state(channel.Open()) {}
    ~Conversation()
    {
        if (m_state != ProgmanOpen::NoLibrary)
            m_channel.Close();
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    ProgmanOpen State() const { return m_state; }

private:
    ProgmanChannel& m_channel;
    ProgmanOpen m_state;
};

void ShowError(SetupMessages& messages, std::string_view text)
{
    messages.Show({text, kErrorCaption, SetupIcon::None, SetupButtons::Ok, true});
}

std::string_view WithTerminatingZero(const std::string& text)
{
    return {text.c_str(), text.size() + 1};
}

} // namespace

bool CreateProgramGroup(std::string_view group, ProgmanChannel& channel, SetupMessages& messages)
{
    Conversation conversation(channel);
    switch (conversation.State()) {
    case ProgmanOpen::NoLibrary:
        ShowError(messages, "DDEML Initialization Failure");
        return false;
    case ProgmanOpen::NoServiceName:
        return true;
    case ProgmanOpen::Ready:
        break;
    }
    if (!channel.Execute(WithTerminatingZero(CreateGroupCommand(group)), kGroupTimeoutMs))
        ShowError(messages, "DdeClientTransaction Failed");
    // Unlike every other command, this one goes without its zero byte.
    channel.Execute(ShowGroupCommand(group), kGroupTimeoutMs);
    return true;
}

bool SendProgmanCommand(std::string_view command, ProgmanChannel& channel)
{
    Conversation conversation(channel);
    if (conversation.State() == ProgmanOpen::NoLibrary)
        return false;
    if (conversation.State() == ProgmanOpen::Ready)
        channel.Execute(WithTerminatingZero(std::string(command.substr(0, kMaxSentCommand))),
                        kItemTimeoutMs);
    return true;
}

void CreateProgmanGroupAndItems(const InstallModel& model, SetupPlatform& platform,
                                ProgmanChannel& channel, SetupMessages& messages)
{
    CreateProgramGroup(model.m_strGroup, channel, messages);
    for (const std::string& entry : model.m_progmanItems) {
        const VariableDirs dirs{platform.WindowsDirectory(), platform.SystemDirectory(),
                                model.m_strInstallDir};
        const ProgmanItem item = ProgmanItemFor(entry, dirs);
        SendProgmanCommand(ReplaceItemCommand(item), channel);
        SendProgmanCommand(AddItemCommand(item), channel);
    }
}
