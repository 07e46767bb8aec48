#include "editor/app/options_sheet.h"

#include <algorithm>

COpProperties::COpProperties(HWND owner, const OptionSheetData& data)
    : fw::PropertySheetDialog("Options", owner), m_editor(data.options, data.app),
      m_tools(data.tools), m_extensions(data.extensions, data.profile, data.onExtensionsRebuilt),
      m_outline(data.outliners), m_helpfiles(data.help), m_color(data.app)
{
    AddPagesInOrder(data.printPage);
}

// The order the tabs show and the Options commands count in.
void COpProperties::AddPagesInOrder(fw::PropertyPage* printPage)
{
    Add(OptionPage::Editor, m_editor);
    if (printPage)
        Add(OptionPage::Print, *printPage);
    Add(OptionPage::Tools, m_tools);
    Add(OptionPage::Extensions, m_extensions);
    Add(OptionPage::Outliner, m_outline);
    Add(OptionPage::Helpfiles, m_helpfiles);
    Add(OptionPage::Colors, m_color);
}

void COpProperties::Add(OptionPage place, fw::PropertyPage& page)
{
    AddPage(page);
    m_places.push_back(place);
}

INT_PTR COpProperties::DoModal(OptionPage page)
{
    const auto found = std::find(m_places.begin(), m_places.end(), page);
    SetStartPage(found == m_places.end() ? 0 : static_cast<UINT>(found - m_places.begin()));
    return fw::PropertySheetDialog::DoModal();
}
