// "File Properties" (148): the name, time of last change and size of one
// file of the file-open window.
#pragma once
#include <string>

#include "framework/dialog.h"

class CFilePropertiesDialog : public fw::Dialog {
public:
    CFilePropertiesDialog(HWND owner, std::string name, std::string modified, std::string size);

protected:
    BOOL OnInitDialog() override;

private:
    std::string m_name, m_modified, m_size;
};
