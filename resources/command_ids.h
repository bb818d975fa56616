// Every identifier that the resources and the code share: the filer's
// command identifiers (menu items and the values of the Key section alike),
// then the dialogs, controls and other resources. Plain #defines, so that
// windres reads this file as well as C++ does.
#pragma once

// Filer commands.
#define CMD_NEW_TAB                       32771
#define CMD_CLOSE_TAB                     32772
#define CMD_CUT                           32773
#define CMD_COPY                          32774
#define CMD_PASTE                         32775
#define CMD_SELECT_ALL                    32776
#define CMD_TREE_MOVE                     32777
#define CMD_HELP                          32778
#define CMD_DELETE_TO_RECYCLE_BIN         32779
#define CMD_EXIT                          32780
#define CMD_JUMP                          32781
#define CMD_FOLDER_HISTORY                32782
#define CMD_FILE_MASK                     32783
#define CMD_SEND                          32784
#define CMD_SHELL_FIND                    32785
#define CMD_RENAME                        32788
#define CMD_INVERT_SELECTION              32789
#define CMD_EXPAND_FOLDER                 32790
#define CMD_REFRESH                       32791
#define CMD_NEW_FILE                      32792
#define CMD_NEW_FOLDER                    32793
#define CMD_SHORTCUT_TO_JUMP              32795
#define CMD_EXPLORER                      32796
#define CMD_SHORTCUT_TO_COMMAND           32797
#define CMD_LAUNCH                        32798
#define CMD_GO_TO                         32799
#define CMD_GO_TO_TEMPORARY               32800
#define CMD_SEND_WITH_PROGRAM             32801
#define CMD_LAUNCH_PROGRAM                32802
#define CMD_NEXT_TAB                      32803
#define CMD_PREV_TAB                      32804
#define CMD_NEW                           32805
#define CMD_BACK                          32806
#define CMD_PARENT_FOLDER                 32807
#define CMD_SEARCH_NEXT                   32808
#define CMD_SEARCH_PREV                   32809
#define CMD_SEARCH_COMPLETE               32810
#define CMD_SEARCH_BACKSPACE              32811
#define CMD_SEARCH_CLEAR                  32812
#define CMD_CONTEXT_MENU                  32813
#define CMD_FOLDER_CONTEXT_MENU           32814
#define CMD_SETTINGS                      32815
#define CMD_KEY_SETTINGS                  32816
#define CMD_REPLACE_NAMES                 32818
#define CMD_DRIVE_ROOT                    32819
#define CMD_DELETE                        32820
#define CMD_SEND_FROM_FOLDER              32821
#define CMD_LAUNCH_FROM_FOLDER            32822
#define CMD_SWAP_NEXT_TAB                 32823
#define CMD_SWAP_PREV_TAB                 32824
#define CMD_FIND_FILE                     32825
#define CMD_TAB_LIST                      32826
#define CMD_MAP_NETWORK_DRIVE             32827
#define CMD_DISCONNECT_NETWORK_DRIVE      32828
#define CMD_DRIVE_LIST                    32829
#define CMD_VIEWER                        32830
#define CMD_VIEWER_KEY_SETTINGS           32831
#define CMD_TREE_MOVE_WITH_FILES          32832
#define CMD_TOGGLE_MENU                   32833
#define CMD_PATH_NOTIFY                   32835
#define CMD_COMMAND_PROMPT                32836
#define CMD_MASK_SELECT                   32837
#define CMD_PASTE_SELECT                  32838

// Dialogs, strings, icons, menus and controls.
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
