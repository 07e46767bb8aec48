// The "Editor" option page: the editor settings (tab length, indention,
// caret, saving, desktop, keys) and the editor font. The page edits a copy
// of the settings object and hands it back on OK; a font chosen with
// "Change..." is the application's at once.
#pragma once
#include <windows.h>

#include "editor/base/options.h"
#include "editor/base/settings_app.h"
#include "framework/property_sheet.h"

class COptionsPage : public fw::PropertyPage {
public:
    COptionsPage(COptions& options, AppSettings& app);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnApply() override;

private:
    // "every", the minutes and "minutes" follow "Automatic save".
    void EnableInterval();
    void OnChangeFont();

    COptions& m_options;
    AppSettings& m_app;
    COptions m_edit;
};
