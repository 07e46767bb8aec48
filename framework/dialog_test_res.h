// Resource numbers of the framework's dialog tests.
#pragma once

// Dialogs
#define IDD_TEST_DATA 100
#define IDD_TEST_MODELESS 101
#define IDD_TEST_PAGE_EDITOR 110
#define IDD_TEST_PAGE_PRINT 111
#define IDD_TEST_PAGE_TOOLS 112
#define IDD_TEST_PAGE_NUMBERS 113
#define IDD_TEST_FIND 120

// Controls of the data dialog
#define IDC_TEST_NAME 1001
#define IDC_TEST_NUMBER 1002
#define IDC_TEST_FLAG 1003
#define IDC_TEST_RADIO_FIRST 1004
#define IDC_TEST_RADIO_SECOND 1005
#define IDC_TEST_RADIO_THIRD 1006
#define IDC_TEST_LIST 1007
#define IDC_TEST_COMBO 1008
#define IDC_TEST_DROPLIST 1009
#define IDC_TEST_AFTER_GROUP 1010
#define IDC_TEST_THROW 1011

// Controls of the modeless dialog
#define IDC_TEST_FIRST_EDIT 1020
#define IDC_TEST_SECOND_EDIT 1021

// Controls of the pages
#define IDC_TEST_PAGE_VALUE 1030
#define IDC_TEST_PAGE_TEXT 1031

// Extra control of the custom find template
#define IDC_TEST_REGEX 1026
