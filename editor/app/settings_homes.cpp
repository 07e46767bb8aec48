#include "editor/app/settings_homes.h"

CPrintOptions* g_pPrintOptions = nullptr;
WorksetName g_WorksetName;

SettingsObjects::SettingsObjects()
    : m_options(std::make_unique<COptions>()), m_printOptions(std::make_unique<CPrintOptions>())
{
    g_pOptions = m_options.get();
    g_pPrintOptions = m_printOptions.get();
}

SettingsObjects::~SettingsObjects()
{
    if (g_pOptions == m_options.get())
        g_pOptions = nullptr;
    if (g_pPrintOptions == m_printOptions.get())
        g_pPrintOptions = nullptr;
}
