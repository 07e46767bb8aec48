#include "editor/doc/file_names.h"

#include <gtest/gtest.h>

TEST(FileNames, TemporaryCopyName)
{
    const struct {
        const char* path;
        const char* copy;
    } cases[] = {
        {"MAIN.C", "MAIN.~C"},
        {"NOTES", "NOTES.~"},
        {"MAIN.CPP", "MAIN.CP~"},
        {"A.H", "A.~H"},
        {"X.", "X.~"},
        {"C:\\SRC\\MAIN.CPP", "C:\\SRC\\MAIN.CP~"},
        {"C:\\V1.0\\README", "C:\\V1.0\\README.~"}, // a dot in a directory does not count
        {"/tmp/v1.0/main.c", "/tmp/v1.0/main.~c"},
        {"ARCHIVE.TAR.GZ", "ARCHIVE.TA~"}, // the first dot of the name splits it
    };
    for (const auto& c : cases)
        EXPECT_EQ(file_names::TempCopyName(c.path), c.copy) << c.path;
}

TEST(FileNames, BackupName)
{
    EXPECT_EQ(file_names::BackupName("MAIN.C"), "MAIN.BAK");
    EXPECT_EQ(file_names::BackupName("MAIN.H"), "MAIN.BAK");
    EXPECT_EQ(file_names::BackupName("C:\\A.B\\NOTES"), "C:\\A.B\\NOTES.BAK");
    EXPECT_EQ(file_names::BackupName("ARCHIVE.TAR.GZ"), "ARCHIVE.BAK");
}

TEST(FileNames, BackupFilesAndNamesIgnoreCase)
{
    const struct {
        const char* path;
        bool backup;
    } cases[] = {
        {"X.BAK", true},    {"notes.bak", true}, {"C:\\SRC\\Notes.Bak", true},
        {"MAIN.C", false},  {"BAK", false},      {"C:\\BAK\\MAIN.C", false},
        {"MAIN.BA", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(file_names::IsBackupFile(c.path), c.backup) << c.path;
    EXPECT_TRUE(file_names::SameName("main.cp~", "MAIN.CP~"));
    EXPECT_FALSE(file_names::SameName("MAIN.C", "MAIN.C~"));
}

TEST(FileNames, TitlesTabsAndMailCopies)
{
    EXPECT_EQ(file_names::FileNamePart("C:\\SRC\\MAIN.C"), "MAIN.C");
    EXPECT_EQ(file_names::FileNamePart("src/main.c"), "main.c");
    EXPECT_EQ(file_names::TitleFor(""), "Untitled");
    EXPECT_EQ(file_names::TitleFor("C:\\SRC\\MAIN.C"), "C:\\SRC\\MAIN.C");
    EXPECT_EQ(file_names::TabNameFor("C:\\SRC\\MAIN.C"), "MAIN.C");
    EXPECT_EQ(file_names::TabNameFor(""), "Untitled");
    EXPECT_EQ(file_names::MailCopyPath("C:\\TEMP", "C:\\SRC\\MAIN.C"), "C:\\TEMP\\MAIN.C");
    EXPECT_EQ(file_names::MailCopyPath("C:\\TEMP\\", ""), "C:\\TEMP\\Untitled");
}
