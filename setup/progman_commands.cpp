#include "setup/progman_commands.h"

#include <algorithm>

#include "setup/script_fields.h"

namespace {

std::string Cut(std::string text, std::size_t limit)
{
    text.resize(std::min(text.size(), limit));
    return text;
}

std::string GroupName(std::string_view group)
{
    return std::string(group.substr(0, kMaxGroupName));
}

} // namespace

std::string CreateGroupCommand(std::string_view group)
{
    return "[CreateGroup(" + GroupName(group) + ")]";
}

std::string ShowGroupCommand(std::string_view group)
{
    return "[ShowGroup(" + GroupName(group) + ",1)]";
}

ProgmanItem ProgmanItemFor(std::string_view entry, const VariableDirs& dirs)
{
    return {SubstituteProgmanPath(GetField(entry, 0), dirs.install), GetField(entry, 1),
            SubstituteProgmanPath(GetField(entry, 2), dirs.install), GetFieldInt(entry, 3),
            SubstituteProgmanDirectory(GetField(entry, 4), dirs)};
}

std::string ReplaceItemCommand(const ProgmanItem& item)
{
    return Cut("[ReplaceItem(\"" + item.title + "\")]", kMaxItemCommand);
}

std::string AddItemCommand(const ProgmanItem& item)
{
    // The two position arguments stay empty: Program Manager places the item.
    return Cut("[AddItem(\"" + item.commandLine + "\",\"" + item.title + "\"," + item.iconFile +
                   "," + std::to_string(item.iconIndex) + ",,," + item.directory + ")]",
               kMaxItemCommand);
}
