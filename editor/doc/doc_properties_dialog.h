// The "Document Properties" dialog (Alt+Enter): name, size and status of
// the document, and its "UNIX file" and "Read-Only" switches.
#pragma once
#include "editor/doc/doc_properties.h"
#include "framework/dialog.h"

class CDocPropertiesDialog : public fw::Dialog {
public:
    CDocPropertiesDialog(DocProperties& properties, HWND owner);

protected:
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    DocProperties& m_properties;
};
