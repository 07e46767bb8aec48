#include "editor/app/file_properties_dialog.h"

#include "editor/res/resource.h"

CFilePropertiesDialog::CFilePropertiesDialog(HWND owner, std::string name, std::string modified,
                                             std::string size)
    : fw::Dialog(IDD_FILE_PROPERTIES, owner), m_name(std::move(name)),
      m_modified(std::move(modified)), m_size(std::move(size))
{
}

BOOL CFilePropertiesDialog::OnInitDialog()
{
    SetItemText(IDC_FILE_PROP_NAME, m_name);
    SetItemText(IDC_FILE_PROP_TIME, m_modified);
    SetItemText(IDC_FILE_PROP_SIZE, m_size);
    return TRUE;
}
