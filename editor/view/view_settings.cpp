#include "editor/view/view_settings.h"

#include "framework/application.h"

const AppSettings& CurrentAppSettings()
{
    static const AppSettings defaults;
    if (auto* owner = dynamic_cast<ViewSettingsOwner*>(fw::Application::Current()))
        return owner->GetAppSettings();
    return defaults;
}

const COptions& CurrentOptions()
{
    static const COptions defaults;
    return g_pOptions ? *g_pOptions : defaults;
}

const CPrintOptions& CurrentPrintOptions()
{
    static const CPrintOptions defaults;
    return g_pPrintOptions ? *g_pPrintOptions : defaults;
}
