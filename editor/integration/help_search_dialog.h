// CHelpSearchDlg: the "Search" dialog of a help lookup that found the word
// in several help files: the keyword, the files' titles in the order found,
// the first selected; OK or a double click chooses.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "editor/integration/help_lookup.h"
#include "framework/dialog.h"

class CHelpSearchDlg : public fw::Dialog {
public:
    CHelpSearchDlg(std::string word, std::vector<std::string> titles, HWND owner = nullptr);
    // The chosen title's position after OK.
    int m_nSelected = -1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    std::string m_word;
    std::vector<std::string> m_titles;
};

// The lookups' choice through the dialog.
class DialogHelpChooser : public HelpChooser {
public:
    std::optional<std::size_t> Choose(const std::string& word,
                                      const std::vector<std::string>& titles) override;
};
