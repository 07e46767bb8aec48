// Path helpers of the install engine.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "setup/install_services.h"

// The engine's working paths are 260-byte buffers: at most 259 characters.
inline constexpr std::size_t kMaxPathLength = 259;

// The path cut to what a 260-byte buffer holds.
std::string FitPath(std::string_view path);

// Upper case of the ASCII letters only: bytes of other code pages (and the
// trail bytes of double-byte characters) stay as they are.
std::string UpperCaseAscii(std::string_view text);

// A [Files] name is installed into its destination directory only: no
// separator, drive or parent step may take it elsewhere.
bool IsPlainFileName(std::string_view name);

// A [Files] subdirectory stays below the installation directory: it names
// no root or drive and never climbs above where it starts.
bool StaysBelow(std::string_view subdirectory);

// Creates every missing directory of a "X:\..." path from the root down.
// True when the path exists afterwards (an empty path counts as existing);
// false for a path without a drive or when a creation fails.
bool CreateDirectoryPath(const std::string& path, SetupPlatform& platform);
