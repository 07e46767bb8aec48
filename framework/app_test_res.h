// Resources of the application layer's tests (their own program, not the
// editor's or the installer's).
#pragma once
#include "framework/res/fw_resource.h"

// Menus, accelerators, icons and template strings
#define IDR_TESTMAIN 200
#define IDR_TESTDOC 201
// Bitmaps and dialogs
#define IDB_TESTTOOLBAR 202
#define IDD_TESTBAR 203

// Commands
#define ID_TEST_ROUTE 33001
#define ID_TEST_DISABLED 33002
#define ID_TEST_ENABLED 33003
#define ID_TEST_CHECKED 33004
#define ID_TEST_TEXT 33005
#define ID_TEST_RADIO 33006
#define ID_TEST_UNHANDLED 33007
#define ID_TEST_BARBUTTON 33008
#define ID_TEST_BARCHECK 33009
#define ID_TEST_BARLABEL 33010
// On a key only: no menu item that the platform could grey.
#define ID_TEST_KEY_DISABLED 33011
// Status panes
#define ID_TEST_PANE 33020
// Bars
#define ID_TEST_DIALOGBAR 33030
