// The shell's DDE execute strings: "open(name)" and "print(name)".
#pragma once
#include <optional>
#include <string>
#include <string_view>

struct DdeCommand {
    bool print = false; // a print request: open, print without a dialog
    std::string name;   // the text up to the first ')', unchanged

    friend bool operator==(const DdeCommand&, const DdeCommand&) = default;
};

// The request in `command`, or nothing when the string is not handled.
std::optional<DdeCommand> ParseDdeCommand(std::string_view command);
