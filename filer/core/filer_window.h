// The filer's main window as behaviour: it owns the preferences and the
// state of the filer and runs every command. The Win32 dialog creates the
// controls, hands them over as ports and routes its messages here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/core/ports.h"
#include "filer/core/preferences.h"
#include "filer/core/row_store.h"
#include "settings/settings_file.h"

namespace qd {

enum class ViewMode { Normal, TemporaryMove, List };

// What a pick list shows.
enum ListKind : int {
  kNoList = 0,
  kFolderHistoryList = 1,
  kFolderExpansionList = 2,
  kFindResultList = 3,
  kTabList = 4,
  kDriveList = 5,
};

// Fields of the search line.
enum class SearchField { Search = 0, FileMessege = 1, Mode = 2, FileInf = 3 };

// Widths of the file list's five columns, the saved defaults.
struct ColumnWidths {
  int name = 125, ext = 60, size = 60, date = 135, attr = 50;
};

// The window rectangle used when none was saved.
struct WindowRect {
  int left = 268, top = 50, right = 727, bottom = 650;
};

inline constexpr std::string_view kVersionText = "Quenda v0.53";
inline constexpr std::string_view kExitQuestion = "Qd を終了します。";

enum class KeyMessage { KeyDown, SysKeyDown, Char };

enum class SortMode { User, Once };

struct FilerPorts {
  SettingsFile& settings;
  FramePort& frame;
  FileListPort& file_list;
  ListPort& message_area;
  ListPort& search_line;
  HistoryStorePort& history;
  FileSystemPort& fs;
  KeyStatePort& keys;
};

class FilerWindow {
 public:
  FilerWindow(FilerPorts ports, std::string program_folder, std::string pending_path);

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

  // The text of a file list cell, for the list control to show.
  std::string CellText(int row, int column) const { return rows_.Text(row, column); }

  // Esc, the close box and CmdExit: back out of a pick list or a temporary
  // move first, ask when Conf-Main/Esc is set, then save and close.
  void Cancel();

  void ShowMessage(std::string_view text, bool repaint);
  void SetSearchLineField(SearchField field, std::string_view text);
  std::string SearchText() const;
  void CmdToggleMenu();
  // A second start has written its command line to Etc/CmdLine.
  void CmdPathNotify();

  // Listing and sorting.
  void FillList();
  void SortList(int column, SortMode mode);
  void CmdRefresh();
  int EnterListMode(int kind);
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

  // The selection read back from the rows.
  std::string SelectedNames() const;
  std::string SelectedNamesWithTotals();
  std::string SelectedPaths() const;
  void PruneVanishedRows();

  const Preferences& preferences() const { return prefs_; }
  bool menu_shown() const { return menu_shown_; }
  ViewMode view_mode() const { return view_mode_; }
  int list_kind() const { return list_kind_; }
  int sort_column() const { return sort_column_; }
  bool sort_ascending() const { return sort_ascending_; }
  const std::string& mask() const { return mask_; }
  int last_key_code() const { return last_key_code_; }
  const std::string& program_folder() const { return program_folder_; }
  const std::string& pending_path() const { return pending_path_; }
  const RowStore& rows() const { return rows_; }
  RowStore& rows() { return rows_; }
  // The remembered cursor of the current tab (names and bottom row).
  const std::string& tab_cursor_names() const { return tab_cursor_names_; }
  int tab_cursor_row() const { return tab_cursor_row_; }

 private:
  void ReadAndApplyPreferences();
  void CreatePaneColumns(const ColumnWidths& widths);
  void ListPieces();
  int CursorRow() const;  // the first selected row, or -1
  int BottomRow() const;
  bool RowMatches(int row, std::string_view text) const;
  void SearchStep(bool forward);
  bool SortKey(int vk);
  void SetSearchText(std::string_view text);

  SettingsFile& settings_;
  FramePort& frame_;
  FileListPort& file_list_;
  ListPort& message_area_;
  ListPort& search_line_;
  HistoryStorePort& history_;
  FileSystemPort& fs_;
  KeyStatePort& keys_;

  std::string program_folder_;
  std::string pending_path_;
  Preferences prefs_;
  RowStore rows_;
  bool initialised_ = false;
  bool menu_shown_ = true;  // the template attaches the menu bar
  ViewMode view_mode_ = ViewMode::Normal;
  int list_kind_ = kNoList;
  int sort_column_ = 0;
  bool sort_ascending_ = true;
  std::string mask_ = "*.*";
  bool no_folder_ = false;
  int last_key_code_ = 0;
  bool search_step_ = false;

  // What list mode replaced, to be given back when it ends.
  struct ListModeSave {
    std::string folder;
    std::string names;
    int bottom_row = 0;
    bool from_temporary_move = false;
    int widths[4] = {0, 0, 0, 0};
  } list_save_;

  // The current tab's remembered cursor; the tab store takes it over.
  std::string tab_cursor_names_;
  int tab_cursor_row_ = 0;
};

}  // namespace qd
