// The program's private profile file (an .INI file): typed reads and writes
// of section/entry values.
#pragma once
#include <windows.h>

#include <string>

namespace fw {

class PrivateProfile {
public:
    PrivateProfile() = default;
    explicit PrivateProfile(std::string fileName) : m_fileName(std::move(fileName)) {}

    // A bare name lies in the Windows directory, as the platform decides.
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }

    int GetInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetString(const char* section, const char* entry,
                          const char* defaultValue = "") const;
    bool WriteInt(const char* section, const char* entry, int value) const;
    bool WriteString(const char* section, const char* entry, const std::string& value) const;
    bool DeleteEntry(const char* section, const char* entry) const;
    bool DeleteSection(const char* section) const;

private:
    std::string m_fileName;
};

} // namespace fw
