#include "setup/setup_log.h"

std::string SetupLogPath(std::string_view destDir)
{
    std::string path(destDir);
    path += '\\';
    path += kSetupLogName;
    return path;
}

std::string SetupLogLine(std::string_view destDir, std::string_view name)
{
    std::string line(destDir);
    line += '\\';
    line += name;
    line += "\r\n";
    return line;
}
