// Every identifier that the resources and the code share: the dialogs,
// controls and other resources. Plain #defines, so that windres reads this
// file as well as C++ does. The filer's command identifiers are listed in
// settings/command_list.h, and the menu bar is made from that list.
#pragma once

// Dialogs, strings, icons, menus and controls.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_FILER 102
#define IDI_QD 128

#define IDM_ABOUTBOX 0x0010

#define IDC_FILE_LIST 1000
#define IDC_MESSAGE_AREA 1001
#define IDC_TAB_STRIP 1002
#define IDC_SEARCH_LINE 1004
#define IDC_HISTORY_STORE 1005

// The rename dialog.
#define IDD_RENAME 140
#define IDC_RENAME_BEFORE 1010
#define IDC_RENAME_AFTER 1011
#define IDC_RENAME_ALL 1012
#define IDC_RENAME_NEXT 1013
#define IDD_NEW_ITEM 145
#define IDC_NEW_ITEM_NAME 1015
#define IDC_NEW_ITEM_MORE 1016
// The replace dialog.
#define IDD_REPLACE 150
#define IDC_REPLACE_BEFORE 1020
#define IDC_REPLACE_AFTER 1021
#define IDC_REPLACE_CASE_SENSITIVE 1022
#define IDC_REPLACE_NAME 1023
#define IDC_REPLACE_EXT 1024
#define IDC_REPLACE_UPPER 1025
#define IDC_REPLACE_LOWER 1026

// The mask dialog.
#define IDD_MASK 160
#define IDC_MASK_TEXT 1030
#define IDC_MASK_OPTION 1031
