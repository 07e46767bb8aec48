// Help on a word: the help files associated with the document's extension
// ([Help], "*" for the rest), the search of their title indexes when there
// are several, and the choice between the files that know the word.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "editor/base/message_sink.h"
#include "editor/integration/profile_section.h"

inline constexpr char kNoHelpFilesText[] =
    "There are no help files defined for this extension, nor are\n"
    "there any default help files specified. Please use \"Helpfiles...\"\n"
    "from the Options menu to define help files.";
inline constexpr char kSelectExtensionText[] =
    "You must first enter/select an extension you want to add helpfiles for.";

// The platform's help viewer: shows the topic found for `word` (a partial
// keyword) in the help file `path`.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void ShowKeyword(const std::string& path, const std::string& word) = 0;
};

// The "Search" dialog: which of `titles` to open, or nothing (Cancel).
class HelpChooser {
public:
    virtual ~HelpChooser() = default;
    virtual std::optional<std::size_t> Choose(const std::string& word,
                                              const std::vector<std::string>& titles) = 0;
};

class HelpIndex {
public:
    HelpIndex(ProfileSection& help, MessageSink& messages, HelpViewer& viewer,
              HelpChooser& chooser)
        : m_help(help), m_messages(messages), m_viewer(&viewer), m_chooser(chooser)
    {
    }
    void SetViewer(HelpViewer& viewer) { m_viewer = &viewer; }

    void ShowHelpForWord(const std::string& word, const std::string& extension);
    // `files`: paths separated by ";", each used as it stands.
    void HelpLookup(const std::string& word, const std::string& files);

    // The files of the last lookup that know the word, and their titles.
    std::vector<std::string> m_helpPaths;
    std::vector<std::string> m_helpTitles;

private:
    ProfileSection& m_help;
    MessageSink& m_messages;
    HelpViewer* m_viewer;
    HelpChooser& m_chooser;
};
