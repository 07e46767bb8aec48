// The message shown when opening or saving a file fails, chosen by the
// cause of the failure.
#pragma once
#include "editor/base/message_sink.h"
#include "editor/doc/file_system.h"

#include <string>
#include <string_view>

enum class FileAccess { Reading, Writing };

// `path`'s file name part stands in the texts; `defaultText` is the failing
// step's own text, used when the cause has none.
std::string FileErrorText(FileError cause, FileAccess access, std::string_view path,
                          std::string_view defaultText);

void ReportFileError(MessageSink& messages, FileError cause, FileAccess access,
                     std::string_view path, std::string_view defaultText);

// The file's text does not fit in the memory available.
void ReportTooLarge(MessageSink& messages, std::string_view path);
