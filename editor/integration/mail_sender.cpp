#include "editor/integration/mail_sender.h"

#include "editor/doc/marl_doc.h"
#include "editor/integration/mail_library.h"
#include "editor/integration/mail_lists.h"

namespace {

std::string TempDirectory()
{
    char buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TEMP", buffer, sizeof buffer);
    return length < sizeof buffer ? std::string(buffer, length) : std::string();
}

// The document's current text, written to `path`; a failure is reported by
// the document's writer and the send goes on.
void WriteCopy(fw::Document& document, const std::string& path)
{
    if (auto* marl = dynamic_cast<CMarlDoc*>(&document))
        marl->Core().WriteTempCopy(path);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Adds the document's copy to the lists and writes it; false when it no
// longer fits.
bool AddCopy(MailLists& lists, fw::Document& document, const std::string& temp)
{
    const std::string path =
        UniqueMailCopyPath(temp, document.GetPathName(), [&](const std::string& p) {
            return lists.Contains(p) || FileExists(p);
        });
    if (!lists.Add(path, MailDisplayName(document.GetPathName())))
        return false;
    WriteCopy(document, path);
    return true;
}

// The copies hold the user's text: none stays behind in TEMP, whether the
// mail was sent, cancelled, or the library was missing.
void DeleteCopies(const MailLists& lists)
{
    for (const std::string& file : lists.Files())
        DeleteFileA(file.c_str());
}

void SendAndDelete(MailLibrary& library, const MailLists& lists, HWND owner)
{
    if (!lists.Files().empty())
        library.SendDocuments(owner, std::string(1, kMailDelimiter), lists.Paths(), lists.Names());
    library.Unbind();
    DeleteCopies(lists);
}

} // namespace

MailSender::MailSender(std::string library) : m_library(std::move(library)) {}

MailSender::MailSender() : MailSender(kMailLibraryName) {}

void MailSender::SendFile(fw::Document& document, HWND owner)
{
    // Nothing is written when there is no mail system to take it.
    MailLibrary library(m_library);
    if (library.Bind() != kMailBound)
        return;
    MailLists lists;
    AddCopy(lists, document, TempDirectory());
    SendAndDelete(library, lists, owner);
}

void MailSender::SendAllFiles(const std::vector<fw::Document*>& documents, HWND owner)
{
    const std::string temp = TempDirectory();
    MailLists lists;
    for (fw::Document* document : documents)
        AddCopy(lists, *document, temp);
    MailLibrary library(m_library);
    if (library.Bind() == kMailBound)
        SendAndDelete(library, lists, owner);
    else
        DeleteCopies(lists);
}
