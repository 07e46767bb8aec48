// The "Goto line" dialog of Jump to line: one line number, 1 to 2000000.
#pragma once
#include "framework/dialog.h"

class CJumpDialog : public fw::Dialog {
public:
    CJumpDialog(long line, HWND owner);

    long GetLine() const { return m_nLine; }

protected:
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    long m_nLine;
};
