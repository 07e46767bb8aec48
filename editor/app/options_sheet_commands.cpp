#include "editor/app/options_sheet_commands.h"

#include "editor/app/marl_app.h"
#include "editor/app/options_sheet.h"
#include "editor/app/print_options_page.h"
#include "editor/app/tool_commands.h"
#include "editor/integration/profile_section_win32.h"

void COptionSheetCommands::Show(int page)
{
    auto* app = static_cast<CMarlApp*>(fw::Application::Current());
    if (!app || !g_pOptions || !g_pPrintOptions)
        return;
    CPrintOptionsPage printPage(*g_pPrintOptions);
    ProgramProfileSection help("Help");
    ProgramProfileSection outliners("Outliner");
    FileOpenWindowHook* fileOpenWindow = app->GetFileOpenWindow();
    const OptionSheetData data{*g_pOptions,
                               app->GetAppSettings(),
                               g_ExtensionTable,
                               app->GetSettingsProfile(),
                               m_tools.Menu(),
                               help,
                               outliners,
                               [fileOpenWindow] {
                                   if (fileOpenWindow)
                                       fileOpenWindow->Refill();
                               },
                               &printPage};
    COpProperties sheet(app->GetMainWnd(), data);
    // The print page edits a copy: OK keeps it (the profile gets it at exit).
    if (sheet.DoModal(static_cast<OptionPage>(page)) == IDOK)
        *g_pPrintOptions = printPage.m_options;
}
