// The filer as its subsystems see it: what is shown, the rows' paths and
// the selection read back from them, the cursor, the message area and the
// search line, and listing again. The controller implements it; the file
// operations (and later the commands and the viewer) receive it.
#pragma once

#include <string>
#include <string_view>

#include "settings/key_sets.h"
#include "settings/preferences.h"

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

// A sort the user asked for turns the column's order around on a second
// click; a sort done once leaves the user's column and order as they were.
enum class SortMode { User, Once };

// The display mask: the patterns a listing shows, and whether folders are
// listed whatever the patterns say (false) or only when they match.
struct DisplayMask {
  std::string text = "*.*";
  bool no_folder = false;
};

// A row's full path and whether it names a folder; empty for the ".." row
// of a pick list.
struct RowPath {
  std::string path;
  bool folder = false;
};

class FilerView {
 public:
  virtual ViewMode view_mode() const = 0;
  virtual ListKind list_kind() const = 0;
  virtual const Preferences& preferences() const = 0;
  // The current tab's folder as the tab holds it; empty when there is none.
  virtual std::string CurrentFolder() const = 0;
  virtual RowPath PathOfRow(int row) const = 0;

  // The selection read back from the rows: the first selected row (-1 for
  // none), and the name lists of the selected items (the ".." row never).
  virtual int CursorRow() const = 0;
  virtual std::string SelectedNames() const = 0;
  // The same, with the count and total size shown in the message area.
  virtual std::string SelectedNamesWithTotals() = 0;
  // The full paths of the selected rows of a pick list.
  virtual std::string SelectedPaths() const = 0;
  // Takes out the rows of a result list whose items are gone.
  virtual void PruneVanishedRows() = 0;

  // The cursor: onto the next row that a search text finds, from one row
  // to another, onto the rows of a name list (reselect).
  virtual bool FindItem(std::string_view text, bool forward) = 0;
  virtual void MoveCursor(int from, int to) = 0;
  virtual void RestoreCursor(std::string_view names, int row) = 0;

  virtual void ShowMessage(std::string_view text, bool repaint) = 0;
  virtual void SetSearchLineField(SearchField field, std::string_view text) = 0;

  // Listing again: the current folder afresh, or what the refresh command
  // does (the cursor kept; a result list loses its vanished rows).
  virtual void FillList() = 0;
  virtual void Refresh() = 0;
  virtual const DisplayMask& display_mask() const = 0;
  // Takes the mask and lists the folder with it.
  virtual void SetDisplayMask(const DisplayMask& mask) = 0;

  // A pick list replaces the listing's columns; false when one was shown
  // (it is closed instead).
  virtual bool EnterListMode(ListKind kind) = 0;
  virtual void SortList(int column, SortMode mode) = 0;
  // An option of the key that started the command (from the menu too: the
  // last key pressed); an empty option shows "オプション未設定".
  virtual std::string KeyOption(KeyOptionSlot slot) = 0;

  // The delete commands in the history list and the tab list remove entries
  // and close tabs; false in any other list or listing.
  virtual bool RemoveFromPickList(bool confirm) = 0;

 protected:
  ~FilerView() = default;
};

}  // namespace qd
