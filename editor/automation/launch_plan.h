// What the launch commands run, decided from what exists: the command
// interpreter of the DOS command, the command line of Program..., and the
// directory the change-directory dialog chose.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The environment length the DOS command reads (a 260-byte buffer).
inline constexpr std::size_t kComSpecMax = 259;

struct DosShellEnvironment {
    // Whether the platform's file search finds `name`.
    std::function<bool(const std::string& name)> fileFound;
    // COMSPEC, when set.
    std::optional<std::string> comSpec;
};

// "dosprmpt.pif", else "command.pif", else COMSPEC (at most 259 characters),
// else "C:\command.com": the first that exists wins.
std::string DosShellCommand(const DosShellEnvironment& env);

// The chosen path when it names an existing file; else the text after its
// last backslash, so that a typed "prog arg" runs through the search path.
std::string ProgramCommandLine(std::string_view chosenPath, bool exists);

// The directory of the change-directory dialog's result "dir\Junk": up to
// the last backslash, upper-cased; a drive's root keeps its backslash.
std::string ChosenDirectory(std::string_view dialogPath);

inline constexpr const char* kClipboardViewer = "Clipbrd.exe";
