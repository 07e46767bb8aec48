// The tools in the profile: section "Tools", keys "Tools1" to "Tools10"
// for records 0 to 9, each value "menu;command;arguments;directory;ask".
#pragma once
#include <string>
#include <string_view>

#include "editor/automation/tool_table.h"

// The "Tools" section of the profile, as the tools see it.
class ToolsSection {
public:
    virtual ~ToolsSection() = default;
    // Empty when the key is missing.
    virtual std::string Read(std::string_view key) = 0;
    virtual void Write(std::string_view key, std::string_view value) = 0;
    virtual void Remove(std::string_view key) = 0;
};

inline constexpr const char* kToolsSectionName = "Tools";

// "Tools1" for record 0 ... "Tools10" for record 9.
std::string ToolKey(int index);

// The profile value of a used record.
std::string FormatToolValue(const ToolEntry& entry);
// A record from a profile value.  The texts are split at the first four
// ";" and cut to their fields; missing fields are empty and the ask flag 0;
// any other number than 0 asks.  An empty menu text gives a free record.
ToolEntry ParseToolValue(std::string_view value);

// Reads the ten records; used ones are gathered at the front in key order.
void LoadTools(ToolTable& table, ToolsSection& section);
// Writes the used records and removes the keys of the free ones.
void SaveTools(const ToolTable& table, ToolsSection& section);
