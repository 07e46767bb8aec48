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

// ---- Editor window commands: motions, editing, clipboard, and the keys of
// ---- the view's accelerator table (kept together; the key map uses them).
// Motions and their extending twins
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
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_FIND 0xE124
#define ID_EDIT_UNDO 0xE12B
#define ID_EDIT_REDO 0xE12C
#define ID_CLIPBOARD_APPEND 32833
#define ID_LINE_COPY 32834
#define ID_LINE_CUT 32835
#define ID_SHIFT_LEFT 32828
#define ID_SHIFT_RIGHT 32829
#define ID_SELECT_ALL 32859
#define ID_CAPITALIZE_WORD 32874
#define ID_TRANSPOSE_CHARS 32875
#define ID_OPEN_FILE_AT_CARET 32836
// Document, search, navigation, macros, outline and help keys
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PROPERTIES 32865
#define ID_FIND_NEXT 127
#define ID_LAST_EDIT 32860
#define ID_GOTO_LINE 32826
#define ID_MATCH_BRACE 32832
#define ID_BOOKMARK_TOGGLE 32804
#define ID_BOOKMARK_NEXT 32805
#define ID_BOOKMARK_PREVIOUS 32806
#define ID_MACRO_RECORD 32848
#define ID_MACRO_PLAY 32849
#define ID_OUTLINE 32852
#define ID_HELP_CONTEXT 0xE144
#define ID_HELP_WORD 0xE145
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
// Print preview window
#define ID_PREVIEW_CLOSE 0xE300
#define ID_PREVIEW_NEXT 0xE302
#define ID_PREVIEW_PREV 0xE303
// ---- end of the editor window block
