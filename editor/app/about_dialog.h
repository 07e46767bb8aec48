// The About box (dialog 100): the program icon, the name with its version,
// the build date and number, and OK.
#pragma once
#include <string>

#include "framework/dialog.h"

// "Version 1.0" and "Built <date>, build <number>" as the box shows them.
std::string AboutVersionLine();
std::string AboutBuildLine();

class CAboutDlg : public fw::Dialog {
public:
    explicit CAboutDlg(HWND owner);

protected:
    BOOL OnInitDialog() override;
};
