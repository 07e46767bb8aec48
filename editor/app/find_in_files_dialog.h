// CFindInFilesDialog ("File Search"): what to search for and where; OK runs
// the search, showing each file beside "Searching:", and leaves the results
// in SearchResults.
#pragma once
#include <windows.h>

#include <string>

#include "editor/base/message_sink.h"
#include "editor/search/find_in_files.h"
#include "framework/dialog.h"

// The "Searching:" field is repainted at most this often, so that showing
// progress does not cost the search its speed.
inline constexpr DWORD kSearchingRepaintMs = 50;

class CFindInFilesDialog : public fw::Dialog {
public:
    CFindInFilesDialog(HWND owner, FindFileSystem& fs, MessageSink& sink);

    std::string m_strSearchFor;
    std::string m_strFileSpec = "*.c *.cpp";
    bool m_bSource = true;
    bool m_bHeader = false;
    bool m_bAll = false;
    std::string m_strDirectory;
    bool m_bIgnoreCase = false;
    bool m_bRegularExpression = false;
    // The current directory when the dialog was made ("Current" puts it back).
    std::string m_strCurrentDirectory;

    // 0 repaints for every file; m_nRepaints counts what the last search did.
    DWORD m_nRepaintIntervalMs = kSearchingRepaintMs;
    int m_nRepaints = 0;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    class SearchingField;
    void OnAll();
    void OnSourceOrHeader();

    FindFileSystem& m_fs;
    MessageSink& m_sink;
};
