// Every filer command once, in the order QdKey lists them, under its group:
// the identifier (what the Key section stores and the menu item carries),
// the name QdKey and the menu bar show, and the kind of option its key
// binding takes (0 none, 1 option, 2 option and option 2). The command
// table, the identifiers and the menu bar are all made from this list.
#pragma once

// clang-format off
#define QD_FILER_COMMANDS(GROUP, COMMAND) \
  GROUP("タブ") \
  COMMAND(CmdNewTab, 32771, "新規タブ", 0) \
  COMMAND(CmdCloseTab, 32772, "タブを閉じる", 0) \
  COMMAND(CmdNextTab, 32803, "次（右）のタブを選択", 0) \
  COMMAND(CmdPrevTab, 32804, "前（左）のタブを選択", 0) \
  COMMAND(CmdSwapNextTab, 32823, "次（右）のタブと入れ替え", 0) \
  COMMAND(CmdSwapPrevTab, 32824, "前（左）のタブと入れ替え", 0) \
  COMMAND(CmdTabList, 32826, "タブ一覧", 0) \
  GROUP("ファイル・フォルダ") \
  COMMAND(CmdCut, 32773, "切り取り", 0) \
  COMMAND(CmdCopy, 32774, "コピー", 0) \
  COMMAND(CmdPaste, 32775, "貼り付け", 0) \
  COMMAND(CmdPasteSelect, 32838, "選択貼り付け", 0) \
  COMMAND(CmdDeleteToRecycleBin, 32779, "削除（ごみ箱）", 0) \
  COMMAND(CmdDelete, 32820, "削除", 0) \
  COMMAND(CmdRename, 32788, "リネーム", 0) \
  COMMAND(CmdReplaceNames, 32818, "ファイル名置換", 0) \
  COMMAND(CmdNewFile, 32792, "新規ファイル", 0) \
  COMMAND(CmdNewFolder, 32793, "新規フォルダ", 0) \
  COMMAND(CmdNew, 32805, "新規作成（ファイル又はフォルダ）", 0) \
  COMMAND(CmdFindFile, 32825, "ファイル検索", 0) \
  GROUP("選択") \
  COMMAND(CmdMaskSelect, 32837, "マスク選択", 0) \
  COMMAND(CmdSelectAll, 32776, "全て選択", 0) \
  COMMAND(CmdInvertSelection, 32789, "選択の切り替え", 0) \
  GROUP("表示") \
  COMMAND(CmdFileMask, 32783, "マスクの設定", 0) \
  COMMAND(CmdExpandFolder, 32790, "フォルダ展開", 0) \
  COMMAND(CmdRefresh, 32791, "最新の情報に更新", 0) \
  GROUP("コマンド") \
  COMMAND(CmdSend, 32784, "コマンド（送る）", 0) \
  COMMAND(CmdLaunch, 32798, "コマンド（起動）", 0) \
  COMMAND(CmdSendFromFolder, 32821, "コマンド（送る）＜フォルダ指定＞", 1) \
  COMMAND(CmdLaunchFromFolder, 32822, "コマンド（起動）＜フォルダ指定＞", 1) \
  COMMAND(CmdSendWithProgram, 32801, "コマンド（送る）＜ファイル指定＞", 1) \
  COMMAND(CmdLaunchProgram, 32802, "コマンド（起動）＜ファイル指定＞", 2) \
  GROUP("移動") \
  COMMAND(CmdTreeMove, 32777, "ツリー移動", 0) \
  COMMAND(CmdTreeMoveWithFiles, 32832, "ツリー移動（ファイル表示）", 0) \
  COMMAND(CmdJump, 32781, "ジャンプ", 0) \
  COMMAND(CmdGoTo, 32799, "移動＜フォルダ指定＞", 1) \
  COMMAND(CmdGoToTemporary, 32800, "一時移動＜フォルダ指定＞", 1) \
  COMMAND(CmdBack, 32806, "フォルダ履歴の一つ後へ", 0) \
  COMMAND(CmdParentFolder, 32807, "一つ上のフォルダへ", 0) \
  COMMAND(CmdDriveRoot, 32819, "ドライブの先頭へ", 0) \
  COMMAND(CmdDriveList, 32829, "ドライブ変更", 0) \
  GROUP("ツール") \
  COMMAND(CmdShellFind, 32785, "検索", 0) \
  COMMAND(CmdExplorer, 32796, "エクスプローラ", 0) \
  COMMAND(CmdCommandPrompt, 32836, "MS-DOS プロンプト", 0) \
  COMMAND(CmdMapNetworkDrive, 32827, "ネットワークドライブの割り当て", 0) \
  COMMAND(CmdDisconnectNetworkDrive, 32828, "ネットワークドライブの切断", 0) \
  GROUP("インクリメンタルサーチ") \
  COMMAND(CmdSearchNext, 32808, "検索（下方向）", 0) \
  COMMAND(CmdSearchPrev, 32809, "検索（上方向）", 0) \
  COMMAND(CmdSearchComplete, 32810, "検索文字を一文字補完", 0) \
  COMMAND(CmdSearchBackspace, 32811, "検索文字を一文字削除", 0) \
  COMMAND(CmdSearchClear, 32812, "検索文字のクリア", 0) \
  GROUP("その他") \
  COMMAND(CmdViewer, 32830, "ビューア", 0) \
  COMMAND(CmdShortcutToJump, 32795, "ショートカット作成（ジャンプ用）", 0) \
  COMMAND(CmdShortcutToCommand, 32797, "ショートカット作成（コマンド用）", 0) \
  COMMAND(CmdFolderHistory, 32782, "フォルダ履歴", 0) \
  COMMAND(CmdContextMenu, 32813, "右クリックメニュー", 0) \
  COMMAND(CmdFolderContextMenu, 32814, "右クリックメニュー（カレントフォルダ）", 0) \
  COMMAND(CmdSettings, 32815, "設定", 0) \
  COMMAND(CmdKeySettings, 32816, "キー設定", 0) \
  COMMAND(CmdViewerKeySettings, 32831, "キー設定（ビューア）", 0) \
  COMMAND(CmdToggleMenu, 32833, "メニュー表示切り替え", 0) \
  COMMAND(CmdHelp, 32778, "ヘルプ", 0) \
  COMMAND(CmdExit, 32780, "Qdの終了", 0)
// clang-format on
