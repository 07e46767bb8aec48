#include "editor/integration/help_lookup.h"

#include "editor/integration/help_file.h"

void HelpIndex::ShowHelpForWord(const std::string& word, const std::string& extension)
{
    std::string files = m_help.Read(extension);
    if (files.empty())
        files = m_help.Read("*");
    if (files.empty()) {
        m_messages.ShowMessage(kNoHelpFilesText, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    // One file: the viewer finds the topic itself, nothing is read here.
    if (files.find(';') == std::string::npos) {
        m_viewer->ShowKeyword(files, word);
        return;
    }
    HelpLookup(word, files);
}

void HelpIndex::HelpLookup(const std::string& word, const std::string& files)
{
    m_helpPaths.clear();
    m_helpTitles.clear();
    std::string rest = files;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string path = rest.substr(0, end);
        rest.erase(0, end == std::string::npos ? rest.size() : end + 1);
        const HelpFileAnswer answer = SearchHelpFile(path, word);
        switch (answer.status) {
        case HelpFileStatus::Found:
            m_helpPaths.push_back(path);
            m_helpTitles.push_back(answer.title);
            break;
        case HelpFileStatus::CantOpen:
            m_messages.ShowMessage("can't open file", MessageIcon::None, MessageButtons::Ok);
            break;
        case HelpFileStatus::NoTitleIndex:
            m_messages.ShowMessage("Can't locate |TTLBTREE file", MessageIcon::None,
                                   MessageButtons::Ok);
            break;
        case HelpFileStatus::NotFound:
        case HelpFileStatus::NotHelpFile:
        case HelpFileStatus::Damaged:
            break;
        }
    }
    if (m_helpPaths.empty()) {
        m_messages.ShowMessage("No help found for " + word, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    if (m_helpPaths.size() == 1) {
        m_viewer->ShowKeyword(m_helpPaths.front(), word);
        return;
    }
    if (auto chosen = m_chooser.Choose(word, m_helpTitles); chosen && *chosen < m_helpPaths.size())
        m_viewer->ShowKeyword(m_helpPaths[*chosen], word);
}
