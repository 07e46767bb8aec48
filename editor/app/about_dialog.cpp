#include "editor/app/about_dialog.h"

#include "editor/res/resource.h"

#ifndef TV_BUILD_NUMBER
#define TV_BUILD_NUMBER 0
#endif

std::string AboutVersionLine()
{
    return "Trelvan EDIT for Windows, Version 1.0";
}

std::string AboutBuildLine()
{
    return std::string("Built ") + __DATE__ + ", build " + std::to_string(TV_BUILD_NUMBER);
}

CAboutDlg::CAboutDlg(HWND owner) : fw::Dialog(IDD_ABOUTBOX, owner) {}

BOOL CAboutDlg::OnInitDialog()
{
    SetItemText(IDC_ABOUT_VERSION, AboutVersionLine());
    SetItemText(IDC_ABOUT_BUILD, AboutBuildLine());
    CenterWindow();
    return fw::Dialog::OnInitDialog();
}
