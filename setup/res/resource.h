// Resource numbers of setup.exe.
#pragma once

// Page commands, posted to the main window (the next page starts after the
// current one has closed).
#define ID_WIZARD_WELCOME 32775
#define ID_WIZARD_COMPONENTS 32776
#define ID_WIZARD_SETUPTYPE 32777
#define ID_WIZARD_DESTINATION 32778
#define ID_WIZARD_INSTALL 32779
#define ID_APP_EXIT 57665

// Controls and page results.
#define IDC_PAGE_TEXT 1003
#define IDC_BACK 1005
#define IDC_PAGE_TEXT2 1006
#define IDC_DESTINATION_DIR 1007

// Bitmaps.
#define IDB_BACKDROP 102
#define IDB_PAGE_PICTURE 111
