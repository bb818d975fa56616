// The tables of commands that the filer, the viewer and QdKey agree on. A row
// is a group header (value -1, never a command) or a command with its value
// and the kind of option its key binding carries.
#pragma once

#include <cstddef>
#include <string_view>

namespace qd {

// Filer command identifiers: menu items and `Key` values alike.
enum CommandId : int {
  CmdNewTab = 32771,
  CmdCloseTab = 32772,
  CmdCut = 32773,
  CmdCopy = 32774,
  CmdPaste = 32775,
  CmdSelectAll = 32776,
  CmdTreeMove = 32777,
  CmdHelp = 32778,
  CmdDeleteToRecycleBin = 32779,
  CmdExit = 32780,
  CmdJump = 32781,
  CmdFolderHistory = 32782,
  CmdFileMask = 32783,
  CmdSend = 32784,
  CmdShellFind = 32785,
  CmdRename = 32788,
  CmdInvertSelection = 32789,
  CmdExpandFolder = 32790,
  CmdRefresh = 32791,
  CmdNewFile = 32792,
  CmdNewFolder = 32793,
  CmdShortcutToJump = 32795,
  CmdExplorer = 32796,
  CmdShortcutToCommand = 32797,
  CmdLaunch = 32798,
  CmdGoTo = 32799,
  CmdGoToTemporary = 32800,
  CmdSendWithProgram = 32801,
  CmdLaunchProgram = 32802,
  CmdNextTab = 32803,
  CmdPrevTab = 32804,
  CmdNew = 32805,
  CmdBack = 32806,
  CmdParentFolder = 32807,
  CmdSearchNext = 32808,
  CmdSearchPrev = 32809,
  CmdSearchComplete = 32810,
  CmdSearchBackspace = 32811,
  CmdSearchClear = 32812,
  CmdContextMenu = 32813,
  CmdFolderContextMenu = 32814,
  CmdSettings = 32815,
  CmdKeySettings = 32816,
  CmdReplaceNames = 32818,
  CmdDriveRoot = 32819,
  CmdDelete = 32820,
  CmdSendFromFolder = 32821,
  CmdLaunchFromFolder = 32822,
  CmdSwapNextTab = 32823,
  CmdSwapPrevTab = 32824,
  CmdFindFile = 32825,
  CmdTabList = 32826,
  CmdMapNetworkDrive = 32827,
  CmdDisconnectNetworkDrive = 32828,
  CmdDriveList = 32829,
  CmdViewer = 32830,
  CmdViewerKeySettings = 32831,
  CmdTreeMoveWithFiles = 32832,
  CmdToggleMenu = 32833,
  CmdPathNotify = 32835,
  CmdCommandPrompt = 32836,
  CmdMaskSelect = 32837,
  CmdPasteSelect = 32838,
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
