// The installation script read through the platform's private-profile
// lookup, as the program does on a real medium.
#pragma once
#include <string>
#include <string_view>

#include "setup/profile_reader.h"

class ScriptProfile : public ProfileReader {
public:
    // path: the script's full path (a bare name would mean the Windows directory).
    explicit ScriptProfile(std::string path) : m_path(std::move(path)) {}

    // At most 259 characters of a value: the lookup's buffer is 260 bytes.
    std::string ReadString(std::string_view section, std::string_view key) const override;

private:
    std::string m_path;
};
