// The Win32 side of what the document core asks of the platform: message
// boxes captioned with the application title, file status as Windows
// reports it, and the editor settings of the run.
#pragma once
#include <windows.h>

#include "editor/app/message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/open_documents.h"
#include "editor/doc/std_file_system.h"

// Exclamation for user errors, stop for "No Memory", question for questions;
// through the application's message box when there is an application.
class Win32MessageSink : public MessageSink {
public:
    MessageAnswer ShowMessage(std::string_view text, MessageIcon icon,
                              MessageButtons buttons) override;
};

// Creation, modification and access times and the read-only attribute as
// the platform keeps them; reading and writing as the standard library does.
class Win32FileSystem : public StdFileSystem {
public:
    bool GetStatus(const std::string& path, FileStatus& status) override;
};

// The settings object of the run (g_pOptions), or its defaults.
class OptionsDocSettings : public DocSettings {
public:
    bool AutoIndent() const override;
    bool UseBlanks() const override;
    bool Backup() const override;
    int TabLength() const override;
};

// The documents of the running application.
class AppOpenDocuments : public OpenDocuments {
public:
    std::vector<std::string> OpenPaths() override;
};
