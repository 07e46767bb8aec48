// The private profile over the platform's profile functions. A bare file
// name ("MARL.INI") means that file in the Windows directory; "WIN.INI" is
// the system profile.
#pragma once
#include "editor/app/profile_store.h"

#include <string>

class Win32Profile : public ProfileStore {
public:
    explicit Win32Profile(std::string fileName) : m_fileName(std::move(fileName)) {}

    const std::string& FileName() const { return m_fileName; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;
    std::size_t ListKeys(std::string_view section, std::span<char> buffer) override;

private:
    std::string m_fileName;
};

// The editor's profile name: the running executable's base name with ".INI".
std::string ExecutableProfileName();

inline constexpr char kSystemProfileName[] = "WIN.INI";
