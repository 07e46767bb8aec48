// Sending documents by mail: each document's current text is written to a
// temporary copy in the TEMP directory, the copies go to the mail system as
// attachments, and they are deleted again whatever the mail system did.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/document.h"

class MailSender {
public:
    // `library` names the mail library (tests give their own).
    explicit MailSender(std::string library);
    MailSender();

    // The active document; nothing happens when the mail library is
    // missing or incomplete.
    void SendFile(fw::Document& document, HWND owner);
    // Every open document in one message; documents whose entries no longer
    // fit into the lists are left out.
    void SendAllFiles(const std::vector<fw::Document*>& documents, HWND owner);

private:
    std::string m_library;
};
