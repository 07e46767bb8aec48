// A second process for the DDE test: sends one execute string to a DDEML
// server.  Usage: fw_dde_client SERVICE TOPIC COMMAND.  Exit code: 0 taken,
// 1 no conversation, 2 not processed, 3 busy, 4 other failure.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstring>

#include "framework/handles.h"

namespace {

HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

int Send(DWORD instance, const char* service, const char* topic, const char* command)
{
    fw::DdeString serviceName(instance, service);
    fw::DdeString topicName(instance, topic);
    fw::DdeConversation conversation(
        DdeConnect(instance, serviceName.get(), topicName.get(), nullptr));
    if (!conversation)
        return 1;
    DWORD result = 0;
    HDDEDATA done =
        DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command)),
                             static_cast<DWORD>(std::strlen(command) + 1), conversation.get(),
                             nullptr, CF_TEXT, XTYP_EXECUTE, 10000, &result);
    if (done)
        return 0;
    UINT error = DdeGetLastError(instance);
    std::fprintf(stderr, "fw_dde_client: execute failed, DDEML error 0x%x\n", error);
    return error == DMLERR_NOTPROCESSED ? 2 : error == DMLERR_BUSY ? 3 : 4;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: fw_dde_client SERVICE TOPIC COMMAND\n");
        return 4;
    }
    fw::DdeInstance instance = fw::DdeInstance::Initialize(Callback, APPCMD_CLIENTONLY);
    if (!instance)
        return 4;
    return Send(instance.Id(), argv[1], argv[2], argv[3]);
}
