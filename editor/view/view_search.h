// The editor window's side of Find, Replace, Replace All and Find next: the
// dialogs' notifications, the last-found position and the search history.
#pragma once
#include <windows.h>

#include <string>

#include "editor/doc/text_pos.h"
#include "framework/command_target.h"

class CMarlView;
class CFindRegexDialog;

inline constexpr char kCannotFind[] = "Cannot find '";
// The spelling is the one users have always seen.
inline constexpr char kNoMoreOccurrences[] = "No more occurences of '";

class ViewSearch {
public:
    explicit ViewSearch(CMarlView& view) : m_view(view) {}
    ViewSearch(const ViewSearch&) = delete;
    ViewSearch& operator=(const ViewSearch&) = delete;
    // A dialog this window owns goes with it.
    ~ViewSearch() { OnViewDestroyed(); }
    void OnViewDestroyed();

    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui);
    // The find/replace dialog's registered message.
    LRESULT OnFindReplaceMessage(LPARAM lParam);

    TextPos LastFound() const { return m_lastFound; }

private:
    void OnSearch();
    void OnReplace();
    void OnFindNextCommand();
    void OnUpdateFindNext(fw::CmdUI& ui);
    void OpenDialog(bool replace);
    // Steps 3 on of a search for s with the option word of the history.
    bool FindNext(const std::string& s, int options);
    void ReplaceSelection(CFindRegexDialog& dialog);
    void ReplaceEverything(CFindRegexDialog& dialog);
    // A bulk change of the text: every view recounts; the caret goes to pos.
    void AfterBulkChange(TextPos pos);

    CMarlView& m_view;
    TextPos m_lastFound = kNoPos;
};
