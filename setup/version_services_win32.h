// The version-finding and version-installing services of version.dll.
#pragma once
#include "setup/install_services.h"

class Win32VersionServices : public VersionServices {
public:
    FoundFile FindFile(bool shared, const std::string& name, const std::string& windowsDir,
                       const std::string& appDir) override;
    unsigned InstallFile(unsigned flags, const std::string& name, const std::string& sourceDir,
                         const std::string& destDir, const std::string& currentDir,
                         std::string& tempFile) override;
};
