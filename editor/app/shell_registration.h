// The shell registration of the editor as the program for text files: the
// default values written under the registry's class root at every start.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct RegistryDefault {
    std::string key;   // below the class root
    std::string value; // the key's default value

    friend bool operator==(const RegistryDefault&, const RegistryDefault&) = default;
};

// The executable's path is held in a 256-byte buffer: longer paths are cut.
inline constexpr std::size_t kShellExePathSize = 256;

// Every key and value, in the order they are written. `exePath` is the full
// path of the running executable, `serviceName` its base name (the DDE
// service the shell talks to).
std::vector<RegistryDefault> ShellRegistrationTable(std::string_view exePath,
                                                    std::string_view serviceName);
