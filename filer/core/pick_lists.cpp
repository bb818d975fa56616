// The pick lists that replace the listing's columns: the folder history and
// the tab list (the find lists and the drive list come with their commands);
// what Enter and the delete commands do in each.
#include <algorithm>

#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "filer/model/layout.h"

namespace qd {

namespace {

constexpr std::string_view kFolderError = "フォルダ移動エラー";

struct ListColumn {
  const char* header;
  Align align;
};

}  // namespace

bool FilerController::EnterListMode(ListKind kind) {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(true);
    return false;
  }
  list_kind_ = kind;
  list_save_.from_temporary_move = view_mode_ == ViewMode::TemporaryMove;
  list_save_.folder = fs_.CurrentDirectory();
  list_save_.names = SelectedNames();
  list_save_.bottom_row = BottomRow();

  rows_.Clear(RowStore::Kind::Picks);
  file_list_.SetRowCount(0);
  for (int i = 0; i < 4; ++i) list_save_.widths[i] = file_list_.ColumnWidth(i + 1);
  for (int i = 4; i >= 1; --i) file_list_.DeleteColumn(i);

  const int* w = list_save_.widths;  // eXt, Size, Date, Attr
  const int all = SumOfWidths({w[0], w[1], w[2], w[3]});
  const int half = SumOfWidths({w[0], w[1], w[2], w[3] / 2});
  const char* mode_text = "";
  switch (kind) {
    case ListKind::FolderHistory:
    case ListKind::TabList:
      file_list_.InsertColumn(1, "Path", Align::Left, half);
      file_list_.InsertColumn(2, "X", Align::Right, w[3] / 2);
      mode_text = kind == ListKind::TabList ? "タブ一覧" : "フォルダ履歴";
      break;
    case ListKind::FolderExpansion:
      file_list_.InsertColumn(1, "Path", Align::Left, all);
      mode_text = "フォルダ展開";
      break;
    case ListKind::FindResults:
      file_list_.InsertColumn(1, "Path (folder)", Align::Left, all);
      mode_text = "ファイル検索";
      break;
    case ListKind::DriveList:
      file_list_.InsertColumn(1, "tyPe", Align::Left, all);
      mode_text = "ドライブ一覧";
      break;
    case ListKind::None:
      break;
  }
  SetSearchLineField(SearchField::Mode, mode_text);
  view_mode_ = ViewMode::List;
  SetSearchText("");
  SetSearchLineField(SearchField::FileInf, "");
  return true;
}

FilerController::ListModeSave FilerController::ExitListMode() {
  while (file_list_.ColumnCount() > 1) file_list_.DeleteColumn(file_list_.ColumnCount() - 1);
  const ListColumn normal[] = {
      {"eXt", Align::Left}, {"Size", Align::Right}, {"Date", Align::Left}, {"Attr", Align::Left}};
  for (int i = 0; i < 4; ++i) {
    file_list_.InsertColumn(i + 1, normal[i].header, normal[i].align, list_save_.widths[i]);
  }
  if (list_save_.from_temporary_move) {
    view_mode_ = ViewMode::TemporaryMove;
    SetSearchLineField(SearchField::Mode, "一時移動");
  } else {
    view_mode_ = ViewMode::Normal;
    SetSearchLineField(SearchField::Mode, "");
  }
  list_kind_ = ListKind::None;
  ListModeSave saved = std::move(list_save_);
  list_save_ = ListModeSave{};
  return saved;
}

void FilerController::LeaveListMode(bool go_back) {
  if (view_mode_ != ViewMode::List) return;
  const ListModeSave saved = ExitListMode();
  if (go_back) {
    // The folder was saved as the system reported it; "D:" is D:\ here.
    EnterFolder(path::DriveAsRoot(saved.folder));
    FillList();
    RestoreCursor(saved.names, saved.bottom_row);
  } else {
    tab_set_.StoreCursor(tab_set_.current(), saved.names, saved.bottom_row);
  }
  ShowMessage("", false);
}

void FilerController::CmdTabList() {
  if (!EnterListMode(ListKind::TabList)) return;
  tabs_.Repaint();
  for (int i = 0; i < tab_set_.size(); ++i) {
    const std::string& path = tab_set_.at(i).path;
    rows_.AddPickRow({.name_text = std::string(path::LastComponent(path)),
                      .path_text = path,
                      .number_text = std::to_string(i + 1),
                      .path = path,
                      .tab = i,
                      .folder = true});
  }
  file_list_.SetRowCount(rows_.size());
  SortList(2, SortMode::Once);
  const int row = std::max(tab_set_.current(), 0);
  if (row < rows_.size()) {
    file_list_.SetSelected(row, true);
    file_list_.SetFocused(row, true);
  }
}

void FilerController::CmdFolderHistory() {
  if (!EnterListMode(ListKind::FolderHistory)) return;
  ShowMessage("Please Wait", true);
  file_list_.RepaintNow();
  file_list_.SuspendRepaint();
  for (int i = 0; i < history_.size(); ++i) {
    const std::string path = history_.at(i);
    rows_.AddPickRow({.name_text = std::string(path::LastComponent(path)),
                      .path_text = path,
                      .number_text = std::to_string(i + 1),
                      .path = path,
                      .folder = true});
  }
  file_list_.SetRowCount(rows_.size());
  SortList(2, SortMode::Once);
  if (rows_.size() > 1) {  // the folder before this one
    file_list_.SetSelected(1, true);
    file_list_.SetFocused(1, true);
  }
  ShowMessage("", true);
  file_list_.ResumeRepaint();
}

// Enter (or a double click) on one selected row of a pick list; true when
// the visit of the selected rows goes on. Shift opens a new tab instead and
// stays in the list.
bool FilerController::OpenPickRow(int r, bool shift) {
  const PickRow& row = rows_.Pick(r);
  if (list_kind_ == ListKind::TabList) {
    if (shift) {
      OpenNewTab(row.path, false);
      return true;
    }
    const int index = row.tab;
    // Leaving the list hands its saved selection to the tab it was opened
    // from; the switch must not overwrite that with the list's rows.
    LeaveListMode(false);
    if (tab_set_.Contains(index) && index < TabCount()) {
      tab_set_.set_current(-1);
      SelectTab(index);
    }
    return false;
  }
  if (list_kind_ == ListKind::DriveList) {
    const int drive = path::DriveNumber(row.name_text);
    if (shift) {
      OpenNewTab(row.name_text + "\\", false);
    } else if (drive != 0) {
      ChangeDrive(drive);
    }
    return false;
  }
  if (row.folder) {
    if (shift) {
      OpenNewTab(row.path, false);
      return true;
    }
    // A drive root is there when its drive is; a folder when a search finds it.
    bool exists = false;
    if (path::DriveRoot(row.path) == row.path) {
      const int drive = path::DriveNumber(row.path);
      exists = fs_.LogicalDrives() >> (drive - 1) & 1;
    } else {
      exists = fs_.Exists(row.path);
    }
    if (exists) {
      LeaveListMode(false);
      ChangeFolder(row.path);
    } else {
      prompts_.Beep();
      prompts_.ShowError(kFolderError);
    }
    return false;
  }
  if (shift) {
    OpenNewTab(row.path, false);
  } else {
    shell_.Open(path::Join(row.path, row.name_text), "");
  }
  return true;
}

bool FilerController::RemoveFromPickList(bool confirm) {
  if (view_mode_ != ViewMode::List) return false;
  switch (list_kind_) {
    case ListKind::FolderHistory:
      DeleteFromHistoryList(confirm);
      return true;
    case ListKind::TabList:
      CloseFromTabList(confirm);
      return true;
    default:
      return false;
  }
}

void FilerController::DeleteFromHistoryList(bool confirm) {
  if (file_list_.SelectedCount() == 0) return;
  if (confirm && prompts_.AskOkCancel("フォルダ履歴から消去します。") == Answer::Cancel) return;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    history_.Remove(rows_.Pick(r).path);
  }
  LeaveListMode(true);
  CmdFolderHistory();
}

void FilerController::CloseFromTabList(bool confirm) {
  if (tab_set_.current() < 0 || file_list_.SelectedCount() == 0 || TabCount() < 2) return;
  if (confirm && prompts_.AskOkCancel("選択しているタブを閉じます。") == Answer::Cancel) return;
  std::vector<int> indexes;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    const int index = rows_.Pick(r).tab;
    if (tab_set_.Contains(index) && index < TabCount()) indexes.push_back(index);
  }
  std::sort(indexes.rbegin(), indexes.rend());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  if (static_cast<int>(indexes.size()) >= TabCount()) indexes.pop_back();  // one tab survives

  int current = tab_set_.current();
  bool closed_current = false;
  for (int index : indexes) {
    DeleteTab(index);
    if (index == current) closed_current = true;
    if (current >= index) --current;
  }
  current = std::max(current, 0);
  tabs_.SelectTab(current);
  tab_set_.set_current(current);

  // The list's saved cursor belongs to the tab it was opened from: it goes
  // back to that tab if it is still open. The list shown again returns to
  // the current tab's folder and cursor.
  ListModeSave saved = ExitListMode();
  if (!closed_current) tab_set_.StoreCursor(current, saved.names, saved.bottom_row);
  ShowMessage("", false);
  CmdTabList();
  const TabSlot& slot = tab_set_.at(current);
  if (closed_current) {
    list_save_.folder = slot.path;
    list_save_.names = slot.cursor_names;
    list_save_.bottom_row = slot.cursor_row;
  } else {
    list_save_.folder = saved.folder;
    list_save_.names = saved.names;
    list_save_.bottom_row = saved.bottom_row;
  }
}

}  // namespace qd
