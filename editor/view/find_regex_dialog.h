// CFindRegexDialog: the platform's Find or Replace dialog with the editor's
// "Regular expression" check box.  One exists at a time in the process.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/common_dialogs.h"

class CMarlView;

class CFindRegexDialog : public fw::FindReplaceDialog {
public:
    bool m_bRegularExpression = false;

    // Closes whatever dialog is open and opens the Find (replace false) or
    // Replace dialog owned by view; the find string starts as given.
    static CFindRegexDialog* Open(CMarlView& view, bool replace, const std::string& findWhat);
    // The open dialog, or null; and whether it is the Replace dialog.
    static CFindRegexDialog* Current();
    static bool IsReplaceMode();
    static CMarlView* Owner();
    // Forgets the open dialog and destroys its window; without
    // destroyWindow the platform is closing it already.
    static void Close(bool destroyWindow = true);

protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
};
