#include "editor/integration/profile_section_win32.h"

#include <windows.h>

#include "framework/application.h"

namespace {

// Up to this many bytes of key names are read.
constexpr DWORD kKeyNameBytes = 2048;

std::string ProfileFile()
{
    fw::Application* app = fw::Application::Current();
    return app ? app->Profile().FileName() : std::string();
}

} // namespace

std::string ProgramProfileSection::Read(const std::string& key)
{
    char value[4096] = {};
    GetPrivateProfileStringA(m_section.c_str(), key.c_str(), "", value, sizeof value,
                             ProfileFile().c_str());
    return value;
}

std::vector<std::string> ProgramProfileSection::Keys()
{
    std::string names(kKeyNameBytes, '\0');
    const DWORD size = GetPrivateProfileStringA(m_section.c_str(), nullptr, "", names.data(),
                                                kKeyNameBytes, ProfileFile().c_str());
    names.resize(size);
    std::vector<std::string> keys;
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = std::min(names.find('\0', at), names.size());
        if (end > at)
            keys.push_back(names.substr(at, end - at));
        at = end + 1;
    }
    return keys;
}

void ProgramProfileSection::Delete(const std::string& key)
{
    WritePrivateProfileStringA(m_section.c_str(), key.c_str(), nullptr, ProfileFile().c_str());
}

void ProgramProfileSection::Write(const std::string& key, const std::string& value)
{
    WritePrivateProfileStringA(m_section.c_str(), key.c_str(), value.c_str(),
                               ProfileFile().c_str());
}
