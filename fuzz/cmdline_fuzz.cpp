// Feeds any bytes to the command-line planner and the DDE request parser and
// checks what they promise about their results.
#include "editor/app/cmdline_plan.h"
#include "editor/app/dde_command.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);

    CommandLinePlan plan = PlanCommandLine(input);
    for (const CommandLineAction& action : plan.actions) {
        if (action.argument.find(' ') != std::string::npos)
            std::abort();
        if (action.kind == CommandLineActionKind::OpenFile &&
            (action.argument.empty() || action.argument.front() == '/'))
            std::abort();
        if (action.kind == CommandLineActionKind::SetWorksetName &&
            action.argument.size() > kWorksetNameMax)
            std::abort();
    }
    if (plan.printMode && plan.showMainWindow)
        std::abort();

    if (std::optional<DdeCommand> request = ParseDdeCommand(input)) {
        if (request->name.empty() || request->name.find(')') != std::string::npos)
            std::abort();
        if (input.find(request->name) == std::string_view::npos)
            std::abort();
    }
    return 0;
}
