// The working data of an association page ("Helpfiles", "Outliner"): one
// text "EXT=value" per extension, read from the profile section when the
// page opens and written back when the option sheet is closed with OK.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/integration/profile_section.h"

class ExtensionEntries {
public:
    // Reads every key and its value; returns the keys in the profile's order.
    std::vector<std::string> Load(ProfileSection& section);
    // Deletes every key now in the section, then writes every entry back.
    void Save(ProfileSection& section) const;

    // The value of the entry whose key (the text before its first "=")
    // equals `extension`.
    std::optional<std::string> Value(std::string_view extension) const;
    // Replaces that entry, or adds one when there is none.
    void Set(std::string_view extension, std::string_view value);
    void Add(std::string_view extension, std::string_view value);
    void Remove(std::string_view extension);
    const std::vector<std::string>& Texts() const { return m_entries; }

private:
    std::vector<std::string>::iterator Find(std::string_view extension);
    std::vector<std::string> m_entries;
};

// The help files of a [Help] value: split at ";", empty pieces skipped.
std::vector<std::string> SplitHelpFiles(std::string_view value);
// `value` + ";" + `path`.
std::string WithHelpFile(std::string_view value, std::string_view path);
// The first piece equal to `file` removed with the ";" before it; the first
// piece of the list has none, so the ";" after it stays.
std::string WithoutHelpFile(std::string_view value, std::string_view file);
// The text after the last "." of a path's file name ("" when there is none).
std::string FileExtension(std::string_view path);
// The upper-case form of an extension typed on a page.
std::string UpperExtension(std::string_view extension);
