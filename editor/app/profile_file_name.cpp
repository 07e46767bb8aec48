#include "editor/app/profile_file_name.h"

std::string ProfileFileName(std::string_view executablePath)
{
    std::size_t slash = executablePath.find_last_of("\\/:");
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name) + ".INI";
}
