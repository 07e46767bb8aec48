// What the "Document Properties" dialog (Alt+Enter) shows and changes: the
// dialog itself is a window of the program and reads and writes this.
#pragma once
#include <string>

class MarlDocCore;

inline constexpr char kPropertiesCaption[] = "Document Properties";

struct DocProperties {
    std::string name;   // "Name:": the full path
    std::string size;   // "Size:": bytes of text in memory (line ends counted once)
    std::string status; // "Status:": "Modified" or "Not changed"
    bool unixFile = false;
    bool readOnly = false;
};

DocProperties ReadProperties(const MarlDocCore& doc);
// OK: the two check boxes go back into the flags (not to the file on disk).
void ApplyProperties(const DocProperties& properties, MarlDocCore& doc);
