// CTipDlg: "Tips and Tricks", one tip from the tips file beside the program,
// the next one each time; "Next tip" pages on, the check box turns the
// start-up display off.
#pragma once
#include <windows.h>

#include <string>

#include "framework/dialog.h"

class CTipDlg : public fw::Dialog {
public:
    // `tipsFile` defaults to the one named after the program's help file.
    explicit CTipDlg(HWND owner, std::string tipsFile = {});

    // Reads the tip at Tips/LastPos into m_strTip and moves LastPos on; a
    // file that cannot be opened leaves both as they were.
    void ReadNextTip();

    const std::string& GetTipsFile() const { return m_tipsFile; }

    bool m_bShow = true;
    std::string m_strTip;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    // "Next tip", Escape and the close box: the next tip, the dialog stays.
    void OnCancel() override;
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    std::string m_tipsFile;
};

// The tips file of this program: named after its help file.
std::string ProgramTipsFile();
