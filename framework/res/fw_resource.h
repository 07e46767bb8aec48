// Identifiers owned by the application layer: its commands, window ids and
// strings.  Programs include this from their resource.h.  Their own
// commands, controls, dialogs, bitmaps and strings stay below 0xE000, so
// nothing there can clash with these; their status panes continue the
// layer's pane range after ID_INDICATOR_REC (0xE706 on), so that every pane
// id is also the string that sizes it.
#pragma once

// ---- Commands of the layer (0xE100..0xE1FF) --------------------------------
// File
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
// Recent files: one id per entry, up to 16
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_FILE2 0xE111
#define ID_FILE_MRU_FILE3 0xE112
#define ID_FILE_MRU_FILE4 0xE113
#define ID_FILE_MRU_FIRST 0xE110
#define ID_FILE_MRU_LAST 0xE11F
// Edit
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_CLEAR_ALL 0xE121
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_REPEAT 0xE128
#define ID_EDIT_REPLACE 0xE129
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C
// Window
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_WINDOW_SPLIT 0xE135
// Application and help
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_HELP_INDEX 0xE142
#define ID_HELP_USING 0xE143
#define ID_CONTEXT_HELP 0xE144
#define ID_HELP 0xE145
#define ID_DEFAULT_HELP 0xE146
// Panes of a split window
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
// Print preview window
#define ID_PREVIEW_CLOSE 0xE300
#define ID_PREVIEW_NUMPAGE 0xE301
#define ID_PREVIEW_NEXT 0xE302
#define ID_PREVIEW_PREV 0xE303
#define ID_PREVIEW_PRINT 0xE304
#define ID_PREVIEW_ZOOMIN 0xE305
#define ID_PREVIEW_ZOOMOUT 0xE306

// ---- Status-bar panes (0xE700..): the id is also the string that sizes the
// ---- pane.  0 is the stretching message pane.
#define ID_SEPARATOR 0
#define ID_INDICATOR_EXT 0xE700
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703
#define ID_INDICATOR_OVR 0xE704
#define ID_INDICATOR_REC 0xE705

// ---- Bars: the bar id is also the command that shows or hides it ----------
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801
#define FW_IDW_TOOLBAR 0xE800
#define FW_IDW_STATUS_BAR 0xE801

// ---- Dialogs of the layer -------------------------------------------------
#define FW_IDD_PRINTING 0x7801 // "Printing" with Cancel while a job spools
#define FW_IDC_PRINT_DOCNAME 0x7802

// ---- Help contexts: a command's help is HID_BASE_COMMAND + its id, a
// ---- window's (a frame, a dialog) HID_BASE_RESOURCE + its resource id.
#define FW_HID_BASE_COMMAND 0x00010000
#define FW_HID_BASE_RESOURCE 0x00020000

// ---- Child window ids inside frames ----------------------------------------
#define FW_IDW_PANE_FIRST 0xE900
#define FW_IDW_PANE_LAST 0xE9FF
#define FW_IDW_HSCROLL_FIRST 0xEA00
#define FW_IDW_VSCROLL_FIRST 0xEA10
#define FW_IDW_SIZE_BOX 0xEA20
#define FW_IDW_PRINT_PREVIEW 0xEA30 // in place of the client area while it is up
// The MDI client numbers the Window menu's child entries from here.
#define FW_IDM_FIRST_MDICHILD 0xFF00

// ---- Strings ---------------------------------------------------------------
// A program may give its title here; otherwise the executable's name is used.
#define FW_IDS_APP_TITLE 0xE000
#define FW_IDS_IDLEMESSAGE 0xE001
// System-menu prompts: FW_IDS_SCFIRST + (SC_xxx - 0xF000) / 16
#define FW_IDS_SCFIRST 0xEF00
#define FW_IDS_SCSIZE 0xEF00
#define FW_IDS_SCMOVE 0xEF01
#define FW_IDS_SCMINIMIZE 0xEF02
#define FW_IDS_SCMAXIMIZE 0xEF03
#define FW_IDS_SCNEXTWINDOW 0xEF04
#define FW_IDS_SCPREVWINDOW 0xEF05
#define FW_IDS_SCCLOSE 0xEF06
#define FW_IDS_SCRESTORE 0xEF12
#define FW_IDS_SCTASKLIST 0xEF13
#define FW_IDS_MDICHILD 0xEF1F
// General strings
#define FW_IDS_OPENFILE 0xF000
#define FW_IDS_SAVEFILE 0xF001
#define FW_IDS_ALLFILTER 0xF002
#define FW_IDS_UNTITLED 0xF003
// Prompts
#define FW_IDP_INVALID_FILENAME 0xF100
#define FW_IDP_FAILED_TO_OPEN_DOC 0xF101
#define FW_IDP_FAILED_TO_SAVE_DOC 0xF102
#define FW_IDP_ASK_TO_SAVE 0xF103
#define FW_IDP_FAILED_TO_CREATE_DOC 0xF104
#define FW_IDP_PARSE_INT 0xF110
#define FW_IDP_PARSE_INT_RANGE 0xF112
// File errors by cause
#define FW_IDP_FAILED_INVALID_PATH 0xF121
#define FW_IDP_FAILED_DISK_FULL 0xF122
#define FW_IDP_FAILED_ACCESS_READ 0xF123
#define FW_IDP_FAILED_ACCESS_WRITE 0xF124
