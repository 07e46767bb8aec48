// Resource numbers of setup.exe.
#pragma once
#include "framework/res/fw_resource.h"

// The main frame of the single-document template (its icon).
#define IDR_MAINFRAME 1

// Page commands, posted to the main window (the next page starts after the
// current one has closed).
#define ID_WIZARD_WELCOME 32775
#define ID_WIZARD_COMPONENTS 32776
#define ID_WIZARD_SETUPTYPE 32777
#define ID_WIZARD_DESTINATION 32778
#define ID_WIZARD_INSTALL 32779
// The exit command (57665) is the framework's ID_APP_EXIT.

// Dialog templates: the four pages and the directory box of "Change...".
#define IDD_WELCOME 201
#define IDD_DESTINATION 202
#define IDD_SETUPTYPE 203
#define IDD_COMPONENTS 204
#define IDD_CHANGE_DIR 205

// Controls and page results.
#define IDC_PAGE_TEXT 1003
#define IDC_BACK 1005
#define IDC_PAGE_TEXT2 1006
#define IDC_DESTINATION_DIR 1007
#define IDC_CHANGE 1008
#define IDC_TYPICAL 1010
#define IDC_COMPACT 1011
#define IDC_CUSTOM 1012
#define IDC_NEW_DIR 1013
// Check boxes of components 1 to 9, top to bottom.
#define IDC_COMPONENT1 1021
#define IDC_COMPONENT9 1029

// Bitmaps.
#define IDB_BACKDROP 102
#define IDB_PAGE_PICTURE 111
