#include "editor/view/reformat_dialog.h"

#include "framework/ddx.h"

#include "resource.h"

CReformatDialog::CReformatDialog(HWND owner) : fw::Dialog(IDD_REFORMAT, owner) {}

void CReformatDialog::DoDataExchange(fw::DataExchange& dx)
{
    dx.Int(IDC_REFORMAT_LENGTH, m_nLineLength, kMinLength, kMaxLength);
    dx.Check(IDC_REFORMAT_KEEP, m_bKeepBreaks);
}
