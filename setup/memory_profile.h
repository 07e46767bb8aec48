// A private profile held in memory, read with the platform's rules: section
// and key names match without regard to case, values lose surrounding
// blanks and one pair of surrounding quotes, and the first of duplicate
// sections or keys wins.
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "setup/profile_reader.h"

class MemoryProfile : public ProfileReader {
public:
    explicit MemoryProfile(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key) const override;

private:
    using Keys = std::map<std::string, std::string>;
    std::map<std::string, Keys> m_sections; // by lower-case name
};
