// CToolEdit: the "Tools" page of the option sheet.  Every edit goes at once
// into the tool table; OK stores the table and reloads it (and the menu),
// Cancel reloads it, throwing the page's changes away.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "editor/automation/tool_menu.h"
#include "framework/controls.h"
#include "framework/property_sheet.h"

inline constexpr const char* kNoSpaceForTools = "No space for additional tools available";

class CToolEdit : public fw::PropertyPage {
public:
    explicit CToolEdit(ToolsMenu& tools);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnApply() override;
    void OnReset() override;

    // The program "Add..." puts on the menu: the open dialog "Add tool";
    // none when cancelled.  Tests answer it.
    virtual std::optional<std::string> ChooseProgram();

private:
    fw::ListBoxControl List() const;
    int Selected() const { return List().GetCurSel(); }
    int ListCount() const { return List().GetCount(); }

    void Select(int index);
    void ShowEntry(int index);
    void UpdateMoveButtons();
    void OnFieldChanged(int id);
    void OnAskChanged();
    void OnAdd();
    void OnDelete();
    void OnMove(int step);
    void ReplaceListItem(int index);

    ToolsMenu& m_tools;
    bool m_bShowing = false; // fields being filled from the table
};
