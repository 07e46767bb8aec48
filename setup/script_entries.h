// What the install command does with the [INI] and [Run] entries.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/script_variables.h"

// The parameters of a program start are copied into a 128-byte buffer.
inline constexpr std::size_t kMaxRunParameters = 127;

// One [INI] entry: value (field 3) under section (1) and key (2) in the
// profile file (0), all as written.
struct IniWrite {
    std::string file;
    std::string section;
    std::string key;
    std::string value;
};
IniWrite IniWriteFor(std::string_view entry);

struct RunStart {
    std::string file;       // field 2, as written
    std::string parameters; // field 3, cut to 127 characters
    std::string directory;  // field 1 after substitution
};

// The start a [Run] entry asks for, or nothing when it depends (field 0) on
// a file position that is not among the installed ones.
std::optional<RunStart> DecideRun(std::string_view entry,
                                  const std::vector<std::uint32_t>& installed,
                                  const VariableDirs& dirs);
