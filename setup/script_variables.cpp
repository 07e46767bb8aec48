#include "setup/script_variables.h"

namespace {

// A field that contains the name becomes the directory followed by the text
// after the name; whatever stood before the name is dropped.
std::string ReplaceContained(std::string_view field, std::string_view name,
                             std::string_view directory)
{
    const std::size_t at = field.find(name);
    if (at == std::string_view::npos)
        return std::string(field);
    std::string result(directory);
    result += field.substr(at + name.size());
    return result;
}

} // namespace

bool IsSharedDestination(std::string_view destination)
{
    return destination == kVarWinDir || destination == kVarWinSystem;
}

std::string SubstituteRunDirectory(std::string_view field, const VariableDirs& dirs)
{
    if (field == kVarWinDir)
        return dirs.windows;
    if (field == kVarWinSystem)
        return dirs.system;
    if (field == kVarInstDir)
        return dirs.install;
    return std::string(field);
}

std::string SubstituteProgmanPath(std::string_view field, std::string_view installDir)
{
    return ReplaceContained(field, kVarInstDir, installDir);
}

std::string SubstituteProgmanDirectory(std::string_view field, const VariableDirs& dirs)
{
    std::string result = ReplaceContained(field, kVarInstDir, dirs.install);
    result = ReplaceContained(result, kVarWinDir, dirs.windows);
    return ReplaceContained(result, kVarWinSystem, dirs.system);
}
