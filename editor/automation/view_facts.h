// What the tools and the printed header and footer learn from an editor
// window: its document's path and recorded file time, its caret.
#pragma once
#include <ctime>
#include <optional>

#include "editor/automation/tool_text.h"

class CMarlView;

// None when there is no view.
std::optional<ActiveViewFacts> ViewFacts(const CMarlView* view);

// The local time of the document's file as recorded at its load; none for
// an untitled document.
std::optional<std::tm> RecordedFileTime(const CMarlView& view);
