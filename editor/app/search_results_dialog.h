// CSearchResultsDialog ("Search results"): the modeless list of the last
// search's matching lines.  Each item keeps its result, so Goto and Touch
// reach the file whatever its name holds (": ", blanks) and wherever the
// current directory has moved since.
#pragma once
#include <windows.h>

#include <vector>

#include "editor/search/find_in_files.h"
#include "framework/dialog.h"

class CSearchResultsDialog : public fw::Dialog {
public:
    explicit CSearchResultsDialog(HWND owner);

    // The selected item's result, or null without a selection.
    const SearchResult* Selected() const;
    const std::vector<SearchResult>& Results() const { return m_results; }

    // Opens the file of the selected result at its line.
    void Goto();
    // Sets the selected file's last-access and last-write times to now.
    void Touch();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { Goto(); }
    bool OnCommand(int id, int code, HWND control) override;

private:
    std::vector<SearchResult> m_results;
};
