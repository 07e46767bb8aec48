#include "editor/doc/doc_properties_dialog.h"

#include "resource.h"

CDocPropertiesDialog::CDocPropertiesDialog(DocProperties& properties, HWND owner)
    : fw::Dialog(IDD_DOC_PROPERTIES, owner), m_properties(properties)
{
}

void CDocPropertiesDialog::DoDataExchange(fw::DataExchange& dx)
{
    // The three texts are shown only; the switches go back on OK.
    if (!dx.IsSaving()) {
        SetItemText(IDC_PROP_NAME, m_properties.name);
        SetItemText(IDC_PROP_SIZE, m_properties.size);
        SetItemText(IDC_PROP_STATUS, m_properties.status);
    }
    dx.Check(IDC_PROP_UNIX, m_properties.unixFile);
    dx.Check(IDC_PROP_READONLY, m_properties.readOnly);
}
