// fw::ShellDdeServer: the DDEML server that answers the shell's open and
// print requests: service = the executable's base name, topic "system";
// each execute string goes to a handler.
#pragma once
#include <windows.h>
#include <ddeml.h>

#include <functional>
#include <string>

#include "framework/handles.h"

namespace fw {

class ShellDdeServer {
public:
    // Returns whether the string was handled.
    using ExecuteHandler = std::function<bool(const std::string& command)>;
    // Asked before each execute: false answers "busy" (a modal dialog is up).
    using ReadyCheck = std::function<bool()>;

    ShellDdeServer() = default;
    ~ShellDdeServer();
    ShellDdeServer(const ShellDdeServer&) = delete;
    ShellDdeServer& operator=(const ShellDdeServer&) = delete;

    // Registers `service` with topic `topic`; one server per process.
    bool Start(const std::string& service, const std::string& topic, ExecuteHandler onExecute,
               ReadyCheck isReady = {});
    void Stop();
    bool IsRunning() const { return static_cast<bool>(m_instance); }
    const std::string& GetService() const { return m_serviceName; }

private:
    static HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV conv, HSZ topic, HSZ item,
                                      HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);
    HDDEDATA OnExecute(HDDEDATA data);

    static ShellDdeServer* s_server;
    DdeInstance m_instance;
    DdeString m_service;
    DdeString m_topic;
    std::string m_serviceName;
    ExecuteHandler m_onExecute;
    ReadyCheck m_isReady;
};

} // namespace fw
