// The tables of commands that the filer, the viewer and QdKey agree on. A row
// is a group header (value -1, never a command) or a command with its value
// and the kind of option its key binding carries.
#pragma once

#include <cstddef>
#include <string_view>

#include "settings/command_list.h"

namespace qd {

// Filer command identifiers: menu items and `Key` values alike.
enum CommandId : int {
#define QD_GROUP(name)
#define QD_COMMAND(id, value, name, kind) id = value,
  QD_FILER_COMMANDS(QD_GROUP, QD_COMMAND)
#undef QD_COMMAND
#undef QD_GROUP
  // Posted by a second start of the filer; never offered to the user.
  CmdPathNotify = 32835,
};

// The viewer's functions: `KeyView` values.
enum ViewCommand : int {
  ViewCmdNone = 1,
  ViewCmdNextFile = 2,
  ViewCmdPrevFile = 3,
  ViewCmdFind = 4,
  ViewCmdFindNext = 5,
  ViewCmdFindPrev = 6,
  ViewCmdToggleVertical = 7,
  ViewCmdToggleMaximize = 8,
  ViewCmdSelectAll = 9,
  ViewCmdCopy = 10,
  ViewCmdClose = 11,
  ViewCmdLaunch = 12,
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
