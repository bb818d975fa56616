// The tables of commands that the filer, the viewer and QdKey agree on. A row
// is a group header (value -1, never a command) or a command with its value
// and the kind of option its key binding carries.
#pragma once

#include <cstddef>
#include <string_view>

#include "resources/command_ids.h"

namespace qd {

// Filer command identifiers: menu items and `Key` values alike.
enum CommandId : int {
  CmdNewTab = CMD_NEW_TAB,
  CmdCloseTab = CMD_CLOSE_TAB,
  CmdCut = CMD_CUT,
  CmdCopy = CMD_COPY,
  CmdPaste = CMD_PASTE,
  CmdSelectAll = CMD_SELECT_ALL,
  CmdTreeMove = CMD_TREE_MOVE,
  CmdHelp = CMD_HELP,
  CmdDeleteToRecycleBin = CMD_DELETE_TO_RECYCLE_BIN,
  CmdExit = CMD_EXIT,
  CmdJump = CMD_JUMP,
  CmdFolderHistory = CMD_FOLDER_HISTORY,
  CmdFileMask = CMD_FILE_MASK,
  CmdSend = CMD_SEND,
  CmdShellFind = CMD_SHELL_FIND,
  CmdRename = CMD_RENAME,
  CmdInvertSelection = CMD_INVERT_SELECTION,
  CmdExpandFolder = CMD_EXPAND_FOLDER,
  CmdRefresh = CMD_REFRESH,
  CmdNewFile = CMD_NEW_FILE,
  CmdNewFolder = CMD_NEW_FOLDER,
  CmdShortcutToJump = CMD_SHORTCUT_TO_JUMP,
  CmdExplorer = CMD_EXPLORER,
  CmdShortcutToCommand = CMD_SHORTCUT_TO_COMMAND,
  CmdLaunch = CMD_LAUNCH,
  CmdGoTo = CMD_GO_TO,
  CmdGoToTemporary = CMD_GO_TO_TEMPORARY,
  CmdSendWithProgram = CMD_SEND_WITH_PROGRAM,
  CmdLaunchProgram = CMD_LAUNCH_PROGRAM,
  CmdNextTab = CMD_NEXT_TAB,
  CmdPrevTab = CMD_PREV_TAB,
  CmdNew = CMD_NEW,
  CmdBack = CMD_BACK,
  CmdParentFolder = CMD_PARENT_FOLDER,
  CmdSearchNext = CMD_SEARCH_NEXT,
  CmdSearchPrev = CMD_SEARCH_PREV,
  CmdSearchComplete = CMD_SEARCH_COMPLETE,
  CmdSearchBackspace = CMD_SEARCH_BACKSPACE,
  CmdSearchClear = CMD_SEARCH_CLEAR,
  CmdContextMenu = CMD_CONTEXT_MENU,
  CmdFolderContextMenu = CMD_FOLDER_CONTEXT_MENU,
  CmdSettings = CMD_SETTINGS,
  CmdKeySettings = CMD_KEY_SETTINGS,
  CmdReplaceNames = CMD_REPLACE_NAMES,
  CmdDriveRoot = CMD_DRIVE_ROOT,
  CmdDelete = CMD_DELETE,
  CmdSendFromFolder = CMD_SEND_FROM_FOLDER,
  CmdLaunchFromFolder = CMD_LAUNCH_FROM_FOLDER,
  CmdSwapNextTab = CMD_SWAP_NEXT_TAB,
  CmdSwapPrevTab = CMD_SWAP_PREV_TAB,
  CmdFindFile = CMD_FIND_FILE,
  CmdTabList = CMD_TAB_LIST,
  CmdMapNetworkDrive = CMD_MAP_NETWORK_DRIVE,
  CmdDisconnectNetworkDrive = CMD_DISCONNECT_NETWORK_DRIVE,
  CmdDriveList = CMD_DRIVE_LIST,
  CmdViewer = CMD_VIEWER,
  CmdViewerKeySettings = CMD_VIEWER_KEY_SETTINGS,
  CmdTreeMoveWithFiles = CMD_TREE_MOVE_WITH_FILES,
  CmdToggleMenu = CMD_TOGGLE_MENU,
  CmdPathNotify = CMD_PATH_NOTIFY,
  CmdCommandPrompt = CMD_COMMAND_PROMPT,
  CmdMaskSelect = CMD_MASK_SELECT,
  CmdPasteSelect = CMD_PASTE_SELECT,
};

constexpr int kGroupHeader = -1;

struct CommandRow {
  int value;              // command identifier (filer) or value (viewer); -1 for a header
  std::string_view name;  // the text QdKey shows (CP932)
  int option_kind;        // 0 none, 1 option, 2 option and option 2
};

struct CommandTable {
  const CommandRow* rows;
  std::size_t size;
  const CommandRow* begin() const { return rows; }
  const CommandRow* end() const { return rows + size; }
  // The command row with this value, or nullptr (headers never match).
  const CommandRow* Find(int value) const;
};

const CommandTable& FilerCommandTable();
const CommandTable& ViewerCommandTable();

// The text of a group header between its decorations ("■■■　タブ　■■■" → "タブ").
std::string_view GroupName(std::string_view header);

}  // namespace qd
