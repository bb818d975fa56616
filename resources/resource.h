// Identifiers shared by the resources and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_FILER 102
#define IDI_QD 128
#define IDR_MAINMENU 130

#define IDM_ABOUTBOX 0x0010

#define IDC_FILE_LIST 1000
#define IDC_MESSAGE_AREA 1001
#define IDC_TAB_STRIP 1002
#define IDC_SEARCH_LINE 1004
#define IDC_HISTORY_STORE 1005
