#include "setup/script_entries.h"

#include <algorithm>

#include "setup/script_fields.h"

IniWrite IniWriteFor(std::string_view entry)
{
    return {GetField(entry, 0), GetField(entry, 1), GetField(entry, 2), GetField(entry, 3)};
}

std::optional<RunStart> DecideRun(std::string_view entry,
                                  const std::vector<std::uint32_t>& installed,
                                  const VariableDirs& dirs)
{
    const std::int32_t needs = GetFieldInt(entry, 0);
    const bool wanted = needs == 0 || (needs > 0 && std::find(installed.begin(), installed.end(),
                                                              static_cast<std::uint32_t>(needs)) !=
                                                        installed.end());
    if (!wanted)
        return std::nullopt;
    std::string parameters = GetField(entry, 3);
    parameters.resize(std::min(parameters.size(), kMaxRunParameters));
    return RunStart{GetField(entry, 2), std::move(parameters),
                    SubstituteRunDirectory(GetField(entry, 1), dirs)};
}
