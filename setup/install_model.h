// The installation model: the values and lists of "SETUP.INF", read once at
// start-up and held by the application for the whole run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "setup/profile_reader.h"

inline constexpr char kScriptFileName[] = "SETUP.INF";

// A script value is read into a 260-byte buffer: longer values are cut.
inline constexpr std::size_t kMaxValueLength = 259;

struct InstallModel {
    std::string m_strSourceDir; // ends with a backslash
    std::string m_strTitle;
    std::string m_strInstallDir;
    std::string m_strGroup;
    std::string m_strTypical; // components a typical setup leaves out
    std::string m_strMinimal; // components a compact setup leaves out
    std::vector<std::string> m_options;
    std::vector<std::string> m_files;
    std::vector<std::string> m_runs;
    std::vector<std::string> m_progmanItems;
    std::vector<std::string> m_iniEntries;
    // 1-based positions in m_files of the entries installed without error.
    std::vector<std::uint32_t> m_installed;
};

// The program's path and the script's are 260-byte buffers.
inline constexpr std::size_t kMaxScriptPathLength = 259;

// The directory of the setup program: its own path cut after the last
// backslash.  Empty when there is none, or when the program's path or the
// script's does not fit: setup must not go on to read another script.
std::string SourceDirFromProgramPath(std::string_view programPath);

// Where the script lies: the source directory followed by "SETUP.INF".
std::string ScriptPath(std::string_view sourceDir);

// Reads the whole script: the [Application] values, then the lists
// [Options], [Files], [Run], [PROGMAN], [INI].  A missing script reads as an
// empty one.
InstallModel ReadInstallModel(const ProfileReader& script, std::string sourceDir);

// The numbered list of a section: keys "1", "2", ... up to the first key
// whose value is empty.
std::vector<std::string> ReadNumberedList(const ProfileReader& script, std::string_view section);
