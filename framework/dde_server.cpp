#include "framework/dde_server.h"

#include <cstdio>
#include <exception>

#include "framework/callback_failure.h"

namespace fw {

ShellDdeServer* ShellDdeServer::s_server = nullptr;

ShellDdeServer::~ShellDdeServer()
{
    Stop();
}

bool ShellDdeServer::Start(const std::string& service, const std::string& topic,
                           ExecuteHandler onExecute, ReadyCheck isReady)
{
    if (IsRunning() || s_server)
        return false;
    m_instance =
        DdeInstance::Initialize(Callback, APPCLASS_STANDARD | CBF_FAIL_ADVISES | CBF_FAIL_POKES |
                                              CBF_FAIL_REQUESTS | CBF_SKIP_ALLNOTIFICATIONS);
    if (!m_instance)
        return false;
    m_service = DdeString(m_instance.Id(), service.c_str());
    m_topic = DdeString(m_instance.Id(), topic.c_str());
    m_onExecute = std::move(onExecute);
    m_isReady = std::move(isReady);
    s_server = this;
    if (!m_service || !m_topic ||
        !DdeNameService(m_instance.Id(), m_service.get(), nullptr, DNS_REGISTER)) {
        Stop();
        return false;
    }
    m_serviceName = service;
    return true;
}

void ShellDdeServer::Stop()
{
    if (m_instance && m_service)
        DdeNameService(m_instance.Id(), m_service.get(), nullptr, DNS_UNREGISTER);
    // The string handles belong to the instance: they go first.
    m_service.reset();
    m_topic.reset();
    m_instance = DdeInstance();
    if (s_server == this)
        s_server = nullptr;
    m_serviceName.clear();
}

HDDEDATA ShellDdeServer::OnExecute(HDDEDATA data)
{
    DWORD size = DdeGetData(data, nullptr, 0, 0);
    std::string command(size, '\0');
    if (size)
        DdeGetData(data, reinterpret_cast<LPBYTE>(command.data()), size, 0);
    // The data is a C string: what follows its end is not part of it.
    command.resize(command.find('\0') == std::string::npos ? command.size() : command.find('\0'));
    if (m_isReady && !m_isReady())
        return reinterpret_cast<HDDEDATA>(DDE_FBUSY);
    bool handled = m_onExecute && m_onExecute(command);
    return reinterpret_cast<HDDEDATA>(handled ? DDE_FACK : DDE_FNOTPROCESSED);
}

HDDEDATA CALLBACK ShellDdeServer::Callback(UINT type, UINT, HCONV, HSZ topic, HSZ service,
                                           HDDEDATA data, ULONG_PTR, ULONG_PTR)
{
    // No exception may cross DDEML.
    try {
        ShellDdeServer* self = s_server;
        if (!self)
            return nullptr;
        switch (type) {
        case XTYP_CONNECT:
            return reinterpret_cast<HDDEDATA>(
                DdeCmpStringHandles(topic, self->m_topic.get()) == 0 &&
                DdeCmpStringHandles(service, self->m_service.get()) == 0);
        case XTYP_EXECUTE:
            if (DdeCmpStringHandles(topic, self->m_topic.get()) != 0)
                return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
            return self->OnExecute(data);
        default:
            return nullptr;
        }
    } catch (...) {
        ReportCallbackFailure("DDE callback");
    }
    return type == XTYP_EXECUTE ? reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED) : nullptr;
}

} // namespace fw
