// "SETUP.LOG": one line per logged file, appended in the file's own
// destination directory.
#pragma once
#include <string>
#include <string_view>

inline constexpr char kSetupLogName[] = "SETUP.LOG";

// destDir is already in upper case; the name stays as the script wrote it.
std::string SetupLogPath(std::string_view destDir);
std::string SetupLogLine(std::string_view destDir, std::string_view name);
