#include "editor/view/colour_decision.h"

#include <array>
#include <cctype>
#include <string>

bool IsColouredPath(std::string_view path)
{
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    std::string extension;
    for (char c : path.substr(dot))
        extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    static constexpr std::array<std::string_view, 4> kExtensions = {".c", ".cpp", ".h", ".hpp"};
    for (std::string_view known : kExtensions)
        if (extension == known)
            return true;
    return false;
}
