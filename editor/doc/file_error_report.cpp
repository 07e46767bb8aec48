#include "editor/doc/file_error_report.h"

#include "editor/doc/doc_messages.h"
#include "editor/doc/file_names.h"

std::string FileErrorText(FileError cause, FileAccess access, std::string_view path,
                          std::string_view defaultText)
{
    std::string name(file_names::FileNamePart(path));
    switch (cause) {
    case FileError::NotFound:
        return name + "\nCannot find this file.\nPlease verify that the correct path and file "
                      "name are given.";
    case FileError::AccessDenied:
        if (access == FileAccess::Reading)
            return "Unable to read from " + name + ", it is opened by someone else.";
        return "Unable to write to " + name + ", it is read-only or opened by someone else.";
    case FileError::DiskFull:
        return "Destination disk drive is full.";
    case FileError::None:
    case FileError::Other:
        break;
    }
    return std::string(defaultText);
}

void ReportFileError(MessageSink& messages, FileError cause, FileAccess access,
                     std::string_view path, std::string_view defaultText)
{
    messages.ShowMessage(FileErrorText(cause, access, path, defaultText), MessageIcon::Exclamation,
                         MessageButtons::Ok);
}

void ReportTooLarge(MessageSink& messages, std::string_view path)
{
    std::string text = doc_text::kTooLargeForMemory;
    text.replace(text.find("%1"), 2, file_names::FileNamePart(path));
    messages.ShowMessage(text, MessageIcon::Exclamation, MessageButtons::Ok);
}
