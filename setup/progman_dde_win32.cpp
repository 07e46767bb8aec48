#include "setup/progman_dde_win32.h"

#include <cstdlib>
#include <vector>

namespace {

// A client-only instance is told of nothing it must answer.
HDDEDATA CALLBACK IgnoreDdeEvents(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

} // namespace

std::string DdeProgmanChannel::ServiceName()
{
    const char* option = std::getenv(kProgmanServiceVariable);
    return option && *option ? std::string(option) : std::string(kProgmanService);
}

ProgmanOpen DdeProgmanChannel::Open()
{
    m_lastError = DMLERR_NO_ERROR;
    m_instance = fw::DdeInstance::Initialize(IgnoreDdeEvents, APPCMD_CLIENTONLY, &m_lastError);
    if (!m_instance)
        return ProgmanOpen::NoLibrary;
    const std::string service = ServiceName();
    fw::DdeString serviceName(m_instance.Id(), service.c_str());
    fw::DdeString topicName(m_instance.Id(), kProgmanTopic);
    if (!serviceName || !topicName) {
        m_lastError = DdeGetLastError(m_instance.Id());
        return ProgmanOpen::NoServiceName;
    }
    CONVCONTEXT context{};
    context.cb = sizeof context;
    // Not tested here: without a partner the first transaction fails.
    m_conversation = fw::DdeConversation(
        DdeConnect(m_instance.Id(), serviceName.get(), topicName.get(), &context));
    if (!m_conversation)
        m_lastError = DdeGetLastError(m_instance.Id());
    return ProgmanOpen::Ready;
}

bool DdeProgmanChannel::Execute(std::string_view data, unsigned timeoutMs)
{
    if (!m_instance)
        return false;
    // The library takes the bytes through a writable pointer.
    std::vector<BYTE> bytes(data.begin(), data.end());
    DWORD result = 0;
    const HDDEDATA done =
        DdeClientTransaction(bytes.data(), static_cast<DWORD>(bytes.size()), m_conversation.get(),
                             nullptr, 0, XTYP_EXECUTE, timeoutMs, &result);
    if (!done) {
        m_lastError = DdeGetLastError(m_instance.Id());
        return false;
    }
    return true;
}

void DdeProgmanChannel::Close()
{
    m_conversation.reset();
    m_instance = fw::DdeInstance();
}
