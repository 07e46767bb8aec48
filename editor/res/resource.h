// Resource and command identifiers of the editor.  The numbers are fixed:
// profiles, macros and accelerators refer to them.
#pragma once

// Icons, menus, accelerators
#define IDR_MAINFRAME 128

// Menu commands (framework range)
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
