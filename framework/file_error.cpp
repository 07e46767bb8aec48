#include "framework/file_error.h"

#include "framework/app_message.h"
#include "framework/res/fw_resource.h"
#include "framework/strings.h"

namespace fw {

FileErrorCause FileErrorCauseFromWin32(DWORD error)
{
    switch (error) {
    case ERROR_SUCCESS:
        return FileErrorCause::None;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return FileErrorCause::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
        return FileErrorCause::AccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileErrorCause::DiskFull;
    default:
        return FileErrorCause::Other;
    }
}

std::string FileErrorText(FileErrorCause cause, bool writing, std::string_view path,
                          UINT defaultPromptId)
{
    UINT id = defaultPromptId;
    switch (cause) {
    case FileErrorCause::NotFound:
        id = FW_IDP_FAILED_INVALID_PATH;
        break;
    case FileErrorCause::AccessDenied:
        id = writing ? FW_IDP_FAILED_ACCESS_WRITE : FW_IDP_FAILED_ACCESS_READ;
        break;
    case FileErrorCause::DiskFull:
        id = FW_IDP_FAILED_DISK_FULL;
        break;
    case FileErrorCause::None:
    case FileErrorCause::Other:
        break;
    }
    return FormatResString(id, {FileNamePart(path)});
}

void ReportFileError(FileErrorCause cause, bool writing, std::string_view path,
                     UINT defaultPromptId)
{
    AppMessageBox(FileErrorText(cause, writing, path, defaultPromptId), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace fw
