#include "editor/doc/std_file_system.h"

#include "editor/doc/doc_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A document on the real disk, in a directory of its own.
class RealFiles : public ::testing::Test {
protected:
    RealFiles()
    {
        m_dir = fs::temp_directory_path() /
                ("doc_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        doc.OnNewDocument();
    }
    ~RealFiles() override
    {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
    RecordingMessageSink messages;
    StdFileSystem files;
    HeapTextBlockFactory blocks;
    FixedDocSettings settings;
    MarlDocCore doc{DocServices{messages, files, blocks, settings}};
};

} // namespace

TEST_F(RealFiles, LoadEditSaveWithBackup)
{
    Write("MAIN.C", "int a;\r\nint b;\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("MAIN.C")));
    EXPECT_EQ(doc.GetLength(), 14u);
    EXPECT_FALSE(doc.m_bUnixFile);
    doc.InsertString(14, "int c;\n", 3);
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("MAIN.C")));
    EXPECT_EQ(Read("MAIN.C"), "int a;\r\nint b;\r\nint c;\r\n");
    EXPECT_EQ(Read("MAIN.BAK"), "int a;\r\nint b;\r\n");
    EXPECT_FALSE(fs::exists(PathOf("MAIN.C.$$$")));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RealFiles, StatusAndReadOnlyAttribute)
{
    Write("RO.TXT", "x\n");
    fs::permissions(PathOf("RO.TXT"), fs::perms::owner_read | fs::perms::group_read);
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("RO.TXT")));
    doc.UpdateReadOnlyFromFile();
    EXPECT_TRUE(doc.m_bReadOnly);
    EXPECT_EQ(doc.m_status.size, 2);
    EXPECT_EQ(doc.m_status.attribute & kAttributeReadOnly, kAttributeReadOnly);
    auto now = std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count();
    EXPECT_NEAR(static_cast<double>(doc.m_status.modificationTime), static_cast<double>(now), 60);
    EXPECT_EQ(fs::path(doc.m_status.fullPath), fs::absolute(PathOf("RO.TXT")));
    settings.backup = false;
    EXPECT_FALSE(doc.OnSaveDocument(PathOf("RO.TXT")));
    EXPECT_EQ(Read("RO.TXT"), "x\n");
}

TEST_F(RealFiles, SavingKeepsThePermissions)
{
    settings.backup = false;
    Write("KEEP.SH", "echo\n");
    fs::permissions(PathOf("KEEP.SH"), fs::perms::owner_all | fs::perms::group_read);
    ASSERT_TRUE(doc.OnOpenDocument(PathOf("KEEP.SH")));
    doc.InsertChar(0, '#', 1);
    ASSERT_TRUE(doc.OnSaveDocument(PathOf("KEEP.SH")));
    EXPECT_EQ(Read("KEEP.SH"), "#echo\n");
    EXPECT_EQ(fs::status(PathOf("KEEP.SH")).permissions(),
              fs::perms::owner_all | fs::perms::group_read);
}

TEST_F(RealFiles, FailuresByCause)
{
    EXPECT_FALSE(doc.OnOpenDocument(PathOf("MISSING.C")));
    EXPECT_FALSE(doc.OnOpenDocument(m_dir.string())); // a directory
    EXPECT_FALSE(doc.OnSaveDocument(PathOf("NO/SUCH/DIR.C")));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "MISSING.C\nCannot find this file.\nPlease verify that the "
                                      "correct path and file name are given.");
    EXPECT_EQ(messages.shown[1].text, "Unable to read from " + m_dir.filename().string() +
                                          ", it is opened by someone else.");
    EXPECT_EQ(messages.shown[2].text, "DIR.C\nCannot find this file.\nPlease verify that the "
                                      "correct path and file name are given.");
}
