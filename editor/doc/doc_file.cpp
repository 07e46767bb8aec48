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
    if (m_strPathName.empty())
        return;
    std::string copy = file_names::TempCopyName(m_strPathName);
    FileError ignored;
    if (m_services.files.Exists(copy))
        m_services.files.Remove(copy, ignored);
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
    FileError error = FileError::None;
    std::unique_ptr<FileReader> reader = m_services.files.OpenRead(path, error);
    if (!reader) {
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
        return false;
    }
    DeleteContents();
    m_bModified = true;
    if (!LoadText(*reader, error)) {
        DeleteContents();
        // An empty document must not be saved over the file by mistake.
        m_bModified = false;
        ReportFileError(m_services.messages, error, FileAccess::Reading, path,
                        doc_text::kFailedToOpen);
        return false;
    }
    reader.reset();
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
    if (!m_services.files.Exists(copy))
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

bool MarlDocCore::LoadText(FileReader& reader, FileError& error)
{
    error = FileError::Other; // memory shortage has no cause of its own
    std::int64_t size = reader.Size();
    if (size < 0 || size > kMaxTextLength)
        return false;
    auto bytes = static_cast<std::size_t>(size);
    std::unique_ptr<TextBlock> block =
        m_services.blocks.Allocate(std::max(bytes, GapBuffer::kMinBlockSize));
    if (!block)
        return false;
    std::size_t length;
    {
        BlockLock lock(*block);
        std::size_t lineFeeds = 0;
        length = ReadTextFile(reader, lock.Data(), bytes, lineFeeds, error);
        if (error != FileError::None)
            return false;
        // What decoding left behind the text must be zero, like any free byte.
        std::memset(lock.Data() + length, 0, bytes - length);
        m_nLineCount = static_cast<int>(lineFeeds);
    }
    m_text.Adopt(std::move(block), static_cast<TextPos>(length));
    return true;
}

bool MarlDocCore::OnSaveDocument(const std::string& path)
{
    if (path.empty())
        return true;
    SavingScope saving(m_bSaving);
    if (m_services.settings.Backup() && !file_names::IsBackupFile(path))
        MakeBackup(path);
    std::string copy = file_names::TempCopyName(path);
    FileError ignored;
    if (m_services.files.Exists(copy))
        m_services.files.Remove(copy, ignored);
    if (!ReplaceFileSafely(path))
        return false;
    if (!m_services.files.GetStatus(path, m_status))
        m_status = FileStatus{};
    m_bModified = false;
    return true;
}

// The previous version goes to the backup name.  When that fails the user
// is told, and the save goes on without a backup (it still never leaves
// the user without a file).
void MarlDocCore::MakeBackup(const std::string& path)
{
    std::string backup = file_names::BackupName(path);
    FileError error = FileError::None;
    if (m_services.files.Exists(backup) && !m_services.files.Remove(backup, error)) {
        ReportFileError(m_services.messages, error, FileAccess::Writing, backup,
                        doc_text::kFailedToSave);
        return;
    }
    if (m_services.files.Exists(path) && !m_services.files.Rename(path, backup, error))
        ReportFileError(m_services.messages, error, FileAccess::Writing, backup,
                        doc_text::kFailedToSave);
}

// Writes a scratch file beside `path` and renames it over the file only
// when it is complete, so a failed save leaves the old file untouched.
bool MarlDocCore::ReplaceFileSafely(const std::string& path)
{
    FileSystem& files = m_services.files;
    FileStatus old;
    bool existed = files.GetStatus(path, old);
    if (existed && (old.attribute & kAttributeReadOnly) != 0) {
        ReportFileError(m_services.messages, FileError::AccessDenied, FileAccess::Writing, path,
                        doc_text::kInvalidFilename);
        return false;
    }
    std::string scratch = file_names::SaveScratchName(path);
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
    if (written && existed)
        files.CopyAttributes(path, scratch);
    if (!written || !files.Rename(scratch, path, error)) {
        FileError ignored;
        files.Remove(scratch, ignored);
        ReportFileError(m_services.messages, error, FileAccess::Writing, path,
                        doc_text::kFailedToSave);
        return false;
    }
    return true;
}

bool MarlDocCore::WriteTempCopy(const std::string& path)
{
    std::string target = !path.empty()           ? path
                         : m_strPathName.empty() ? std::string()
                                                 : file_names::TempCopyName(m_strPathName);
    if (target.empty())
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
    return true;
}
