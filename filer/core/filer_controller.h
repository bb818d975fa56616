// The filer as behaviour: it coordinates the parts that hold the filer's
// state and runs the command table. The Win32 dialog (the window) creates
// the controls, hands them over as ports and routes its messages here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/fileops/clipboard.h"
#include "filer/model/folder_history.h"
#include "filer/model/row_store.h"
#include "filer/model/tab_set.h"
#include "filer/ports/file_list_port.h"
#include "filer/ports/file_system_port.h"
#include "filer/ports/frame_port.h"
#include "filer/ports/history_store_port.h"
#include "filer/ports/key_state_port.h"
#include "filer/ports/pane_port.h"
#include "filer/ports/prompt_port.h"
#include "filer/ports/shell_port.h"
#include "filer/ports/tab_strip_port.h"
#include "filer/ports/walk_progress_port.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

namespace qd {

enum class ViewMode { Normal, TemporaryMove, List };

// What a pick list shows; the numbers are the ones the behaviour gives.
enum class ListKind {
  None = 0,
  FolderHistory = 1,
  FolderExpansion = 2,
  FindResults = 3,
  TabList = 4,
  DriveList = 5,
};

// Fields of the search line; FileMessage's header reads "FileMessege".
enum class SearchField { Search = 0, FileMessage = 1, Mode = 2, FileInf = 3 };

// Widths of the file list's five columns, the saved defaults.
struct ColumnWidths {
  int name = 125, ext = 60, size = 60, date = 135, attr = 50;
};

// The window rectangle used when none was saved.
inline constexpr ScreenRect kDefaultWindowRect{268, 50, 727, 650};

inline constexpr std::string_view kVersionText = "Quenda v0.53";
inline constexpr std::string_view kExitQuestion = "Qd を終了します。";

enum class KeyMessage { KeyDown, SysKeyDown, Char };

enum class SortMode { User, Once };

struct FilerPorts {
  SettingsFile& settings;
  FramePort& frame;
  PromptPort& prompts;
  FileListPort& file_list;
  PanePort& message_area;
  PanePort& search_line;
  HistoryStorePort& history;
  FileSystemPort& fs;
  KeyStatePort& keys;
  TabStripPort& tabs;
  ShellPort& shell;
  // None: a walk of folders runs to its end without looking at the window.
  WalkProgressPort* walk_progress = nullptr;
};

// A path relative to the current folder, or to a drive's own folder, made
// absolute, with its "." and ".." components taken out.
std::string AbsolutePath(FileSystemPort& fs, const std::string& path);

// The long form of a path, each component as a directory search reports it;
// empty when it cannot be made or reaches 260 bytes.
std::string LongPathForm(FileSystemPort& fs, const std::string& path);

class FilerController {
 public:
  FilerController(FilerPorts ports, std::string program_folder, std::string pending_path);

  // Everything the window does when it is created, after the Win32 side has
  // set up the system menu, the icons and the drop targets.
  void Initialise();

  // Size change of the client area; nothing happens before Initialise.
  void OnSize(int client_width, int client_height);

  // A menu command, a bound key's command, or OK (1) and Cancel (2) of the
  // dialog. Returns false for an identifier the filer does not know.
  bool OnCommand(int id);

  // Key pre-translation: every key-down, system-key-down and character
  // message of the window and its panes comes here first. True when the
  // message is consumed; otherwise it goes on to the dialog and the pane.
  bool OnKey(KeyMessage kind, int code);

  void OnHeaderClick(int column) { SortList(column, SortMode::User); }

  // Esc, the close box and CmdExit: back out of a pick list or a temporary
  // move first, ask when Conf-Main/Esc is set, then save and close.
  void Cancel();

  void ShowMessage(std::string_view text, bool repaint);
  void SetSearchLineField(SearchField field, std::string_view text);
  const std::string& SearchText() const { return search_text_; }
  // The incremental search's text, shown in the search line's first field.
  void SetSearchText(std::string_view text);
  void CmdToggleMenu();
  // A second start has written its command line to Etc/CmdLine.
  void CmdPathNotify();
  // Opens the handed-over path in a tab that shows its folder, a new tab or
  // the current tab; false when there is nothing to open.
  bool OpenPendingPath();

  // The state kept between runs: read once at initialisation, written once
  // at exit.
  void RestoreState();
  void SaveState();

  // Listing and sorting.
  void FillList();
  void SortList(int column, SortMode mode);
  void CmdRefresh();
  // False when a list was shown: the command closes it instead.
  bool EnterListMode(ListKind kind);
  void LeaveListMode(bool go_back);

  // The cursor and the incremental search.
  bool FindItem(std::string_view text, bool forward);
  void MoveCursor(int from, int to);
  void RestoreCursor(std::string_view names, int row);
  void CmdSearchNext() { SearchStep(true); }
  void CmdSearchPrev() { SearchStep(false); }
  void CmdSearchComplete();
  void CmdSearchBackspace();
  void CmdSearchClear();

  // Navigation.
  bool ChangeFolder(const std::string& path);
  // Makes the folder current when its path can be held; else nothing changes.
  bool EnterFolder(const std::string& path);
  bool ChangeDrive(int drive);
  void OpenItem();
  void CmdParentFolder();
  void CmdDriveRoot();
  void CmdBack();
  void CmdGoTo();
  void CmdGoToTemporary();
  void CmdTreeMove() { TreeMove(false); }
  void CmdTreeMoveWithFiles() { TreeMove(true); }
  // False when a temporary move was under way: it ends instead.
  bool StartTemporaryMove();
  void EndTemporaryMove(bool go_back);
  bool BrowseForFolder(std::string_view title, std::string* path, bool with_files);
  // Option n of the key that started the command; empty shows "オプション未設定".
  std::string KeyOption(int n);

  // Tabs and the folder history.
  void SelectTab(int index);
  void InsertTab(int index, const std::string& path);
  void OpenNewTab(const std::string& path, bool select);
  void DeleteTab(int index);
  void SetTabText(int index, const std::string& path);
  void CmdNewTab();
  void CmdCloseTab();
  void CmdNextTab() { StepTab(1); }
  void CmdPrevTab() { StepTab(-1); }
  void CmdSwapNextTab() { SwapTab(1); }
  void CmdSwapPrevTab() { SwapTab(-1); }
  void CmdTabList();
  void CmdFolderHistory();
  // Tab strip events: a selection the user changed, a click.
  void OnTabSelectionChange();
  void OnTabClick();
  void RecordFolder(const std::string& folder);
  // The delete commands in the history list and the tab list.
  void DeleteFromHistoryList(bool confirm);
  void CloseFromTabList(bool confirm);
  void CmdDeleteToRecycleBin();
  void CmdDelete();
  int TabCount() const { return tabs_.TabCount(); }
  int current_tab() const { return tab_set_.current(); }
  const TabSet& tab_set() const { return tab_set_; }
  bool send_flag() const { return temp_.send; }
  void set_send_flag(bool send) { temp_.send = send; }

  // File operations.
  void CmdRename();
  void CmdNewFolder() { NewItem(ItemKind::Folder); }
  void CmdNewFile() { NewItem(ItemKind::File); }
  // A folder when the cursor is on a folder row, else a file.
  void CmdNew();
  // Proposes a replaced or case-changed name for each item in scope and
  // renames the ones confirmed.
  void CmdReplaceNames();

  // Masks, selection, find and folder expansion.
  void CmdFileMask();
  void CmdMaskSelect();
  void CmdSelectAll();
  void CmdInvertSelection();
  void CmdFindFile();
  void CmdExpandFolder();
  // What the two commands do once their dialog is answered.
  void SelectByMask(std::string_view mask, bool no_folder);
  void FindFiles(const std::string& mask);
  bool no_folder() const { return no_folder_; }

  // The selection read back from the rows.
  std::string SelectedNames() const;
  std::string SelectedNamesWithTotals();
  std::string SelectedPaths() const;
  void PruneVanishedRows();

  const Preferences& preferences() const { return prefs_; }
  bool menu_shown() const { return menu_shown_; }
  ViewMode view_mode() const { return view_mode_; }
  ListKind list_kind() const { return list_kind_; }
  int sort_column() const { return sort_column_; }
  bool sort_ascending() const { return sort_ascending_; }
  const std::string& mask() const { return mask_; }
  int last_key_code() const { return last_key_code_; }
  const std::string& program_folder() const { return program_folder_; }
  const std::string& pending_path() const { return pending_path_; }
  const RowStore& rows() const { return rows_; }
  RowStore& rows() { return rows_; }

  // Cut, copy and paste through the filer's own clipboard; files dropped on
  // the window (their full paths); delete through the shell.
  void CmdCut() { RecordSelection(ClipboardMode::Cut); }
  void CmdCopy() { RecordSelection(ClipboardMode::Copy); }
  void CmdPaste() { Paste(1); }
  void CmdPasteSelect() { Paste(2); }
  void Drop(const std::vector<std::string>& paths);
  // True when the shell call succeeded or there was nothing to do.
  bool Delete(bool to_recycle_bin);
  const FileClipboard& clipboard() const { return clipboard_; }

 private:
  void RecordSelection(ClipboardMode mode);
  // Kind 1 pastes into the current folder (in a pick list, the selected
  // one), kind 2 into the selected folder.
  void Paste(int kind);
  // The full path of a row and whether it names a folder; empty for the
  // ".." row of a pick list.
  std::string RowFullPath(int row, bool* folder);
  FileClipboard clipboard_;

  void ReadAndApplyPreferences();
  void CreatePaneColumns(const ColumnWidths& widths);
  void ListPieces();
  int CursorRow() const;  // the first selected row, or -1
  int BottomRow() const;
  bool RowMatches(int row, std::string_view text, std::string& scratch) const;
  void SearchStep(bool forward);
  bool SortKey(int vk);
  void TreeMove(bool with_files);
  void ListNewCurrentFolder();
  void StepTab(int step);
  void SwapTab(int step);
  void ShowTabTexts(int from);
  void ClearFileList();
  bool OpenPickRow(int row, bool shift);
  std::string OpenParameters();
  void NewItem(ItemKind kind);
  class WalkRows;
  void Walk(ListKind kind, const std::string& mask);

  SettingsFile& settings_;
  FramePort& frame_;
  PromptPort& prompts_;
  FileListPort& file_list_;
  PanePort& message_area_;
  PanePort& search_line_;
  FileSystemPort& fs_;
  KeyStatePort& keys_;
  TabStripPort& tabs_;
  ShellPort& shell_;
  WalkProgressPort* walk_progress_;

  std::string program_folder_;
  std::string pending_path_;
  Preferences prefs_;
  RowStore rows_;
  bool initialised_ = false;
  bool menu_shown_ = true;  // the template attaches the menu bar
  ViewMode view_mode_ = ViewMode::Normal;
  ListKind list_kind_ = ListKind::None;
  int sort_column_ = 0;
  bool sort_ascending_ = true;
  std::string mask_ = "*.*";
  bool no_folder_ = false;
  int last_key_code_ = 0;
  bool search_step_ = false;
  std::string search_text_;
  char pending_lead_byte_ = 0;  // the first half of a typed double-byte character

  // What list mode replaced, to be given back when it ends.
  struct ListModeSave {
    std::string folder;
    std::string names;
    int bottom_row = 0;
    bool from_temporary_move = false;
    int widths[4] = {0, 0, 0, 0};
  } list_save_;
  // Ends list mode: the normal columns and mode come back; the folder and
  // cursor it replaced are handed to the caller.
  ListModeSave ExitListMode();

  TabSet tab_set_;
  FolderHistory history_;
  bool tab_selection_changed_ = false;

  // Where a temporary move began, to go back there.
  struct TemporaryMove {
    std::string folder;
    std::string names;
    int bottom_row = 0;
    int tab = 0;
    bool send = false;
  } temp_;
};

}  // namespace qd
