// The "Tools" section held in memory, for tests and the fuzz target.
// Keys match without regard to case, as in the profile file.
#pragma once
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>

#include "editor/automation/tool_profile.h"

class MemoryToolsSection : public ToolsSection {
public:
    std::string Read(std::string_view key) override
    {
        const auto found = m_values.find(Fold(key));
        return found == m_values.end() ? std::string() : found->second;
    }
    void Write(std::string_view key, std::string_view value) override
    {
        m_values[Fold(key)] = std::string(value);
    }
    void Remove(std::string_view key) override { m_values.erase(Fold(key)); }

    std::map<std::string, std::string> m_values; // keys in lower case

private:
    static std::string Fold(std::string_view key)
    {
        std::string folded(key);
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return folded;
    }
};
