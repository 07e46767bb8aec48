#include "framework/private_profile.h"

#include <vector>

namespace fw {

int PrivateProfile::GetInt(const char* section, const char* entry, int defaultValue) const
{
    return static_cast<int>(
        GetPrivateProfileIntA(section, entry, defaultValue, m_fileName.c_str()));
}

std::string PrivateProfile::GetString(const char* section, const char* entry,
                                      const char* defaultValue) const
{
    std::vector<char> buffer(512);
    for (;;) {
        DWORD n = GetPrivateProfileStringA(section, entry, defaultValue, buffer.data(),
                                           static_cast<DWORD>(buffer.size()), m_fileName.c_str());
        // The platform cuts a value that does not fit to size - 1.
        if (n + 1 < buffer.size() || buffer.size() >= 65536)
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

bool PrivateProfile::WriteInt(const char* section, const char* entry, int value) const
{
    return WriteString(section, entry, std::to_string(value));
}

bool PrivateProfile::WriteString(const char* section, const char* entry,
                                 const std::string& value) const
{
    return WritePrivateProfileStringA(section, entry, value.c_str(), m_fileName.c_str()) != FALSE;
}

bool PrivateProfile::DeleteEntry(const char* section, const char* entry) const
{
    return WritePrivateProfileStringA(section, entry, nullptr, m_fileName.c_str()) != FALSE;
}

bool PrivateProfile::DeleteSection(const char* section) const
{
    return WritePrivateProfileStringA(section, nullptr, nullptr, m_fileName.c_str()) != FALSE;
}

} // namespace fw
