// The program's side of help on a word and of Outline: the [Help] and
// [Outliner] sections, the help viewer and the Search dialog, the outliner
// libraries.  The application owns one for the whole run.
#pragma once
#include <string>

#include "editor/base/win32_message_sink.h"
#include "editor/integration/help_lookup.h"
#include "editor/integration/help_search_dialog.h"
#include "editor/integration/profile_section_win32.h"

class CMarlView;

// The platform's help viewer, asked for a partial keyword (command 0x105).
class WinHelpViewer : public HelpViewer {
public:
    void ShowKeyword(const std::string& path, const std::string& word) override;
};

class CEditorLookups {
public:
    void ShowHelpForWord(const std::string& word, const std::string& documentPath);
    // Outline (command 32852) of `view`: its library loaded on first use
    // by the document's extension, the outline function called every time.
    void ShowOutline(CMarlView& view);

    HelpIndex& Help() { return m_help; }

private:
    ProgramProfileSection m_helpSection{"Help"};
    ProgramProfileSection m_outlinerSection{"Outliner"};
    Win32MessageSink m_messages;
    WinHelpViewer m_viewer;
    DialogHelpChooser m_chooser;
    HelpIndex m_help{m_helpSection, m_messages, m_viewer, m_chooser};
};
