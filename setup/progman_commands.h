// The execute commands sent to Program Manager, built as its command
// language wants them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "setup/script_variables.h"

// The group name is copied into 64 bytes, item commands are built in 255.
inline constexpr std::size_t kMaxGroupName = 63;
inline constexpr std::size_t kMaxItemCommand = 254;

std::string CreateGroupCommand(std::string_view group);
std::string ShowGroupCommand(std::string_view group);

// One [PROGMAN] entry with its fields substituted.
struct ProgmanItem {
    std::string commandLine; // field 0
    std::string title;       // field 1
    std::string iconFile;    // field 2
    std::int32_t iconIndex;  // field 3
    std::string directory;   // field 4
};
ProgmanItem ProgmanItemFor(std::string_view entry, const VariableDirs& dirs);

std::string ReplaceItemCommand(const ProgmanItem& item);
std::string AddItemCommand(const ProgmanItem& item);
