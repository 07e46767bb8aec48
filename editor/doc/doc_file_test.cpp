#include "editor/doc/doc_test_support.h"

#include "editor/doc/doc_properties.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class DocFile : public ::testing::Test, public DocFixture {
protected:
    bool Open(const std::string& path) { return doc.OnOpenDocument(path); }
    bool Save(const std::string& path) { return doc.OnSaveDocument(path); }
    void Type(std::string_view text)
    {
        for (char c : text)
            doc.InsertChar(doc.GetLength(), c, 1);
    }
};

const char kNotFound[] =
    "MAIN.C\nCannot find this file.\nPlease verify that the correct path and file name are given.";

} // namespace

TEST_F(DocFile, LineEndsLoadAndSaveInTheFilesOwnForm)
{
    const struct {
        std::string file, text;
        bool unix;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb\n", false},
        {"a\nb\n", "a\nb\n", true},
        {"", "", true},
        {"no line end", "no line end", true},
        {"\r\n\r\n", "\n\n", false},
        {std::string("a\0\rb\r\n", 6), std::string("a\0\rb\n", 5), false},
    };
    for (const auto& c : cases) {
        files.Put("MAIN.C", c.file);
        ASSERT_TRUE(Open("MAIN.C"));
        EXPECT_EQ(Text(), c.text);
        EXPECT_EQ(doc.m_bUnixFile, c.unix) << c.file;
        EXPECT_EQ(doc.GetLineCount(), std::count(c.text.begin(), c.text.end(), '\n'));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), "MAIN.C");
        ASSERT_TRUE(Save("MAIN.C"));
        EXPECT_EQ(files.Get("MAIN.C"), c.file);
    }
}

TEST_F(DocFile, AnEmptyFileStaysUnix)
{
    files.Put("NEW.TXT", "");
    ASSERT_TRUE(Open("NEW.TXT"));
    Type("one\ntwo\n");
    ASSERT_TRUE(Save("NEW.TXT"));
    EXPECT_EQ(files.Get("NEW.TXT"), "one\ntwo\n");
}

TEST_F(DocFile, CtrlZEndsTheTextAndTheRestIsDroppedOnSaving)
{
    files.Put("MAIN.C", "ab\n\x1atail\n");
    ASSERT_TRUE(Open("MAIN.C"));
    EXPECT_EQ(Text(), "ab\n");
    EXPECT_FALSE(doc.m_bUnixFile); // something was dropped: not the same size
    ASSERT_TRUE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.C"), "ab\r\n");
}

TEST_F(DocFile, UnixFlagFromPropertiesChangesTheLineEnds)
{
    files.Put("MAIN.C", "a\r\nb");
    ASSERT_TRUE(Open("MAIN.C"));
    DocProperties properties = ReadProperties(doc);
    EXPECT_EQ(properties.name, "MAIN.C");
    EXPECT_EQ(properties.size, "3");
    EXPECT_EQ(properties.status, "Not changed");
    EXPECT_FALSE(properties.unixFile);
    properties.unixFile = true;
    properties.readOnly = true;
    ApplyProperties(properties, doc);
    EXPECT_TRUE(doc.m_bReadOnly);
    EXPECT_EQ(files.files["MAIN.C"].attribute, 0); // the file itself is not touched
    doc.InsertChar(3, '\n', 1);
    EXPECT_EQ(ReadProperties(doc).status, "Modified");
    ASSERT_TRUE(Save("MAIN.C")); // read-only in the editor does not stop saving
    EXPECT_EQ(files.Get("MAIN.C"), "a\nb\n");
}

TEST_F(DocFile, BackupHoldsThePreviouslySavedVersion)
{
    files.Put("MAIN.C", "v1");
    ASSERT_TRUE(Open("MAIN.C"));
    Type("+2");
    ASSERT_TRUE(Save("MAIN.C"));
    Type("+3");
    ASSERT_TRUE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.BAK"), "v1+2");
    EXPECT_EQ(files.Get("MAIN.C"), "v1+2+3");

    files.Put("X.BAK", "old");
    ASSERT_TRUE(Open("X.BAK"));
    Type("!");
    ASSERT_TRUE(Save("X.BAK"));
    EXPECT_FALSE(files.Has("X.BAK.BAK"));
    EXPECT_FALSE(files.Has("X.BAK.$$$"));
    EXPECT_EQ(files.Get("X.BAK"), "old!");
}

TEST_F(DocFile, ADiskThatFillsUpDuringTheSaveLeavesTheFileAsItWas)
{
    for (bool backup : {false, true}) {
        settings.backup = backup;
        files.files.clear();
        files.Put("MAIN.BAK", "older");
        files.Put("MAIN.C", "old\r\n", 0x20); // an attribute to keep (archive)
        ASSERT_TRUE(Open("MAIN.C"));
        Type("new");
        files.diskSpace = 4;
        messages.shown.clear();
        EXPECT_FALSE(Save("MAIN.C"));
        EXPECT_EQ(files.Get("MAIN.C"), "old\r\n") << backup;
        EXPECT_EQ(files.Get("MAIN.BAK"), "older");
        EXPECT_FALSE(files.Has("MAIN.C.$$$"));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_FALSE(doc.m_bSaving);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Destination disk drive is full."});

        files.diskSpace.reset();
        ASSERT_TRUE(Save("MAIN.C"));
        EXPECT_EQ(files.Get("MAIN.C"), "old\r\nnew");
        // Replaced in place it keeps its attributes; after a backup it is new.
        EXPECT_EQ(files.files["MAIN.C"].attribute, backup ? 0 : 0x20);
        EXPECT_EQ(files.Get("MAIN.BAK"), backup ? "old\r\n" : "older");
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(DocFile, ANewFileThatCannotTakeItsPlaceLeavesTheOldOneThere)
{
    files.Put("MAIN.C", "old");
    ASSERT_TRUE(Open("MAIN.C"));
    Type("+");
    files.renameFailures["MAIN.C.$$$"] = FileError::AccessDenied;
    EXPECT_FALSE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.C"), "old");
    EXPECT_FALSE(files.Has("MAIN.C.$$$"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Unable to write to MAIN.C, it is read-only or opened by "
                                       "someone else."});
}

TEST_F(DocFile, ALowerCaseBackupFileIsSavedWithoutABackup)
{
    files.Put("notes.bak", "old");
    ASSERT_TRUE(Open("notes.bak"));
    Type("+");
    ASSERT_TRUE(Save("notes.bak"));
    EXPECT_EQ(files.Get("notes.bak"), "old+");
    EXPECT_EQ(files.files.size(), 1u);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
}

TEST_F(DocFile, SaveFailuresAreReportedByCause)
{
    const struct {
        FileError cause;
        const char* text;
    } cases[] = {
        {FileError::NotFound, kNotFound},
        {FileError::AccessDenied,
         "Unable to write to MAIN.C, it is read-only or opened by someone else."},
        {FileError::DiskFull, "Destination disk drive is full."},
        {FileError::Other, "Invalid filename."},
    };
    for (const auto& c : cases) {
        files.createFailures["MAIN.C.$$$"] = c.cause;
        messages.shown.clear();
        EXPECT_FALSE(Save("MAIN.C"));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    }
}

TEST_F(DocFile, AReadOnlyFileIsNotOverwritten)
{
    settings.backup = false;
    files.Put("MAIN.C", "keep", kAttributeReadOnly);
    ASSERT_TRUE(Open("MAIN.C"));
    doc.UpdateReadOnlyFromFile();
    EXPECT_TRUE(doc.m_bReadOnly);
    EXPECT_FALSE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.C"), "keep");
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Unable to write to MAIN.C, it is read-only or opened by "
                                       "someone else."});

    settings.backup = true; // the read-only file becomes the backup
    messages.shown.clear();
    ASSERT_TRUE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.C"), "keep");
    EXPECT_EQ(files.files["MAIN.C"].attribute, 0);
    EXPECT_EQ(files.files["MAIN.BAK"].attribute, kAttributeReadOnly);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
}

TEST_F(DocFile, OpenFailures)
{
    EXPECT_FALSE(Open("MAIN.C"));
    files.Put("LOCKED.C", "x");
    files.openFailures["LOCKED.C"] = FileError::AccessDenied;
    EXPECT_FALSE(Open("LOCKED.C"));
    files.Put("BROKEN.C", "some text");
    files.readFailsAfter = 3;
    EXPECT_FALSE(Open("BROKEN.C"));
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{
                  kNotFound, "Unable to read from LOCKED.C, it is opened by someone else.",
                  "Failed to open document."}));
    EXPECT_EQ(doc.GetLength(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocFile, AFileLargerThanMemoryAllowsLoadsNothing)
{
    files.Put("BIG.TXT", std::string(5000, 'x'));
    blocks.limit = 4000;
    EXPECT_FALSE(Open("BIG.TXT"));
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"BIG.TXT is too large for the memory available."});
    EXPECT_EQ(doc.GetLength(), 0u);
    blocks.limit = static_cast<std::size_t>(-1);
    EXPECT_EQ(doc.InsertChar(0, 'a', 1), 1); // and the document still works
}

TEST_F(DocFile, TemporaryCopyIsOfferedOnOpen)
{
    files.Put("MAIN.C", "saved");
    files.Put("MAIN.~C", "unsaved");
    messages.answers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(Open("MAIN.C"));
    EXPECT_EQ(Text(), "unsaved");
    EXPECT_EQ(files.Get("MAIN.C"), "unsaved");
    EXPECT_FALSE(files.Has("MAIN.~C"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Trelvan EDIT found a temporary copy of this file.\n"
                                      "Do you want to load this copy?");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);

    files.Put("MAIN.~C", "unsaved again");
    messages.answers.push_back(MessageAnswer::No);
    ASSERT_TRUE(Open("MAIN.C"));
    EXPECT_EQ(Text(), "unsaved");
    EXPECT_FALSE(files.Has("MAIN.~C"));
}

TEST_F(DocFile, AReloadThatFailsKeepsTheDocumentAsItWas)
{
    const struct {
        bool modified;
        std::size_t memory;
        std::optional<std::size_t> readable;
        const char* message;
    } cases[] = {
        {true, 1 << 20, 3, "Failed to open document."},
        {false, 1 << 20, 3, "Failed to open document."},
        {true, 600, {}, "T.TXT is too large for the memory available."},
    };
    for (const auto& c : cases) {
        blocks.limit = static_cast<std::size_t>(-1);
        files.readFailsAfter.reset();
        Load("old text\n");
        if (c.modified)
            Type("more");
        ASSERT_TRUE(doc.WriteTempCopy());
        files.Put("T.TXT", std::string(1000, 'x')); // changed by another program
        blocks.limit = c.memory;
        files.readFailsAfter = c.readable;
        messages.shown.clear();
        EXPECT_FALSE(doc.OnOpenDocument("T.TXT"));
        EXPECT_EQ(Text(), c.modified ? "old text\nmore" : "old text\n");
        EXPECT_EQ(doc.IsModified(), c.modified);
        EXPECT_EQ(doc.UndoCount(), c.modified ? 4u : 0u);
        EXPECT_EQ(doc.GetLineCount(), 1);
        EXPECT_EQ(doc.GetPathName(), "T.TXT");
        EXPECT_TRUE(files.Has("T.TX~")); // the unsaved work stays protected
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message});
    }
}

TEST_F(DocFile, OnlyACopyThatCanBeThisFilesUnsavedWorkIsOffered)
{
    const struct {
        const char* why;
        const char* path;
        const char* copy;
        bool copyIsNewer;
        std::vector<std::string> open;
        bool offered;
    } cases[] = {
        {"the copy", "MAIN.C", "MAIN.~C", true, {}, true},
        {"saved after the copy", "MAIN.C", "MAIN.~C", false, {}, false},
        {"the file itself", "MAIN.CP~", "MAIN.CP~", true, {}, false},
        {"another open file's", "PAGE.HTM", "PAGE.HT~", true, {"C:\\X", "page.html"}, false},
        {"this file's, on reload", "PAGE.HTM", "PAGE.HT~", true, {"page.htm"}, true},
    };
    for (const auto& c : cases) {
        files.files.clear();
        if (!c.copyIsNewer)
            files.Put(c.copy, "copy");
        files.Put(c.path, "file");
        if (c.copyIsNewer)
            files.Put(c.copy, "copy");
        openDocuments.paths = c.open;
        messages.shown.clear();
        messages.answers = {MessageAnswer::No};
        ASSERT_TRUE(Open(c.path)) << c.why;
        EXPECT_EQ(messages.shown.size(), c.offered ? 1u : 0u) << c.why;
        EXPECT_EQ(Text(), c.copyIsNewer && std::string(c.copy) == c.path ? "copy" : "file");
        // Declined copies go; the others are not this document's to remove.
        EXPECT_EQ(files.Has(c.copy), !c.offered) << c.why;
        doc.DeleteContents();
        EXPECT_EQ(files.Has(c.copy), !c.offered) << c.why;
    }
}

TEST_F(DocFile, AFileNamedLikeATemporaryCopyIsNeverWrittenAsOne)
{
    files.Put("MAIN.CP~", "mine");
    ASSERT_TRUE(Open("MAIN.CP~"));
    Type("+");
    EXPECT_FALSE(doc.WriteTempCopy());
    EXPECT_EQ(files.Get("MAIN.CP~"), "mine");
    doc.DeleteContents();
    EXPECT_EQ(files.Get("MAIN.CP~"), "mine");
}

TEST_F(DocFile, TemporaryCopies)
{
    EXPECT_FALSE(doc.WriteTempCopy()); // untitled: nowhere to write
    files.Put("MAIN.CPP", "a\nb");
    ASSERT_TRUE(Open("MAIN.CPP"));
    EXPECT_TRUE(doc.m_bUnixFile);
    doc.InsertChar(0, '>', 1);
    FileStatus before = doc.m_status;
    ASSERT_TRUE(doc.WriteTempCopy());
    EXPECT_EQ(files.Get("MAIN.CP~"), ">a\r\nb"); // always CR LF
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_status, before);
    EXPECT_FALSE(doc.m_bSaving);

    ASSERT_TRUE(doc.WriteTempCopy("MAIL.TXT"));
    EXPECT_EQ(files.Get("MAIL.TXT"), ">a\r\nb");

    files.diskSpace = 2; // a cut-off copy must not be left to be offered later
    EXPECT_FALSE(doc.WriteTempCopy());
    EXPECT_FALSE(files.Has("MAIN.CP~"));
    files.diskSpace.reset();

    ASSERT_TRUE(doc.WriteTempCopy());
    ASSERT_TRUE(Save("MAIN.CPP")); // saving removes the copy
    EXPECT_FALSE(files.Has("MAIN.CP~"));
    ASSERT_TRUE(doc.WriteTempCopy());
    doc.DeleteContents(); // and so does closing
    EXPECT_FALSE(files.Has("MAIN.CP~"));
}

TEST_F(DocFile, StatusFollowsTheFileAndTheReadOnlyFlagItsAttribute)
{
    files.Put("MAIN.C", "x\r\n", kAttributeReadOnly);
    ASSERT_TRUE(Open("MAIN.C"));
    EXPECT_EQ(doc.m_status.size, 3);
    EXPECT_EQ(doc.m_status.attribute, kAttributeReadOnly);
    EXPECT_EQ(doc.m_status.modificationTime, files.files["MAIN.C"].modificationTime);
    EXPECT_FALSE(doc.m_bReadOnly); // set when the first view is shown
    doc.UpdateReadOnlyFromFile();
    EXPECT_TRUE(doc.m_bReadOnly);

    files.files["MAIN.C"].attribute = 0;
    ASSERT_TRUE(Save("MAIN.C"));
    EXPECT_EQ(doc.m_status.modificationTime, files.files["MAIN.C"].modificationTime);

    ASSERT_TRUE(doc.OnNewDocument());
    doc.UpdateReadOnlyFromFile();
    EXPECT_FALSE(doc.m_bReadOnly);
    EXPECT_TRUE(Save("")); // untitled, no name: nothing written, no failure
}

TEST_F(DocFile, ABackupThatCannotBeMadeIsReportedAndTheSaveGoesOn)
{
    files.Put("MAIN.C", "v1");
    files.Put("MAIN.BAK", "v0");
    files.removeFailures["MAIN.BAK"] = FileError::AccessDenied;
    ASSERT_TRUE(Open("MAIN.C"));
    Type("+");
    EXPECT_TRUE(Save("MAIN.C"));
    EXPECT_EQ(files.Get("MAIN.C"), "v1+");
    EXPECT_EQ(files.Get("MAIN.BAK"), "v0");
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"Unable to write to MAIN.BAK, it is read-only or opened by "
                                       "someone else."});
}
