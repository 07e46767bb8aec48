// Where the settings live during a run, gathered for the code that reads and
// writes them: the settings object, the print settings object, the
// application's own settings, the desktop flag, the current workset name and
// the ExtensionTable.
#pragma once
#include "editor/base/options.h"
#include "editor/app/options_print.h"
#include "editor/base/settings_app.h"
#include "editor/app/settings_extension_table.h"
#include "editor/app/settings_workset_name.h"

#include <cstdint>
#include <memory>

struct SettingsHomes {
    COptions& options;
    CPrintOptions& printOptions;
    AppSettings& app;
    std::int32_t& desktopFlag; // saved at exit, restored at start
    WorksetName& workset;
    ExtensionTable& extensions;
};

// "Restore desktop" takes effect: at start once all settings are read, when
// the option pages close, and at the start of the exit step.
inline void CopyRestoreDesktopSetting(const SettingsHomes& homes)
{
    homes.desktopFlag = homes.options.m_bSaveDeskTop;
}

// Creates the settings object and the print settings object and publishes
// them through g_pOptions and g_pPrintOptions until it is destroyed, after
// the settings have been written at exit.
class SettingsObjects {
public:
    SettingsObjects();
    ~SettingsObjects();
    SettingsObjects(const SettingsObjects&) = delete;
    SettingsObjects& operator=(const SettingsObjects&) = delete;

    COptions& Options() { return *m_options; }
    CPrintOptions& PrintOptions() { return *m_printOptions; }

private:
    std::unique_ptr<COptions> m_options;
    std::unique_ptr<CPrintOptions> m_printOptions;
};
