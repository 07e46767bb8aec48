// The "Extensions" option page: the file types of the file dialogs and of
// the file-open window. The page edits a working copy; OK writes the
// Extensions section and rebuilds the application's list from it.
#pragma once
#include <functional>

#include "editor/app/options_page_models.h"
#include "editor/app/profile.h"
#include "editor/app/settings_extension_table.h"
#include "framework/controls.h"
#include "framework/property_sheet.h"

class CExtensions : public fw::PropertyPage {
public:
    // `onRebuilt` runs after OK has rebuilt the list (the file-open window
    // regroups its files).
    CExtensions(ExtensionTable& table, Profile& profile, std::function<void()> onRebuilt = {});

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnApply() override;

private:
    fw::ListBoxControl List() const;
    void FillList();
    void ShowSelected();
    void OnFieldChanged(int id);

    ExtensionTable& m_table;
    Profile& m_profile;
    std::function<void()> m_onRebuilt;
    ExtensionList m_list;
    bool m_bShowing = false; // fields being filled, not typed in
};
