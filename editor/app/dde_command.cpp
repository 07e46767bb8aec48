#include "editor/app/dde_command.h"

std::optional<DdeCommand> ParseDdeCommand(std::string_view command)
{
    DdeCommand result;
    if (command.starts_with("open(")) {
        command.remove_prefix(5);
    } else if (command.starts_with("print(")) {
        command.remove_prefix(6);
        result.print = true;
    } else {
        return std::nullopt;
    }
    std::size_t close = command.find(')');
    // An empty name names no file: nothing to open.
    if (close == std::string_view::npos || close == 0)
        return std::nullopt;
    result.name.assign(command.substr(0, close));
    return result;
}
