// What the command line asks of start-up: the start-up switches, searched
// in the whole line, and the actions of its tokens in order.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class CommandLineActionKind {
    OpenFile,       // a token not starting with '/'
    SetPrintMode,   // the token "/p"
    SetWorksetName, // "/s" or "/S" followed by the name
    NewDocument,    // a slash followed by 'e' or 'E'
};

struct CommandLineAction {
    CommandLineActionKind kind;
    std::string argument; // file or workset name

    friend bool operator==(const CommandLineAction&, const CommandLineAction&) = default;
};

// The current workset name lives in a 260-byte buffer.
inline constexpr std::size_t kWorksetNameMax = 259;

struct CommandLinePlan {
    bool showSplash = true;     // no "/NOSPLASH" and no "/p" in the line
    bool showMainWindow = true; // false in print mode only
    bool restoreDesktop = true; // no "/d" and no "/p" in the line
    bool printMode = false;     // a whole "/p" token
    std::vector<CommandLineAction> actions;
};

CommandLinePlan PlanCommandLine(std::string_view commandLine);
