// Resource, command, control and string identifiers of the editor, grouped
// by kind.  The numbers are fixed: profiles, macros and accelerators refer
// to them.  The application layer's own ids (0xE000 and up: File, Edit,
// Window and Help commands, its status panes, strings and child windows)
// come from its header, unchanged.
#pragma once
#include "framework/res/fw_resource.h"

// ---- Commands -----------------------------------------------------------------
// The editor window's motions and their extending twins (the key map uses them)
#define ID_CHAR_RIGHT 32772
#define ID_CHAR_LEFT 32773
#define ID_LINE_UP 32774
#define ID_LINE_DOWN 32775
#define ID_PAGE_DOWN 32776
#define ID_PAGE_UP 32777
#define ID_LINE_START 32778
#define ID_LINE_END 32779
#define ID_EXTEND_CHAR_RIGHT 32783
#define ID_EXTEND_LINE_DOWN 32784
#define ID_EXTEND_LINE_UP 32785
#define ID_EXTEND_CHAR_LEFT 32786
#define ID_EXTEND_PAGE_DOWN 32787
#define ID_EXTEND_PAGE_UP 32788
#define ID_EXTEND_LINE_START 32789
#define ID_EXTEND_LINE_END 32790
#define ID_WORD_LEFT 32791
#define ID_WORD_RIGHT 32792
#define ID_TEXT_START 32793
#define ID_TEXT_END 32794
#define ID_EXTEND_WORD_LEFT 32800
#define ID_EXTEND_WORD_RIGHT 32801
#define ID_EXTEND_TEXT_START 32802
#define ID_EXTEND_TEXT_END 32803
#define ID_PARAGRAPH_PREVIOUS 32845
#define ID_PARAGRAPH_NEXT 32846
// Editing
#define ID_DELETE_CHAR 32780
#define ID_DELETE_BACK 32781
#define ID_DELETE_LINE 32782
#define ID_TOGGLE_OVERWRITE 32799
#define ID_CLIPBOARD_APPEND 32833
#define ID_LINE_COPY 32834
#define ID_LINE_CUT 32835
#define ID_SHIFT_LEFT 32828
#define ID_SHIFT_RIGHT 32829
#define ID_SELECT_ALL 32859
#define ID_CAPITALIZE_WORD 32874
#define ID_TRANSPOSE_CHARS 32875
#define ID_OPEN_FILE_AT_CARET 32836
// Document, search, navigation, macros and outline keys (F1 and Shift+F1 are
// the layer's ID_HELP and ID_CONTEXT_HELP)
#define ID_FILE_PROPERTIES 32865
#define ID_FILE_INSERT 32817
#define ID_FIND_NEXT 127
#define ID_LAST_EDIT 32860
#define ID_GOTO_LINE 32826
#define ID_MATCH_BRACE 32832
#define ID_BOOKMARK_TOGGLE 32804
#define ID_BOOKMARK_NEXT 32805
#define ID_BOOKMARK_PREVIOUS 32806
#define ID_BOOKMARK_CLEAR 32807
#define ID_MACRO_RECORD 32848
#define ID_MACRO_PLAY 32849
#define ID_OUTLINE 32852
// The editor window's settings
#define ID_VIEW_FONT 32797
#define ID_SHOW_HIDDEN 32861
#define ID_SETTINGS_CHANGED 118 // sent to every window when the option sheet closes
// The main frame
#define ID_VIEW_FILE_OPEN_WINDOW 32831
#define ID_VIEW_TAB_BAR 32847
#define ID_VIEW_TOOLBAR2 32864
#define ID_CREATE_TAB_BAR 126
#define ID_TAB_FIRST 121
#define ID_TAB_PREVIOUS 122
#define ID_TAB_NEXT 123
#define ID_TAB_LAST 124
// The file-open window's list (when it has the focus)
#define ID_FILE_LIST_PROPERTIES 125
#define ID_FILE_LIST_DELETE 148
#define ID_FILE_CLOSE_ALL 32837
#define ID_FILE_SAVE_ALL 32839
#define ID_SEND_ALL_FILES 32842
#define ID_SEND_FILE 32841
#define ID_MACRO_STOP 129
#define ID_MACRO_SAVE 32850
#define ID_MACRO_LOAD 32851
#define ID_WORKSET_OPEN 32809
#define ID_WORKSET_NEW 32810
#define ID_WORKSET_EDIT 32811
#define ID_WORKSET_LOAD 32812
#define ID_FILE_DIRECTORY 32808
#define ID_TOOLS_DOS 32816 // Tools > "&DOS": the tools stand in front of it
#define ID_TOOLS_PROGRAM 32815
#define ID_CLIPBOARD_VIEWER 32818
#define ID_PRINT_PREVIEW_BUTTON 57608
#define ID_FIND_IN_FILES 32844
// Conversions of the editor window (Edit, Convert and Reformat...)
#define ID_CONVERT_UPPER 32821
#define ID_CONVERT_LOWER 32822
#define ID_CONVERT_DECIMAL 32823
#define ID_CONVERT_HEX 32824
#define ID_CONVERT_OCTAL 32825
#define ID_REFORMAT 32858
#define ID_BLANKS_TO_TABS 32862
#define ID_TABS_TO_BLANKS 32863
#define ID_ANSI_TO_OEM 32872
#define ID_OEM_TO_ANSI 32873
// The editor window: go to the line stored in the document
#define ID_GOTO_STORED_LINE 119
// Sent by an outline window to its view: go to the one-based line in wParam.
#define WM_OUTLINE_GOTO_LINE (WM_USER + 99)
// Option sheet pages
#define ID_OPTIONS_SETTINGS 32795
#define ID_OPTIONS_PRINTING 32830
#define ID_OPTIONS_TOOLS 32813
#define ID_OPTIONS_EXTENSIONS 32814
#define ID_OPTIONS_OUTLINER 32853
#define ID_OPTIONS_HELPFILES 32854
#define ID_OPTIONS_COLORS 32871
// The user's tools on the Tools menu: record i is command 106 + i
#define ID_TOOL_FIRST 106
#define ID_TOOL_LAST 115

// ---- Status panes: the layer's pane range, after its own (EXT to REC) ----------
#define ID_INDICATOR_READ 59142
#define ID_INDICATOR_LINE 59143
#define ID_INDICATOR_COLUMN 59144
#define ID_INDICATOR_CLOCK 59145

// ---- Bars and controls -------------------------------------------------------
#define IDW_TOOLBAR2 130
#define IDW_FILE_OPEN_WINDOW 117
#define IDW_TAB_BAR 118
// File-open window (121), its File Properties box (148) and the tab bar (126)
#define IDC_FILE_LIST 105
#define IDC_TAB_LIST 1320
#define IDC_FILE_PROP_NAME 1321
#define IDC_FILE_PROP_TIME 1322
#define IDC_FILE_PROP_SIZE 1323
#define IDC_SEARCH_HISTORY 100 // the combo box in the first toolbar
#define IDC_ABOUT_VERSION 1000
#define IDC_ABOUT_BUILD 1001
#define IDC_PROP_NAME 1200
#define IDC_PROP_SIZE 1201
#define IDC_PROP_STATUS 1202
#define IDC_PROP_UNIX 1203
#define IDC_PROP_READONLY 1204
#define IDC_GOTO_LINE 1030
// The tip of the day
#define IDC_TIP_TEXT 1300
#define IDC_TIP_SHOW 1301
// Find in files dialog (124) and its results window (125)
#define IDC_FIF_SEARCH_FOR 1020
#define IDC_FIF_FILE_SPEC 1001
#define IDC_FIF_SOURCE 1024
#define IDC_FIF_HEADER 1025
#define IDC_FIF_ALL 1026
#define IDC_FIF_DIRECTORY 1003
#define IDC_FIF_IGNORE_CASE 1027
#define IDC_FIF_REGEX 1048
#define IDC_FIF_SEARCHING 1023
#define IDC_FIF_CURRENT 1028
#define IDC_FIF_INCLUDE 1029
#define IDC_RESULTS_LIST 101
#define IDC_RESULTS_TOUCH 1022
// Parameters dialog (106) and the Tools page (109)
#define IDC_PARAMETERS_ARGUMENTS 100
#define IDC_TOOL_LIST 110
#define IDC_TOOL_MENU_TEXT 111
#define IDC_TOOL_COMMAND 112
#define IDC_TOOL_ARGUMENTS 113
#define IDC_TOOL_DIRECTORY 114
#define IDC_TOOL_ADD 116
#define IDC_TOOL_ASK 119
#define IDC_TOOL_UP 120
#define IDC_TOOL_DOWN 121
#define IDC_TOOL_DELETE 700
// Edit Workset dialog
#define IDC_WS_NAME 1110
#define IDC_WS_FILES 1111
#define IDC_WS_DIR_TEXT 1112
#define IDC_WS_DIRS 1113
#define IDC_WS_TYPES 1114
#define IDC_WS_DRIVES 1115
#define IDC_WS_ENTRIES 1116
#define IDC_WS_ADD 1117
#define IDC_WS_ADD_ALL 1118
#define IDC_WS_DELETE 1119
// The "Print" option page (118)
#define IDC_PRINT_HEADER 1015
#define IDC_PRINT_FOOTER 1016
#define IDC_PRINT_LINE_NUMBERS 1017
#define IDC_PRINT_HEADER_STYLE 1018
#define IDC_PRINT_FOOTER_STYLE 1019
#define IDC_PRINT_COLOR 1061
#define IDC_PRINT_BOLD 1062
#define IDC_PRINT_ITALIC 1063
#define IDC_PRINT_UNDERLINE 1064
// Reformat dialog (156)
#define IDC_REFORMAT_LENGTH 1045
#define IDC_REFORMAT_KEEP 1046
// Help search (172), Helpfiles page (170) and its Add Helpfile dialog (171)
#define IDC_HELP_KEYWORD 1300
#define IDC_HELP_TITLES 1301
#define IDC_HELP_EXTENSIONS 1302
#define IDC_HELP_FILES 1303
#define IDC_HELP_NEW_EXTENSION 1304
#define IDC_HELP_ADD_FILE 1305
#define IDC_HELP_DELETE_FILE 1306
#define IDC_ADD_EXTENSION 1307
#define IDC_ADD_FILE 1308
#define IDC_ADD_BROWSE 1309
// Outliner page (173) and its Add Outliner DLL dialog (174)
#define IDC_OUTLINE_EXTENSIONS 1310
#define IDC_OUTLINE_DLL 1311
#define IDC_OUTLINE_ADD 1312
#define IDC_OUTLINE_DELETE 1313
// the option sheet's "Editor" page
#define IDC_OPT_TAB_LENGTH 1002
#define IDC_OPT_AUTO_INDENT 1003
#define IDC_OPT_CURSOR 1004
#define IDC_OPT_PERMANENT 1005
#define IDC_OPT_BACKUP 1006
#define IDC_OPT_AUTO_SAVE 1007
#define IDC_OPT_INTERVALL 1008
#define IDC_OPT_EVERY 1009
#define IDC_OPT_MINUTES 1010
#define IDC_OPT_FONT_NAME 1011
#define IDC_OPT_FONT_CHANGE 1012
#define IDC_OPT_SAVE_ON_FOCUS 1028
#define IDC_OPT_USE_BLANKS 1051
#define IDC_OPT_BRIEF_KEYS 1056
#define IDC_OPT_SAVE_DESKTOP 1060
// the "Extensions" page
#define IDC_EXT_LIST 1031
#define IDC_EXT_DESCRIPTION 1032
#define IDC_EXT_MASK 1033
#define IDC_EXT_ADD 1034
#define IDC_EXT_DELETE 1035
#define IDC_EXT_UP 1036
#define IDC_EXT_DOWN 1037
// the "Colors" page; swatches 1069..1084 (text) and 1085..1100 (background)
#define IDC_COLOR_ITEMS 1065
#define IDC_COLOR_SAMPLE 1066
#define IDC_COLOR_MODE 1067
#define IDC_COLOR_FIRST_SWATCH 1069
#define IDC_COLOR_LAST_SWATCH 1100
#define IDC_COLOR_RESET 1101
#define IDC_COLOR_RESET_ALL 1102

// ---- Strings -----------------------------------------------------------------
#define IDS_FILE_MODIFIED 32820
#define IDS_NO_OUTLINER 57647
#define IDS_NO_OUTLINE_FUNCTION 57654

// ---- Dialogs -----------------------------------------------------------------
#define IDD_ABOUTBOX 100
#define IDD_DOC_PROPERTIES 240
#define IDD_GOTO_LINE 108
#define IDD_PARAMETERS 106
#define IDD_TOOLS 109
#define IDD_FIND_IN_FILES 124
#define IDD_SEARCH_RESULTS 125
#define IDD_REFORMAT 156
#define IDD_HELPFILES 170
#define IDD_ADD_HELPFILE 171
#define IDD_HELP_SEARCH 172
#define IDD_OUTLINER 173
#define IDD_ADD_OUTLINER 174
#define IDD_TIP 180
#define IDD_OPTIONS_EDITOR 150
#define IDD_OPTIONS_EXTENSIONS 151
#define IDD_OPTIONS_COLORS 152
#define IDD_EDIT_WORKSET 135
#define IDD_FILE_OPEN_WINDOW 121
#define IDD_TAB_BAR 126
#define IDD_FILE_PROPERTIES 148
#define IDD_CHANGE_DIRECTORY 1536 // the file dialog's template for File > Directory
#define IDD_PRINT_OPTIONS 118

// ---- Menus, icons, accelerators and bitmaps -----------------------------------
#define IDR_MAINFRAME 2
#define IDR_MARLTYPE 3   // the document template: menu, icon, description
#define IDB_TOOLBAR 2    // first toolbar's buttons
#define IDB_TOOLBAR2 161 // second toolbar's buttons
#define IDB_SPLASH 102   // start-up picture
// The file-open window's pictures (blue is transparent) and drag pointers
#define IDB_GROUP_CLOSED 115
#define IDB_GROUP_OPEN 116
#define IDB_FILE_WRITABLE 117
#define IDB_FILE_READONLY 120
#define IDI_DROP_NONE 145 // pointers kept as icons, the hot spot at the arrow's tip
#define IDI_DROP_ONE 146
#define IDI_DROP_MANY 147
// The tab bar's buttons
#define IDI_TAB_FIRST 167
#define IDI_TAB_LAST 168
#define IDI_TAB_NEXT 169
#define IDI_TAB_PREVIOUS 170

// ---- Private messages ----------------------------------------------------------
// Check the documents for changes on disk (WM_USER + 100).
#define WM_CHECK_FILES_CHANGED 0x464
