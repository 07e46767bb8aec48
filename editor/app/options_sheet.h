// COpProperties: the "Options" sheet, modal over the main window, with its
// pages in their fixed order. Each Options command opens it on its page.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "editor/app/options_color_page.h"
#include "editor/app/options_editor_page.h"
#include "editor/app/options_extensions_page.h"
#include "editor/automation/tool_edit_page.h"
#include "editor/integration/association_pages.h"
#include "framework/property_sheet.h"

// The pages' places on the sheet, as the Options commands number them.
enum class OptionPage { Editor, Print, Tools, Extensions, Outliner, Helpfiles, Colors };

// What the pages edit.
struct OptionSheetData {
    COptions& options;
    AppSettings& app;
    ExtensionTable& extensions;
    Profile& profile;
    ToolsMenu& tools;
    ProfileSection& help;
    ProfileSection& outliners;
    // After OK has rebuilt the file-type list.
    std::function<void()> onExtensionsRebuilt;
    // The print options page, which lives as long as the application.
    fw::PropertyPage* printPage = nullptr;
};

class COpProperties : public fw::PropertySheetDialog {
public:
    COpProperties(HWND owner, const OptionSheetData& data);

    // Opens on `page`; on the first page when `page` is not on the sheet
    // (no print page was given).
    INT_PTR DoModal(OptionPage page);

private:
    void AddPagesInOrder(fw::PropertyPage* printPage);
    void Add(OptionPage place, fw::PropertyPage& page);

    COptionsPage m_editor;
    CToolEdit m_tools;
    CExtensions m_extensions;
    COutline m_outline;
    CHelpfiles m_helpfiles;
    CColor m_color;
    std::vector<OptionPage> m_places; // of the pages added, in order
};
