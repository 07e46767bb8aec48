// The "Reformat" dialog: the new line length (10 to 32000) and whether
// existing line breaks are kept.  Both start at their defaults each time.
#pragma once
#include "framework/dialog.h"

class CReformatDialog : public fw::Dialog {
public:
    static constexpr int kMinLength = 10;
    static constexpr int kMaxLength = 32000;

    explicit CReformatDialog(HWND owner);

    int m_nLineLength = 0;
    bool m_bKeepBreaks = false;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
};
