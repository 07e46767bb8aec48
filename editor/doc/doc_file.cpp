// The document's side of new, open, save and close, the temporary copy and
// the file flags.
#include "editor/doc/doc_messages.h"
#include "editor/doc/file_error_report.h"
#include "editor/doc/file_names.h"
#include "editor/doc/marl_doc_core.h"
#include "editor/doc/text_file_io.h"

#include <algorithm>
#include <cstring>

// m_bSaving for one save, so that the check for files changed by other
// programs ignores the document's own writes.
class MarlDocCore::SavingScope {
public:
    explicit SavingScope(bool& saving) : m_saving(saving) { m_saving = true; }
    ~SavingScope() { m_saving = false; }
    SavingScope(const SavingScope&) = delete;
    SavingScope& operator=(const SavingScope&) = delete;

private:
    bool& m_saving;
};

bool MarlDocCore::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    m_bModified = false;
    if (m_text.Reset())
        return true;
    m_services.messages.ShowMessage(doc_text::kNoMemory, MessageIcon::Stop, MessageButtons::Ok);
    return false;
}

void MarlDocCore::DeleteContents()
{
    m_text.Free();
    m_undo.Clear();
    m_redo.Clear();
    DeleteTempCopy();
    m_bReadOnly = false;
    m_bUnixFile = false;
    m_bSaving = false;
    m_bJournalToRedo = false;
    m_bInRedo = false;
    m_nLineCount = 0;
    m_nChangeDelta = 0;
    AnnounceReset();
}

void MarlDocCore::DeleteTempCopy()
{
    if (m_strTempCopy.empty())
        return;
    FileError ignored;
    if (m_services.files.Exists(m_strTempCopy))
        m_services.files.Remove(m_strTempCopy, ignored);
    m_strTempCopy.clear();
}

void MarlDocCore::UpdateReadOnlyFromFile()
{
    FileStatus status;
    m_bReadOnly = !m_strPathName.empty() && m_services.files.GetStatus(m_strPathName, status) &&
                  (status.attribute & kAttributeReadOnly) != 0;
}

bool MarlDocCore::OnOpenDocument(const std::string& path)
{
    OfferTempCopy(path);
    // The text is read beside the old one and replaces it only when it is
    // complete: a reload that fails must not leave an empty document named
    // after the file, ready to be saved over it.
    std::unique_ptr<TextBlock> block;
    TextPos length = 0;
    int lineFeeds = 0;
    if (!ReadText(path, block, length, lineFeeds))
        return false;
    DeleteContents();
    m_text.Adopt(std::move(block), length);
    m_nLineCount = lineFeeds;
    if (!m_services.files.GetStatus(path, m_status))
        m_status = FileStatus{};
    // Nothing was converted: the file has LF line ends (or none).
    m_bUnixFile = m_status.size == GetLength();
    m_strPathName = path;
    m_bModified = false;
    AnnounceReset();
    return true;
}

void MarlDocCore::OfferTempCopy(const std::string& path)
{
    std::string copy = file_names::TempCopyName(path);
    if (!IsOffered(copy, path))
        return;
    MessageAnswer answer = m_services.messages.ShowMessage(
        doc_text::kTempCopyQuestion, MessageIcon::Question, MessageButtons::YesNo);
    FileError error = FileError::None;
    if (answer != MessageAnswer::Yes) {
        m_services.files.Remove(copy, error);
        return;
    }
    // One rename replaces the file by the copy: there is never a moment
    // without either of them.
    if (!m_services.files.Rename(copy, path, error))
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kFailedToOpen);
}

// Only a copy that can be this file's unsaved work: not the file itself
// (MAIN.CP~), not one written before the file was last saved, and not one
// that an open document of a like name (PAGE.HTML for PAGE.HTM) keeps.
bool MarlDocCore::IsOffered(const std::string& copy, const std::string& path)
{
    FileSystem& files = m_services.files;
    if (file_names::SameName(copy, path) || !files.Exists(copy))
        return false;
    FileStatus copyStatus;
    FileStatus fileStatus;
    if (files.GetStatus(copy, copyStatus) && files.GetStatus(path, fileStatus) &&
        copyStatus.modificationTime < fileStatus.modificationTime)
        return false;
    return !CopyOfAnotherDocument(copy, path);
}

bool MarlDocCore::CopyOfAnotherDocument(const std::string& copy, const std::string& path)
{
    if (m_services.openDocuments == nullptr)
        return false;
    for (const std::string& other : m_services.openDocuments->OpenPaths())
        if (!other.empty() && !file_names::SameName(other, path) &&
            file_names::SameName(file_names::TempCopyName(other), copy))
            return true;
    return false;
}

// Reads the file into a new block; reports and returns false on failure.
bool MarlDocCore::ReadText(const std::string& path, std::unique_ptr<TextBlock>& block,
                           TextPos& length, int& lineFeeds)
{
    FileError error = FileError::None;
    std::unique_ptr<FileReader> reader = m_services.files.OpenRead(path, error);
    if (!reader) {
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
        return false;
    }
    std::int64_t size = reader->Size();
    if (size >= 0 && size <= kMaxTextLength)
        block = m_services.blocks.Allocate(
            std::max(static_cast<std::size_t>(size), GapBuffer::kMinBlockSize));
    if (!block) {
        ReportTooLarge(m_services.messages, path);
        return false;
    }
    auto bytes = static_cast<std::size_t>(size);
    BlockLock lock(*block);
    std::size_t count = 0;
    std::size_t read = ReadTextFile(*reader, lock.Data(), bytes, count, error);
    if (error != FileError::None) {
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
        return false;
    }
    // What decoding left behind the text must be zero, like any free byte.
    std::memset(lock.Data() + read, 0, bytes - read);
    length = static_cast<TextPos>(read);
    lineFeeds = static_cast<int>(count);
    return true;
}

// The new text goes to a scratch file first; only when it is complete does
// the old file move to the backup name and the scratch file take its place.
// A full disk or any other failure leaves the file as it was.
bool MarlDocCore::OnSaveDocument(const std::string& path)
{
    if (path.empty())
        return true;
    SavingScope saving(m_bSaving);
    FileSystem& files = m_services.files;
    FileStatus old;
    const bool existed = files.GetStatus(path, old);
    const bool wantBackup =
        existed && m_services.settings.Backup() && !file_names::IsBackupFile(path);
    // A read-only file is not overwritten; with a backup it only changes
    // its name, as it always has.
    if (existed && !wantBackup && (old.attribute & kAttributeReadOnly) != 0) {
        ReportFileError(m_services.messages, FileError::AccessDenied, FileAccess::Writing, path,
                        doc_text::kInvalidFilename);
        return false;
    }
    const std::string scratch = file_names::SaveScratchName(path);
    if (!WriteScratch(path, scratch))
        return false;
    std::string backup;
    if (wantBackup && MakeBackup(path, file_names::BackupName(path)))
        backup = file_names::BackupName(path);
    else if (existed)
        files.CopyAttributes(path, scratch); // the new file replaces the old one in place
    FileError error = FileError::None;
    if (!files.Rename(scratch, path, error)) {
        FileError ignored;
        files.Remove(scratch, ignored);
        if (!backup.empty())
            RestoreBackup(backup, path);
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kFailedToSave);
        return false;
    }
    DeleteTempCopy();
    if (!files.GetStatus(path, m_status))
        m_status = FileStatus{};
    m_bModified = false;
    return true;
}

bool MarlDocCore::WriteScratch(const std::string& path, const std::string& scratch)
{
    FileSystem& files = m_services.files;
    FileError error = FileError::None;
    std::unique_ptr<FileWriter> writer = files.Create(scratch, error);
    if (!writer) {
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kInvalidFilename);
        return false;
    }
    bool written = false;
    {
        GapBuffer::Access access(m_text);
        written = WriteTextFile(*writer, m_text.Spans(0, GetLength()), !m_bUnixFile, error);
    }
    written = written && writer->Close(error);
    writer.reset();
    if (!written) {
        FileError ignored;
        files.Remove(scratch, ignored);
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kFailedToSave);
    }
    return written;
}

// The previous version goes to the backup name.  When that fails the user
// is told, and the save goes on without a backup.
bool MarlDocCore::MakeBackup(const std::string& path, const std::string& backup)
{
    FileSystem& files = m_services.files;
    FileError error = FileError::None;
    if ((!files.Exists(backup) || files.Remove(backup, error)) && files.Rename(path, backup, error))
        return true;
    ReportFileError(m_services.messages, error, FileAccess::Writing, backup,
                    doc_text::kFailedToSave);
    return false;
}

// The new file could not take its place: the old one goes back to its name.
void MarlDocCore::RestoreBackup(const std::string& backup, const std::string& path)
{
    FileError error = FileError::None;
    if (!m_services.files.Rename(backup, path, error))
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kFailedToSave);
}

bool MarlDocCore::WriteTempCopy(const std::string& path)
{
    std::string target = !path.empty()           ? path
                         : m_strPathName.empty() ? std::string()
                                                 : file_names::TempCopyName(m_strPathName);
    // MAIN.CP~ has no copy of its own: writing one would overwrite the file.
    if (target.empty() || (path.empty() && file_names::SameName(target, m_strPathName)))
        return false;
    SavingScope saving(m_bSaving);
    FileSystem& files = m_services.files;
    FileError error = FileError::None;
    if (files.Exists(target))
        files.Remove(target, error);
    std::unique_ptr<FileWriter> writer = files.Create(target, error);
    if (!writer) {
        ReportFileError(m_services.messages, error, FileAccess::Writing, target,
                        doc_text::kInvalidFilename);
        return false;
    }
    bool written = false;
    {
        GapBuffer::Access access(m_text);
        written = WriteTextFile(*writer, m_text.Spans(0, GetLength()), true, error);
    }
    written = written && writer->Close(error);
    writer.reset();
    if (!written) {
        // A cut-off copy would be offered on the next open as the file.
        FileError ignored;
        files.Remove(target, ignored);
        ReportFileError(m_services.messages, error, FileAccess::Writing, target,
                        doc_text::kFailedToSave);
        return false;
    }
    if (path.empty())
        m_strTempCopy = target;
    return true;
}
