// Resource strings and their parts, file-error texts by cause, and which
// messages start idle time again.
#include <gtest/gtest.h>

#include "framework/app_test_res.h"
#include "framework/application.h"
#include "framework/file_error.h"
#include "framework/strings.h"

namespace {

TEST(Strings, FormatTextReplacesNumberedArguments)
{
    struct Case {
        std::string pattern;
        std::string expected;
    };
    const Case cases[] = {
        {"Save changes to %1?", "Save changes to C:\\A.TXT?"},
        {"%2 before %1", "two before C:\\A.TXT"},
        {"100%% sure", "100% sure"},
        {"missing %3 stays empty", "missing  stays empty"},
        {"trailing %", "trailing %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FormatText(c.pattern, {"C:\\A.TXT", "two"}), c.expected) << c.pattern;
}

TEST(Strings, PartsOfNewlineSeparatedTexts)
{
    const std::string description = "\nMarl\nMarl Document\n\n\nMarl.Document\nMarl Document";
    EXPECT_EQ(fw::TextPart(description, 0), "");
    EXPECT_EQ(fw::TextPart(description, 1), "Marl");
    EXPECT_EQ(fw::TextPart(description, 3), "");
    EXPECT_EQ(fw::TextPart(description, 6), "Marl Document");
    EXPECT_EQ(fw::TextPart(description, 7), "");
    EXPECT_EQ(fw::TextPart("prompt only", 1), "");
    EXPECT_EQ(fw::LoadResString(ID_TEST_CHECKED), "Shows a check mark\nChecked");
    EXPECT_EQ(fw::LoadResString(0x7FFF), "");
}

TEST(FileError, PlatformErrorsMapToCauses)
{
    struct Case {
        DWORD error;
        fw::FileErrorCause cause;
    };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, fw::FileErrorCause::NotFound},
        {ERROR_PATH_NOT_FOUND, fw::FileErrorCause::NotFound},
        {ERROR_INVALID_NAME, fw::FileErrorCause::NotFound},
        {ERROR_ACCESS_DENIED, fw::FileErrorCause::AccessDenied},
        {ERROR_SHARING_VIOLATION, fw::FileErrorCause::AccessDenied},
        {ERROR_DISK_FULL, fw::FileErrorCause::DiskFull},
        {ERROR_HANDLE_DISK_FULL, fw::FileErrorCause::DiskFull},
        {ERROR_NOT_ENOUGH_MEMORY, fw::FileErrorCause::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FileErrorCauseFromWin32(c.error), c.cause) << c.error;
}

TEST(FileError, TextsByCauseNameTheFileNamePart)
{
    using fw::FileErrorCause;
    struct Case {
        FileErrorCause cause;
        bool writing;
        UINT defaultId;
        std::string expected;
    };
    const Case cases[] = {
        {FileErrorCause::NotFound, false, FW_IDP_FAILED_TO_OPEN_DOC,
         "MAIN.C\nCannot find this file.\nPlease verify that the correct path and file name "
         "are given."},
        {FileErrorCause::AccessDenied, false, FW_IDP_FAILED_TO_OPEN_DOC,
         "Unable to read from MAIN.C, it is opened by someone else."},
        {FileErrorCause::AccessDenied, true, FW_IDP_FAILED_TO_SAVE_DOC,
         "Unable to write to MAIN.C, it is read-only or opened by someone else."},
        {FileErrorCause::DiskFull, true, FW_IDP_FAILED_TO_SAVE_DOC,
         "Destination disk drive is full."},
        {FileErrorCause::Other, false, FW_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
        {FileErrorCause::Other, true, FW_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
        {FileErrorCause::Other, true, FW_IDP_INVALID_FILENAME, "Invalid filename."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FileErrorText(c.cause, c.writing, "C:\\SRC\\MAIN.C", c.defaultId),
                  c.expected);
}

TEST(MessageLoop, MouseMovesPaintsAndTheCaretTimerDoNotStartIdleTime)
{
    struct Case {
        UINT message;
        bool idle;
    };
    const Case cases[] = {
        {WM_MOUSEMOVE, false}, {WM_NCMOUSEMOVE, false},
        {WM_PAINT, false},     {0x0118, false}, // the caret's timer
        {WM_KEYDOWN, true},    {WM_LBUTTONDOWN, true},
        {WM_COMMAND, true},    {WM_TIMER, true}, // a program's own timer (the clock pane) does
    };
    for (const Case& c : cases) {
        MSG msg{};
        msg.message = c.message;
        EXPECT_EQ(fw::Application::IsIdleMessage(msg), c.idle) << std::hex << c.message;
    }
}

} // namespace
