// The file system, profile writer and shell as the install engine uses them.
#pragma once
#include "setup/install_services.h"

class Win32SetupPlatform : public SetupPlatform {
public:
    std::string WindowsDirectory() override;
    std::string SystemDirectory() override;
    bool DirectoryExists(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    void SetNormalAttributes(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
    void AppendText(const std::string& path, std::string_view text) override;
    void WriteProfileEntry(const std::string& file, const std::string& section,
                           const std::string& key, const std::string& value) override;
    void ShellOpen(const std::string& file, const std::string& parameters,
                   const std::string& directory) override;
};
