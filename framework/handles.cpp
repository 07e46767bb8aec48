#include "framework/handles.h"

#include <vector>

namespace fw {

bool GlobalMemory::ReAlloc(SIZE_T bytes, UINT flags) noexcept
{
    if (!m_mem) {
        *this = Alloc(bytes, flags);
        return static_cast<bool>(*this);
    }
    HGLOBAL grown = GlobalReAlloc(m_mem.get(), bytes, flags);
    if (!grown)
        return false;
    // A moveable block may come back under the same handle; never free it here.
    m_mem.release();
    m_mem.reset(grown);
    return true;
}

bool ClipboardSession::SetData(UINT format, GlobalMemory& data) noexcept
{
    if (!m_open || !data)
        return false;
    if (!SetClipboardData(format, data.get()))
        return false;
    data.release();
    return true;
}

namespace {
const char* ValueName(const std::string& name)
{
    return name.empty() ? nullptr : name.c_str();
}
} // namespace

RegKey RegKey::Create(HKEY parent, const std::string& subKey, REGSAM access) noexcept
{
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(parent, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                              nullptr, &key, nullptr);
    return rc == ERROR_SUCCESS ? RegKey(key) : RegKey();
}

RegKey RegKey::Open(HKEY parent, const std::string& subKey, REGSAM access) noexcept
{
    HKEY key = nullptr;
    LONG rc = RegOpenKeyExA(parent, subKey.c_str(), 0, access, &key);
    return rc == ERROR_SUCCESS ? RegKey(key) : RegKey();
}

std::optional<std::string> RegKey::GetString(const std::string& name) const
{
    if (!m_key)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(m_key.get(), ValueName(name), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The value may have changed between the two calls, and stored strings
    // need not be terminated: read into a buffer with room for a NUL.
    std::vector<char> buffer(size + 1, '\0');
    for (;;) {
        DWORD got = static_cast<DWORD>(buffer.size() - 1);
        LONG rc = RegQueryValueExA(m_key.get(), ValueName(name), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) {
            buffer.assign(got + 1, '\0');
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        buffer[got] = '\0';
        return std::string(buffer.data());
    }
}

std::optional<DWORD> RegKey::GetDword(const std::string& name) const noexcept
{
    if (!m_key)
        return std::nullopt;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(m_key.get(), ValueName(name), nullptr, &type,
                         reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool RegKey::SetString(const std::string& name, const std::string& value) noexcept
{
    return m_key && RegSetValueExA(m_key.get(), ValueName(name), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegKey::SetDword(const std::string& name, DWORD value) noexcept
{
    return m_key &&
           RegSetValueExA(m_key.get(), ValueName(name), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

bool RegKey::DeleteValue(const std::string& name) noexcept
{
    return m_key && RegDeleteValueA(m_key.get(), ValueName(name)) == ERROR_SUCCESS;
}

DdeInstance DdeInstance::Initialize(PFNCALLBACK callback, DWORD flags, UINT* error) noexcept
{
    DWORD id = 0;
    UINT rc = DdeInitializeA(&id, callback, flags, 0);
    if (error)
        *error = rc;
    return rc == DMLERR_NO_ERROR ? DdeInstance(id) : DdeInstance();
}

DdeInstance::~DdeInstance()
{
    if (m_id)
        DdeUninitialize(m_id);
}

DdeInstance& DdeInstance::operator=(DdeInstance&& other) noexcept
{
    if (this != &other) {
        if (m_id)
            DdeUninitialize(m_id);
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

DdeString::DdeString(DWORD instance, const char* text) noexcept
    : m_instance(instance), m_hsz(DdeCreateStringHandleA(instance, text, CP_WINANSI))
{
}

DdeString& DdeString::operator=(DdeString&& other) noexcept
{
    if (this != &other) {
        reset();
        m_instance = other.m_instance;
        m_hsz = std::exchange(other.m_hsz, nullptr);
    }
    return *this;
}

void DdeString::reset() noexcept
{
    if (m_hsz)
        DdeFreeStringHandle(m_instance, m_hsz);
    m_hsz = nullptr;
}

} // namespace fw
