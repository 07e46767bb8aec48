// A second process of the end-to-end tests: sends one DDE execute string to
// a running program, as the shell does for "open" and "print".
//   marl_dde_client SERVICE "open(C:\path\file.c)"
// Exit code 0 when the server took the string, 1 otherwise.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstring>

static HDDEDATA CALLBACK Callback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: marl_dde_client SERVICE COMMAND\n");
        return 2;
    }
    DWORD instance = 0;
    if (DdeInitializeA(&instance, Callback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR)
        return 1;
    HSZ service = DdeCreateStringHandleA(instance, argv[1], CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance, "system", CP_WINANSI);
    int result = 1;
    // The server may still be starting: try for a few seconds.
    for (int attempt = 0; attempt < 50 && result != 0; ++attempt) {
        HCONV conv = DdeConnect(instance, service, topic, nullptr);
        if (!conv) {
            Sleep(200);
            continue;
        }
        DWORD status = 0;
        HDDEDATA done = DdeClientTransaction(reinterpret_cast<LPBYTE>(argv[2]),
                                             static_cast<DWORD>(std::strlen(argv[2]) + 1), conv,
                                             nullptr, 0, XTYP_EXECUTE, 10000, &status);
        result = done ? 0 : 1;
        DdeDisconnect(conv);
        break;
    }
    DdeFreeStringHandle(instance, service);
    DdeFreeStringHandle(instance, topic);
    DdeUninitialize(instance);
    std::printf("%s\n", result == 0 ? "handled" : "not handled");
    return result;
}
