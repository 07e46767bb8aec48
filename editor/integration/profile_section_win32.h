// A section of the editor's profile file (the application's private
// profile) through the platform's profile functions.
#pragma once
#include <string>

#include "editor/integration/profile_section.h"

class ProgramProfileSection : public ProfileSection {
public:
    explicit ProgramProfileSection(std::string section) : m_section(std::move(section)) {}

    std::string Read(const std::string& key) override;
    std::vector<std::string> Keys() override;
    void Delete(const std::string& key) override;
    void Write(const std::string& key, const std::string& value) override;

private:
    std::string m_section;
};
