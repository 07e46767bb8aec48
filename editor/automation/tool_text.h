// The placeholders of a tool's directory and command line: the active
// window's file and caret, the current workset and directory.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "editor/automation/placeholders.h"

// The active editor window as the tools see it.
struct ActiveViewFacts {
    std::string path; // full path; empty for an untitled document
    long line = 1;    // one-based
    long column = 1;  // one-based display column
};

struct ToolFacts {
    std::optional<ActiveViewFacts> view; // none: no active editor window
    std::string worksetPath;             // empty: no current workset
    std::string currentDir;
};

// File, FileName, FileDir, Set, Target, SetDir, Dir, Line and Col, each
// present only where its facts exist.
PlaceholderTable ToolPlaceholders(const ToolFacts& facts);

// `text` with the tool placeholders expanded; `text` itself when the
// expansion fails.
std::string ExpandToolText(std::string_view text, const ToolFacts& facts);

// The File, FileName and FileDir entries of a document's path.
void SetFilePlaceholders(PlaceholderTable& table, std::string_view path);
