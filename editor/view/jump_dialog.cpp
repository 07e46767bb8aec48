#include "editor/view/jump_dialog.h"

#include "resource.h"

namespace {
constexpr long kHighestLine = 2000000;
}

CJumpDialog::CJumpDialog(long line, HWND owner) : fw::Dialog(IDD_GOTO_LINE, owner), m_nLine(line) {}

void CJumpDialog::DoDataExchange(fw::DataExchange& dx)
{
    dx.Int(IDC_GOTO_LINE, m_nLine, 1L, kHighestLine);
}
