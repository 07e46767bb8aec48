// The script's variables.  Each is recognised only in fixed fields and always
// with its exact case: "$WINDIR", "$WINSYSTEM" and "$INSTDIR".
#pragma once
#include <string>
#include <string_view>

inline constexpr std::string_view kVarWinDir = "$WINDIR";
inline constexpr std::string_view kVarWinSystem = "$WINSYSTEM";
inline constexpr std::string_view kVarInstDir = "$INSTDIR";

// The directories the variables stand for.  The Windows and system
// directories are asked of the platform afresh for every use.
struct VariableDirs {
    std::string windows;
    std::string system;
    std::string install;
};

// [Files] field 2: exactly "$WINDIR" or "$WINSYSTEM" marks a shared file.
bool IsSharedDestination(std::string_view destination);

// [Run] field 1: only a whole field of a variable is replaced.
std::string SubstituteRunDirectory(std::string_view field, const VariableDirs& dirs);

// [PROGMAN] fields 0 and 2: "$INSTDIR" anywhere in the field (it is meant to
// stand at the start).
std::string SubstituteProgmanPath(std::string_view field, std::string_view installDir);

// [PROGMAN] field 4: "$INSTDIR", then "$WINDIR", then "$WINSYSTEM", each on
// the result of the one before.
std::string SubstituteProgmanDirectory(std::string_view field, const VariableDirs& dirs);
