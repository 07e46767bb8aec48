// The Win32 side of what the document core asks of the platform: file
// status as Windows reports it and the editor settings of the run (message
// boxes are the shared Win32MessageSink).
#pragma once
#include <windows.h>

#include "editor/base/win32_message_sink.h"
#include "editor/doc/doc_settings.h"
#include "editor/doc/open_documents.h"
#include "editor/doc/std_file_system.h"

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
