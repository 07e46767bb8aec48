#include "setup/script_profile_win32.h"

#include <windows.h>

#include "setup/install_model.h"

std::string ScriptProfile::ReadString(std::string_view section, std::string_view key) const
{
    char value[kMaxValueLength + 1] = {};
    const std::string sectionName(section);
    const std::string keyName(key);
    const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), "", value,
                                                  sizeof value, m_path.c_str());
    return std::string(value, length < sizeof value ? length : sizeof value - 1);
}
