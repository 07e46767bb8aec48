#include "editor/automation/launch_plan.h"

#include "editor/automation/workset_file.h"

std::string DosShellCommand(const DosShellEnvironment& env)
{
    for (const char* pif : {"dosprmpt.pif", "command.pif"}) {
        if (env.fileFound && env.fileFound(pif))
            return pif;
    }
    if (env.comSpec)
        return env.comSpec->substr(0, kComSpecMax);
    return "C:\\command.com";
}

std::string ProgramCommandLine(std::string_view chosenPath, bool exists)
{
    if (exists)
        return std::string(chosenPath);
    const std::size_t slash = chosenPath.rfind('\\');
    return std::string(slash == std::string_view::npos ? chosenPath : chosenPath.substr(slash + 1));
}

std::string ChosenDirectory(std::string_view dialogPath)
{
    const std::size_t slash = dialogPath.rfind('\\');
    std::string directory(dialogPath.substr(0, slash == std::string_view::npos ? 0 : slash));
    // "C:" alone is the drive's remembered directory, not its root.
    if (directory.size() == 2 && directory[1] == ':')
        directory += '\\';
    return WorksetUpper(directory);
}
