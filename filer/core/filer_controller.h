// The filer as behaviour: it coordinates the parts that hold the filer's
// state and runs the command table. The Win32 dialog (the window) creates
// the controls, hands them over as ports and routes its messages here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/commands/commands.h"
#include "filer/fileops/file_ops.h"
#include "filer/model/command_handlers.h"
#include "filer/model/folder_history.h"
#include "filer/model/row_store.h"
#include "filer/model/tab_set.h"
#include "filer/ports/file_list_port.h"
#include "filer/ports/file_system_port.h"
#include "filer/ports/filer_view.h"
#include "filer/ports/frame_port.h"
#include "filer/ports/history_store_port.h"
#include "filer/ports/key_state_port.h"
#include "filer/ports/pane_port.h"
#include "filer/ports/prompt_port.h"
#include "filer/ports/shell_port.h"
#include "filer/ports/tab_strip_port.h"
#include "filer/ports/walk_progress_port.h"
#include "settings/key_sets.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

namespace qd {

// Widths of the file list's five columns, the saved defaults.
struct ColumnWidths {
  int name = 125, ext = 60, size = 60, date = 135, attr = 50;
};

// The window rectangle used when none was saved.
inline constexpr ScreenRect kDefaultWindowRect{268, 50, 727, 650};

inline constexpr std::string_view kVersionText = "Quenda v0.53";
inline constexpr std::string_view kExitQuestion = "Qd を終了します。";

enum class KeyMessage { KeyDown, SysKeyDown, Char };

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

// Coordinates the parts that hold the filer's state (the tab set, the
// folder history, the row store) and runs the command table, to which it
// and each subsystem contribute their rows. It keeps navigation, tabs,
// listing, keys, pick lists and the saved state; the file operations are
// FileOps', seen through this filer's view.
class FilerController final : public FilerView {
 public:
  FilerController(FilerPorts ports, std::string program_folder, std::string pending_path);
  FilerController(const FilerController&) = delete;
  FilerController& operator=(const FilerController&) = delete;

  // Everything the window does when it is created, after the Win32 side has
  // set up the system menu, the icons and the drop targets.
  void Initialise();

  // Size change of the client area; nothing happens before Initialise.
  void OnSize(int client_width, int client_height);

  // A menu command, a bound key's command, or OK (1) and Cancel (2) of the
  // dialog. Returns false for an identifier the filer does not know; a
  // command of the table that is not built yet does nothing.
  bool OnCommand(int id);
  // Whether a row of the command table runs the identifier.
  bool HasHandler(int id) const { return handlers_.Has(id); }

  // Key pre-translation: every key-down, system-key-down and character
  // message of the window and its panes comes here first. True when the
  // message is consumed; otherwise it goes on to the dialog and the pane.
  bool OnKey(KeyMessage kind, int code);

  void OnHeaderClick(int column) { SortList(column, SortMode::User); }
  // Tab strip events: a selection the user changed, a click.
  void OnTabSelectionChange();
  void OnTabClick();

  // Esc, the close box and CmdExit: back out of a pick list or a temporary
  // move first, ask when Conf-Main/Esc is set, then save and close.
  void Cancel();

  // The state kept between runs is read once at initialisation and written
  // once at exit.
  void SaveState();

  void ShowMessage(std::string_view text, bool repaint) override;
  void SetSearchLineField(SearchField field, std::string_view text) override;
  const std::string& SearchText() const { return search_text_; }
  // The incremental search's text, shown in the search line's first field.
  void SetSearchText(std::string_view text);

  // Listing, sorting and the pick lists.
  void FillList() override;
  void SortList(int column, SortMode mode) override;
  bool EnterListMode(ListKind kind) override;
  void LeaveListMode(bool go_back);

  // The cursor.
  bool FindItem(std::string_view text, bool forward) override;
  void MoveCursor(int from, int to) override;
  void RestoreCursor(std::string_view names, int row) override;

  // Navigation and tabs.
  bool ChangeFolder(const std::string& path);
  bool ChangeDrive(int drive);
  void OpenItem();
  // False when a temporary move was under way: it ends instead.
  bool StartTemporaryMove();
  void SelectTab(int index);
  void OpenNewTab(const std::string& path, bool select);
  int TabCount() const { return tabs_.TabCount(); }
  const TabSet& tab_set() const { return tab_set_; }
  void set_send_flag(bool send) { temp_.send = send; }

  FileOps& file_ops() { return file_ops_; }
  const Preferences& preferences() const override { return prefs_; }
  bool menu_shown() const { return menu_shown_; }
  ViewMode view_mode() const override { return view_mode_; }
  ListKind list_kind() const override { return list_kind_; }
  int sort_column() const { return sort_column_; }
  bool sort_ascending() const { return sort_ascending_; }
  const DisplayMask& display_mask() const override { return mask_; }
  int last_key_code() const { return last_key_code_; }
  const std::string& pending_path() const { return pending_path_; }
  const RowStore& rows() const { return rows_; }
  RowStore& rows() { return rows_; }

 private:
  // The rest of the view the subsystems see.
  std::string CurrentFolder() const override { return tab_set_.CurrentPath(); }
  RowPath PathOfRow(int row) const override;
  int CursorRow() const override;  // the first selected row, or -1
  std::string SelectedNames() const override;
  std::string SelectedNamesWithTotals() override;
  std::string SelectedPaths() const override;
  void PruneVanishedRows() override;
  void Refresh() override { CmdRefresh(); }
  void SetDisplayMask(const DisplayMask& mask) override;
  bool RemoveFromPickList(bool confirm) override;

  void AddCommands();
  void CmdToggleMenu();
  // A second start has written its command line to Etc/CmdLine.
  void CmdPathNotify();
  // Opens the handed-over path in a tab that shows its folder, a new tab or
  // the current tab; false when there is nothing to open.
  bool OpenPendingPath();
  void RestoreState();
  void CmdRefresh();
  void CmdSearchComplete();
  void CmdSearchBackspace();
  void CmdParentFolder();
  void CmdDriveRoot();
  void CmdBack();
  void CmdGoTo();
  void CmdGoToTemporary();
  void CmdNewTab();
  void CmdCloseTab();
  void CmdTabList();
  void CmdFolderHistory();
  // Makes the folder current when its path can be held; else nothing changes.
  bool EnterFolder(const std::string& path);
  void EndTemporaryMove(bool go_back);
  bool BrowseForFolder(std::string_view title, std::string* path, bool with_files);
  std::string KeyOption(KeyOptionSlot slot) override;
  void InsertTab(int index, const std::string& path);
  void DeleteTab(int index);
  void SetTabText(int index, const std::string& path);
  void RecordFolder(const std::string& folder);
  // The delete commands in the history list and the tab list.
  void DeleteFromHistoryList(bool confirm);
  void CloseFromTabList(bool confirm);

  void ReadAndApplyPreferences();
  void CreatePaneColumns(const ColumnWidths& widths);
  void ListPieces();
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
  bool menu_shown_ = true;  // the window attaches the menu bar when it is made
  ViewMode view_mode_ = ViewMode::Normal;
  ListKind list_kind_ = ListKind::None;
  int sort_column_ = 0;
  bool sort_ascending_ = true;
  DisplayMask mask_;
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

  FileOps file_ops_;
  Commands commands_;
  CommandHandlers handlers_;
};

}  // namespace qd
