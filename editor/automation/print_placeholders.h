// The placeholders of a printed page header and footer: the document's
// file, the page number, today's date and time and the file's own.
#pragma once
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "editor/automation/placeholders.h"
#include "editor/automation/print_forms.h"

struct PrintFacts {
    std::string path; // full path; empty for an untitled document
    int page = 1;
    std::tm now{};                   // local time
    std::optional<std::tm> fileTime; // local time of the file's last change as loaded
    RegionalForms forms;
};

// File, FileName, FileDir, Page, Date, Time, and FileDate and FileTime when
// the document has a recorded file time.
PlaceholderTable PrintPlaceholders(const PrintFacts& facts);

// `text` with the print placeholders expanded; `text` itself when the
// expansion fails.
std::string ExpandPrintText(std::string_view text, const PrintFacts& facts);
