#include "settings/command_table.h"

namespace qd {

namespace {

constexpr CommandRow kFilerRows[] = {
    {kGroupHeader, "■■■　タブ　■■■", 0},
    {CmdNewTab, "新規タブ", 0},
    {CmdCloseTab, "タブを閉じる", 0},
    {CmdNextTab, "次（右）のタブを選択", 0},
    {CmdPrevTab, "前（左）のタブを選択", 0},
    {CmdSwapNextTab, "次（右）のタブと入れ替え", 0},
    {CmdSwapPrevTab, "前（左）のタブと入れ替え", 0},
    {CmdTabList, "タブ一覧", 0},
    {kGroupHeader, "■■■　ファイル・フォルダ　■■■", 0},
    {CmdCut, "切り取り", 0},
    {CmdCopy, "コピー", 0},
    {CmdPaste, "貼り付け", 0},
    {CmdPasteSelect, "選択貼り付け", 0},
    {CmdDeleteToRecycleBin, "削除（ごみ箱）", 0},
    {CmdDelete, "削除", 0},
    {CmdRename, "リネーム", 0},
    {CmdReplaceNames, "ファイル名置換", 0},
    {CmdNewFile, "新規ファイル", 0},
    {CmdNewFolder, "新規フォルダ", 0},
    {CmdNew, "新規作成（ファイル又はフォルダ）", 0},
    {CmdFindFile, "ファイル検索", 0},
    {kGroupHeader, "■■■　選択　■■■", 0},
    {CmdMaskSelect, "マスク選択", 0},
    {CmdSelectAll, "全て選択", 0},
    {CmdInvertSelection, "選択の切り替え", 0},
    {kGroupHeader, "■■■　表示　■■■", 0},
    {CmdFileMask, "マスクの設定", 0},
    {CmdExpandFolder, "フォルダ展開", 0},
    {CmdRefresh, "最新の情報に更新", 0},
    {kGroupHeader, "■■■　コマンド　■■■", 0},
    {CmdSend, "コマンド（送る）", 0},
    {CmdLaunch, "コマンド（起動）", 0},
    {CmdSendFromFolder, "コマンド（送る）＜フォルダ指定＞", 1},
    {CmdLaunchFromFolder, "コマンド（起動）＜フォルダ指定＞", 1},
    {CmdSendWithProgram, "コマンド（送る）＜ファイル指定＞", 1},
    {CmdLaunchProgram, "コマンド（起動）＜ファイル指定＞", 2},
    {kGroupHeader, "■■■　移動　■■■", 0},
    {CmdTreeMove, "ツリー移動", 0},
    {CmdTreeMoveWithFiles, "ツリー移動（ファイル表示）", 0},
    {CmdJump, "ジャンプ", 0},
    {CmdGoTo, "移動＜フォルダ指定＞", 1},
    {CmdGoToTemporary, "一時移動＜フォルダ指定＞", 1},
    {CmdBack, "フォルダ履歴の一つ後へ", 0},
    {CmdParentFolder, "一つ上のフォルダへ", 0},
    {CmdDriveRoot, "ドライブの先頭へ", 0},
    {CmdDriveList, "ドライブ変更", 0},
    {kGroupHeader, "■■■　ツール　■■■", 0},
    {CmdShellFind, "検索", 0},
    {CmdExplorer, "エクスプローラ", 0},
    {CmdCommandPrompt, "MS-DOS プロンプト", 0},
    {CmdMapNetworkDrive, "ネットワークドライブの割り当て", 0},
    {CmdDisconnectNetworkDrive, "ネットワークドライブの切断", 0},
    {kGroupHeader, "■■■　インクリメンタルサーチ　■■■", 0},
    {CmdSearchNext, "検索（下方向）", 0},
    {CmdSearchPrev, "検索（上方向）", 0},
    {CmdSearchComplete, "検索文字を一文字補完", 0},
    {CmdSearchBackspace, "検索文字を一文字削除", 0},
    {CmdSearchClear, "検索文字のクリア", 0},
    {kGroupHeader, "■■■　その他　■■■", 0},
    {CmdViewer, "ビューア", 0},
    {CmdShortcutToJump, "ショートカット作成（ジャンプ用）", 0},
    {CmdShortcutToCommand, "ショートカット作成（コマンド用）", 0},
    {CmdFolderHistory, "フォルダ履歴", 0},
    {CmdContextMenu, "右クリックメニュー", 0},
    {CmdFolderContextMenu, "右クリックメニュー（カレントフォルダ）", 0},
    {CmdSettings, "設定", 0},
    {CmdKeySettings, "キー設定", 0},
    {CmdViewerKeySettings, "キー設定（ビューア）", 0},
    {CmdToggleMenu, "メニュー表示切り替え", 0},
    {CmdHelp, "ヘルプ", 0},
    {CmdExit, "Qdの終了", 0},
};

constexpr CommandRow kViewerRows[] = {
    {kGroupHeader, "■■■　ファイル　■■■", 0},
    {2, "次のファイルへ", 0},
    {3, "前のファイルへ", 0},
    {kGroupHeader, "■■■　検索　■■■", 0},
    {4, "文字列検索", 0},
    {5, "次検索", 0},
    {6, "前検索", 0},
    {kGroupHeader, "■■■　編集　■■■", 0},
    {9, "全て選択", 0},
    {10, "コピー", 0},
    {kGroupHeader, "■■■　その他　■■■", 0},
    {12, "コマンド（起動）＜ファイル指定＞", 2},
    {7, "縦書き切り替え", 0},
    {8, "最大化切り替え", 0},
    {11, "閉じる", 0},
    {1, "機能無し", 0},
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
