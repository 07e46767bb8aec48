// The writer of the real file system on the C library the program runs on:
// built into the native tests and, as a Windows test, run under Wine.
#include "editor/doc/std_file_system.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// A file whose writes always fail with "disk full", or empty.
std::string AlwaysFullDevice()
{
#ifdef _WIN32
    // Only Wine has one, the Unix device under the drive of the Unix root.
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr)
        return {};
    return "Z:\\dev\\full";
#else
    return "/dev/full";
#endif
}

} // namespace

// Writes to this device always fail with "disk full".  A small file's bytes
// wait in the C library's buffer until Close, and some C libraries report
// that last write only from the flush, not from closing.
TEST(StdFileWriter, ADiskFullAtTheLastFlushFailsTheClose)
{
    const std::string full = AlwaysFullDevice();
    StdFileSystem files;
    FileError error = FileError::None;
    std::unique_ptr<FileWriter> writer = full.empty() ? nullptr : files.Create(full, error);
    if (!writer)
        GTEST_SKIP() << "no always-full device on this system";
    EXPECT_TRUE(writer->Write("text\r\n", 6, error)); // only buffered so far
    EXPECT_FALSE(writer->Close(error));
    EXPECT_EQ(error, FileError::DiskFull);
}
