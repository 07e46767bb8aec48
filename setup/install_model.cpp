#include "setup/install_model.h"

#include <algorithm>
#include <utility>

namespace {

std::string ReadValue(const ProfileReader& script, std::string_view section, std::string_view key)
{
    std::string value = script.ReadString(section, key);
    value.resize(std::min(value.find('\0'), std::min(value.size(), kMaxValueLength)));
    return value;
}

} // namespace

std::string SourceDirFromProgramPath(std::string_view programPath)
{
    const std::size_t slash = programPath.rfind('\\');
    if (slash == std::string_view::npos || programPath.size() > kMaxScriptPathLength ||
        slash + 1 + std::string_view(kScriptFileName).size() > kMaxScriptPathLength)
        return {};
    return std::string(programPath.substr(0, slash + 1));
}

std::string ScriptPath(std::string_view sourceDir)
{
    return std::string(sourceDir) + kScriptFileName;
}

std::vector<std::string> ReadNumberedList(const ProfileReader& script, std::string_view section)
{
    std::vector<std::string> list;
    for (std::size_t k = 1;; ++k) {
        std::string value = ReadValue(script, section, std::to_string(k));
        if (value.empty())
            return list;
        list.push_back(std::move(value));
    }
}

InstallModel ReadInstallModel(const ProfileReader& script, std::string sourceDir)
{
    InstallModel model;
    model.m_strSourceDir = std::move(sourceDir);
    model.m_strTitle = ReadValue(script, "Application", "Title");
    model.m_strInstallDir = ReadValue(script, "Application", "Dir");
    model.m_strGroup = ReadValue(script, "Application", "Group");
    model.m_strTypical = ReadValue(script, "Application", "Typical");
    model.m_strMinimal = ReadValue(script, "Application", "Minimal");
    model.m_options = ReadNumberedList(script, "Options");
    model.m_files = ReadNumberedList(script, "Files");
    model.m_runs = ReadNumberedList(script, "Run");
    model.m_progmanItems = ReadNumberedList(script, "PROGMAN");
    model.m_iniEntries = ReadNumberedList(script, "INI");
    return model;
}
