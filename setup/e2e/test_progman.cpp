// A stand-in Program Manager for the end-to-end tests: a DDE server of the
// service named on its command line (topic "PROGMAN") that appends every
// execute command it receives, one per line, to a file.  It ends when the
// file "<record>.stop" appears.
//   setup_test_progman.exe SERVICE RECORD-FILE
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <string>

#include "framework/handles.h"

namespace {

DWORD g_instance = 0;
std::string g_record;
HSZ g_topic = nullptr;

void Record(const std::string& line)
{
    if (FILE* f = std::fopen(g_record.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), f);
        std::fputc('\n', f);
        std::fclose(f);
    }
}

// The command as received, with a trailing zero byte shown as "<0>" so that
// the test sees which commands carry it.
std::string Received(HDDEDATA data)
{
    const DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::string bytes(size, '\0');
    DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    if (!bytes.empty() && bytes.back() == '\0') {
        bytes.pop_back();
        bytes += "<0>";
    }
    return bytes;
}

HDDEDATA CALLBACK Serve(UINT type, UINT, HCONV, HSZ topic, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR)
{
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(
            static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, g_topic) == 0));
    case XTYP_EXECUTE:
        Record(Received(data));
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
    default:
        return nullptr;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 3)
        return 2;
    g_record = __argv[2];
    const std::string stopFile = g_record + ".stop";
    fw::DdeInstance instance =
        fw::DdeInstance::Initialize(Serve, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS);
    if (!instance)
        return 1;
    g_instance = instance.Id();
    fw::DdeString service(g_instance, __argv[1]);
    fw::DdeString topic(g_instance, "PROGMAN");
    g_topic = topic.get();
    DdeNameService(g_instance, service.get(), nullptr, DNS_REGISTER);
    // Tells the test that the service is up.
    Record("ready");
    while (GetFileAttributesA(stopFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    DdeNameService(g_instance, service.get(), nullptr, DNS_UNREGISTER);
    return 0;
}
