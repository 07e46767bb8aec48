// The Program Manager conversation over real DDEML, with a recording server
// on a thread of its own under a service name of the test.
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/handles.h"
#include "setup/progman_dde_win32.h"
#include "setup/setup_fakes.h"

namespace {

constexpr char kService[] = "SETUPWTESTPM";

// Records the execute commands it receives, zero bytes included.
class RecordingServer {
public:
    RecordingServer() : m_thread([this] { Serve(); })
    {
        while (!m_ready)
            Sleep(10);
    }
    ~RecordingServer()
    {
        m_stop = true;
        m_thread.join();
    }
    std::vector<std::string> Received()
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_received;
    }

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ, HSZ, HDDEDATA data, ULONG_PTR,
                                      ULONG_PTR)
    {
        if (type == XTYP_CONNECT)
            return reinterpret_cast<HDDEDATA>(TRUE);
        if (type != XTYP_EXECUTE)
            return nullptr;
        const DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string bytes(size, '\0');
        DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
        std::lock_guard<std::mutex> lock(s_mutex);
        s_received.push_back(bytes);
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DDE_FACK));
    }

    void Serve()
    {
        {
            std::lock_guard<std::mutex> lock(s_mutex);
            s_received.clear();
        }
        fw::DdeInstance instance =
            fw::DdeInstance::Initialize(Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS);
        fw::DdeString service(instance.Id(), kService);
        DdeNameService(instance.Id(), service.get(), nullptr, DNS_REGISTER);
        m_ready = true;
        while (!m_stop) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        DdeNameService(instance.Id(), service.get(), nullptr, DNS_UNREGISTER);
    }

    static inline std::mutex s_mutex;
    static inline std::vector<std::string> s_received;
    std::atomic<bool> m_ready{false};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Points the client at a service for the length of a test.
struct ServiceOverride {
    explicit ServiceOverride(const char* name) { _putenv_s(kProgmanServiceVariable, name); }
    ~ServiceOverride() { _putenv_s(kProgmanServiceVariable, ""); }
};

TEST(ProgmanDde, TheServiceIsProgramManagerUnlessTheOptionNamesAnother)
{
    EXPECT_EQ(DdeProgmanChannel::ServiceName(), "PROGMAN");
    ServiceOverride service(kService);
    EXPECT_EQ(DdeProgmanChannel::ServiceName(), kService);
}

TEST(ProgmanDde, GroupAndItemsReachTheServerInOrder)
{
    ServiceOverride service(kService);
    RecordingServer server;
    InstallModel model;
    model.m_strGroup = "Trelvan";
    model.m_strInstallDir = "C:\\TOOLS";
    model.m_progmanItems = {"$INSTDIR\\EDIT.EXE,Editor,$INSTDIR\\EDIT.EXE,1,$INSTDIR"};
    EventList events;
    FakeSetupPlatform platform(events);
    RecordingSetupMessages messages(events);
    DdeProgmanChannel channel;
    CreateProgmanGroupAndItems(model, platform, channel, messages);

    // Every command but the show command arrives with its zero byte.
    auto withZero = [](std::string text) { return text + '\0'; };
    const std::vector<std::string> expected = {
        withZero("[CreateGroup(Trelvan)]"),
        "[ShowGroup(Trelvan,1)]",
        withZero("[ReplaceItem(\"Editor\")]"),
        withZero("[AddItem(\"C:\\TOOLS\\EDIT.EXE\",\"Editor\",C:\\TOOLS\\EDIT.EXE,1,,,C:\\TOOLS)]"),
    };
    EXPECT_EQ(server.Received(), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ProgmanDde, WithoutAServerTheGroupFailsOnceAndItemsSilently)
{
    ServiceOverride service("SETUPWNOBODY");
    InstallModel model;
    model.m_strGroup = "G";
    model.m_progmanItems = {"A.EXE,A", "B.EXE,B"};
    EventList events;
    FakeSetupPlatform platform(events);
    RecordingSetupMessages messages(events);
    DdeProgmanChannel channel;
    CreateProgmanGroupAndItems(model, platform, channel, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "DdeClientTransaction Failed");
    EXPECT_EQ(messages.shown[0].caption, "Error");
}

} // namespace
