#include "settings/command_table.h"

namespace qd {

namespace {

// Group headers carry their decorations: QdKey shows them as they are.
#define QD_GROUP(name) {kGroupHeader, "■■■　" name "　■■■", 0},
#define QD_COMMAND(id, value, name, kind) {id, name, kind},
constexpr CommandRow kFilerRows[] = {QD_FILER_COMMANDS(QD_GROUP, QD_COMMAND)};
#undef QD_COMMAND
#undef QD_GROUP

constexpr CommandRow kViewerRows[] = {
    {kGroupHeader, "■■■　ファイル　■■■", 0},
    {ViewCmdNextFile, "次のファイルへ", 0},
    {ViewCmdPrevFile, "前のファイルへ", 0},
    {kGroupHeader, "■■■　検索　■■■", 0},
    {ViewCmdFind, "文字列検索", 0},
    {ViewCmdFindNext, "次検索", 0},
    {ViewCmdFindPrev, "前検索", 0},
    {kGroupHeader, "■■■　編集　■■■", 0},
    {ViewCmdSelectAll, "全て選択", 0},
    {ViewCmdCopy, "コピー", 0},
    {kGroupHeader, "■■■　その他　■■■", 0},
    {ViewCmdLaunch, "コマンド（起動）＜ファイル指定＞", 2},
    {ViewCmdToggleVertical, "縦書き切り替え", 0},
    {ViewCmdToggleMaximize, "最大化切り替え", 0},
    {ViewCmdClose, "閉じる", 0},
    {ViewCmdNone, "機能無し", 0},
};

constexpr CommandTable kFilerTable{kFilerRows, sizeof kFilerRows / sizeof kFilerRows[0]};
constexpr CommandTable kViewerTable{kViewerRows, sizeof kViewerRows / sizeof kViewerRows[0]};

}  // namespace

const CommandRow* CommandTable::Find(int value) const {
  if (value == kGroupHeader) return nullptr;
  for (const CommandRow& row : *this) {
    if (row.value == value) return &row;
  }
  return nullptr;
}

const CommandTable& FilerCommandTable() { return kFilerTable; }
const CommandTable& ViewerCommandTable() { return kViewerTable; }

std::string_view GroupName(std::string_view header) {
  constexpr std::string_view kFrontDecor = "■■■　";
  constexpr std::string_view kBackDecor = "　■■■";
  if (header.substr(0, kFrontDecor.size()) == kFrontDecor) header.remove_prefix(kFrontDecor.size());
  if (header.size() >= kBackDecor.size() &&
      header.substr(header.size() - kBackDecor.size()) == kBackDecor) {
    header.remove_suffix(kBackDecor.size());
  }
  return header;
}

}  // namespace qd
