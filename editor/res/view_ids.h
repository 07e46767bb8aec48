// Identifiers of the document and the editor window: commands, status
// panes and the Properties dialog.  The numbers
// are fixed (menus, macros and profiles refer to them).  Identical
// definitions elsewhere in resource.h are harmless.
#pragma once

// ---- Document and editor window commands
#define ID_VIEW_FONT 32797
#define ID_SHOW_HIDDEN 32861
// Sent to every window when the option sheet closes.
#define ID_SETTINGS_CHANGED 118

// ---- Status panes fed by the editor window (OVR is the layer's 59140)
#define ID_INDICATOR_READ 59142
#define ID_INDICATOR_LINE 59143
#define ID_INDICATOR_COLUMN 59144

// ---- "Document Properties" dialog
#define IDD_DOC_PROPERTIES 240
#define IDC_PROP_NAME 1200
#define IDC_PROP_SIZE 1201
#define IDC_PROP_STATUS 1202
#define IDC_PROP_UNIX 1203
#define IDC_PROP_READONLY 1204

// ---- Conversions of the editor window (Edit, Convert and Reformat...)
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

// ---- "Reformat" dialog
#define IDD_REFORMAT 156
#define IDC_REFORMAT_LENGTH 1045
#define IDC_REFORMAT_KEEP 1046
