// A private profile held in memory, with the platform's rules for reading the
// file text: used by the tests and the fuzz target in place of the real file.
//
// - "[name]" opens a section; a line starting with "[" but lacking "]" is an
//   ordinary line. Lines before the first section belong to no section.
// - "key=value": key and value are trimmed of blanks; lines without "=" and
//   comment lines (";") are kept but hold no value.
// - Sections and keys match without regard to case (ASCII letters); the first
//   of duplicate sections is the one read and written, and so is the first of
//   duplicate keys.
// - A read strips one pair of matching quotes ('...' or "...") around the value.
#pragma once
#include "editor/app/profile_store.h"

#include <string>
#include <string_view>
#include <vector>

class MemoryProfile : public ProfileStore {
public:
    MemoryProfile() = default;
    explicit MemoryProfile(std::string_view fileText) { Load(fileText); }

    // Replaces the contents with those of a profile file's text.
    void Load(std::string_view fileText);
    // The contents as profile file text.
    std::string Text() const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool DeleteKey(std::string_view section, std::string_view key) override;
    bool DeleteSection(std::string_view section) override;
    std::size_t ListKeys(std::string_view section, std::span<char> buffer) override;

private:
    struct Line {
        std::string key;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        bool hasHeader = true; // false for the lines before the first section
        std::vector<Line> lines;
    };

    Section* FindSection(std::string_view name);
    static Line* FindKey(Section& section, std::string_view key);

    std::vector<Section> m_sections;
};
