#include "editor/app/cmdline_plan.h"

namespace {

bool Contains(std::string_view line, std::string_view what)
{
    return line.find(what) != std::string_view::npos;
}

// One token's action; false for tokens that ask for nothing.
bool ActionOf(std::string_view token, CommandLineAction& action)
{
    if (token.empty())
        return false; // two blanks in a row: no file named ""
    if (token == "/p") {
        action = {CommandLineActionKind::SetPrintMode, {}};
        return true;
    }
    if (token.front() != '/') {
        action = {CommandLineActionKind::OpenFile, std::string(token)};
        return true;
    }
    if (token.size() < 2)
        return false;
    if (token[1] == 's' || token[1] == 'S') {
        std::string_view name = token.substr(2);
        action = {CommandLineActionKind::SetWorksetName,
                  std::string(name.substr(0, kWorksetNameMax))};
        return true;
    }
    if (token[1] == 'e' || token[1] == 'E') {
        action = {CommandLineActionKind::NewDocument, {}};
        return true;
    }
    return false;
}

} // namespace

CommandLinePlan PlanCommandLine(std::string_view commandLine)
{
    CommandLinePlan plan;
    const bool anyPrint = Contains(commandLine, "/p");
    plan.showSplash = !(Contains(commandLine, "/NOSPLASH") || anyPrint);
    plan.restoreDesktop = !(Contains(commandLine, "/d") || anyPrint);

    std::size_t start = 0;
    while (start <= commandLine.size() && !commandLine.empty()) {
        std::size_t blank = commandLine.find(' ', start);
        std::size_t end = blank == std::string_view::npos ? commandLine.size() : blank;
        CommandLineAction action;
        if (ActionOf(commandLine.substr(start, end - start), action)) {
            if (action.kind == CommandLineActionKind::SetPrintMode)
                plan.printMode = true;
            plan.actions.push_back(std::move(action));
        }
        if (blank == std::string_view::npos)
            break;
        start = blank + 1;
    }
    // A window that only a print request would show suits print mode only;
    // a "/p" inside a path must not leave the editor invisible.
    plan.showMainWindow = !plan.printMode;
    return plan;
}
