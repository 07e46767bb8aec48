// The editor window's jumps that need no dialog: bookmarks, brace matching
// and selecting everything.
#pragma once
#include <windows.h>

#include "editor/doc/text_pos.h"
#include "framework/command_target.h"

class CMarlView;

class ViewNavigation {
public:
    explicit ViewNavigation(CMarlView& view) : m_view(view) {}

    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui);

private:
    void OnToggleBookmark();
    void OnNextBookmark();
    void OnPreviousBookmark();
    void OnClearBookmarks();
    void OnMatchBrace();
    void OnSelectAll();
    void GoToBookmark(bool next);

    CMarlView& m_view;
};
