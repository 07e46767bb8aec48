// Where an editor window reads the application's settings: the editor font,
// ColorMode and the colours belong to the application object, the editor
// options (tab length, caret shape, blanks, line cut) to g_pOptions.  An
// application that keeps them implements ViewSettingsOwner; without one the
// values of an empty profile apply.
#pragma once
#include "editor/base/options.h"
#include "editor/base/options_print.h"
#include "editor/base/settings_app.h"

class ViewSettingsOwner {
public:
    virtual ~ViewSettingsOwner() = default;
    virtual const AppSettings& GetAppSettings() const = 0;
};

// The application's settings, or the defaults.
const AppSettings& CurrentAppSettings();
// *g_pOptions, or the defaults.
const COptions& CurrentOptions();
// *g_pPrintOptions, or the defaults.
const CPrintOptions& CurrentPrintOptions();
