// Failures of opening and saving documents, reported by their cause with the
// layer's texts (a missing file, access refused, a full disk) or a default.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

enum class FileErrorCause { None, NotFound, AccessDenied, DiskFull, Other };

FileErrorCause FileErrorCauseFromWin32(DWORD error);

// The report's text for a failure with `path` ("%1" is its file-name part):
// by cause, or the string `defaultPromptId` for any other cause.
std::string FileErrorText(FileErrorCause cause, bool writing, std::string_view path,
                          UINT defaultPromptId);

// Shows the report (exclamation icon) through the application's message box.
void ReportFileError(FileErrorCause cause, bool writing, std::string_view path,
                     UINT defaultPromptId);

} // namespace fw
