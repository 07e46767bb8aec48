// Texts the document shows.
#pragma once

namespace doc_text {

inline constexpr char kNoMemory[] = "No Memory";
inline constexpr char kInsufficientMemory[] = "Insufficient memory";
inline constexpr char kTempCopyQuestion[] =
    "Trelvan EDIT found a temporary copy of this file.\nDo you want to load this copy?";

// Default texts of the file-error report, by the step that failed.
inline constexpr char kFailedToOpen[] = "Failed to open document.";
inline constexpr char kInvalidFilename[] = "Invalid filename.";
inline constexpr char kFailedToSave[] = "Failed to save document.";

// A file whose text does not fit in memory; %1 is its name.
inline constexpr char kTooLargeForMemory[] = "%1 is too large for the memory available.";

inline constexpr char kUntitled[] = "Untitled";

} // namespace doc_text
