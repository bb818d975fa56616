// The tabs with their remembered cursors, the tab list, and the folder
// history with its list.
#include <algorithm>
#include <new>

#include "common/cp932.h"
#include "filer/core/filer_controller.h"

namespace qd {

namespace {

// The last component of a folder, or the whole path for a drive root.
std::string TabText(const std::string& path) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  std::string text = slash == std::string::npos ? path : path.substr(slash + 1);
  return text.empty() ? path : text;
}

}  // namespace

void FilerController::StoreTabCursor(int index, std::string names, int row) {
  if (index < 0 || index >= static_cast<int>(tab_paths_.size())) return;
  tab_cursor_names_[index] = std::move(names);
  tab_cursor_rows_[index] = row;
}

void FilerController::ClearFileList() {
  rows_.Clear();
  file_list_.SetRowCount(0);
}

void FilerController::SetTabText(int index, const std::string& path) {
  tabs_.SetTabText(index, TabText(path));
}

void FilerController::SelectTab(int i) {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(false);
  } else if (current_tab_ != -1 && current_tab_ != i) {
    StoreTabCursor(current_tab_, SelectedNames(), BottomRow());
  }
  tabs_.SelectTab(i);
  if (fs_.ChangeDirectory(tab_paths_[i])) {
    FillList();
  } else {
    prompts_.Beep();
    ClearFileList();
  }
  if (tab_cursor_names_[i].empty()) {
    FindItem("..", true);
  } else {
    RestoreCursor(tab_cursor_names_[i], tab_cursor_rows_[i]);
  }
  current_tab_ = i;
  if (view_mode_ == ViewMode::TemporaryMove) EndTemporaryMove(false);
}

void FilerController::InsertTab(int index, const std::string& path) {
  tabs_.InsertTab(index, TabText(path));
  if (index < static_cast<int>(prefs_.tab_max) && index < static_cast<int>(tab_paths_.size())) {
    tab_paths_[index] = path;
  } else {
    tab_paths_.push_back(path);
    tab_cursor_names_.emplace_back();
    tab_cursor_rows_.push_back(0);
  }
}

void FilerController::OpenNewTab(const std::string& path, bool select) {
  const int count = TabCount();
  const int position = current_tab_ < 0 ? 0 : current_tab_ + 1;
  if (count > 0) {
    InsertTab(count, tab_paths_[count - 1]);
    for (int j = count; j > position; --j) {
      tab_paths_[j] = tab_paths_[j - 1];
      tab_cursor_names_[j] = tab_cursor_names_[j - 1];
      tab_cursor_rows_[j] = tab_cursor_rows_[j - 1];
      SetTabText(j, tab_paths_[j]);
    }
  } else {
    InsertTab(0, path);
  }
  tab_paths_[position] = path;
  tab_cursor_names_[position].clear();
  tab_cursor_rows_[position] = 0;
  SetTabText(position, path);
  if (select) SelectTab(position);
}

void FilerController::DeleteTab(int i) {
  const int count = TabCount();
  if (count <= 1) return;  // the last tab stays
  tabs_.DeleteTab(i);
  for (int j = i; j < count - 1; ++j) {
    tab_paths_[j] = tab_paths_[j + 1];
    tab_cursor_names_[j] = tab_cursor_names_[j + 1];
    tab_cursor_rows_[j] = tab_cursor_rows_[j + 1];
  }
  const int last = count - 1;
  tab_paths_[last].clear();
  tab_cursor_names_[last].clear();
  tab_cursor_rows_[last] = 0;
  if (last >= static_cast<int>(prefs_.tab_max) && last == static_cast<int>(tab_paths_.size()) - 1) {
    tab_paths_.pop_back();
    tab_cursor_names_.pop_back();
    tab_cursor_rows_.pop_back();
  }
}

void FilerController::CmdNewTab() {
  std::string path = fs_.CurrentDirectory();
  if (!BrowseForFolder("新規タブのフォルダを選択してください", &path, false)) return;
  OpenNewTab(path, true);
}

void FilerController::CmdCloseTab() {
  if (view_mode_ == ViewMode::List) LeaveListMode(false);
  const int i = current_tab_;
  if (i < 0) return;
  DeleteTab(i);
  current_tab_ = -1;
  SelectTab(i == 0 ? 0 : std::min(i - 1, TabCount() - 1));
}

void FilerController::StepTab(int step) {
  const int count = TabCount();
  if (count < 2) return;
  int target = (current_tab_ < 0 ? 0 : current_tab_) + step;
  if (target >= count) target = 0;
  if (target < 0) target = count - 1;
  SelectTab(target);
}

void FilerController::SwapTab(int step) {
  const int count = TabCount();
  const int current = current_tab_;
  if (count < 2 || current < 0) return;
  int target = current + step;
  if (target >= count) target = 0;
  if (target < 0) target = count - 1;
  const std::string path = tab_paths_[current];
  const std::string names = tab_cursor_names_[current];
  const int row = tab_cursor_rows_[current];
  // Shift everything between the two one place towards the current tab;
  // across the wrap this rotates all tabs by one.
  const int dir = target > current ? 1 : -1;
  for (int j = current; j != target; j += dir) {
    tab_paths_[j] = tab_paths_[j + dir];
    tab_cursor_names_[j] = tab_cursor_names_[j + dir];
    tab_cursor_rows_[j] = tab_cursor_rows_[j + dir];
    SetTabText(j, tab_paths_[j]);
  }
  tab_paths_[target] = path;
  tab_cursor_names_[target] = names;
  tab_cursor_rows_[target] = row;
  SetTabText(target, path);
  current_tab_ = target;
  tabs_.SelectTab(target);
}

void FilerController::CmdTabList() {
  if (EnterListMode(kTabList) == 0) return;
  tabs_.Repaint();
  for (int i = 0; i < TabCount(); ++i) {
    rows_.AddTextRow(TabText(tab_paths_[i]), tab_paths_[i], std::to_string(i + 1));
  }
  file_list_.SetRowCount(rows_.size());
  SortList(2, SortMode::Once);
  const int row = current_tab_ < 0 ? 0 : current_tab_;
  if (row < rows_.size()) {
    file_list_.SetSelected(row, true);
    file_list_.SetFocused(row, true);
  }
}

void FilerController::CmdFolderHistory() {
  if (EnterListMode(kFolderHistoryList) == 0) return;
  ShowMessage("Please Wait", true);
  file_list_.RepaintNow();
  file_list_.SuspendRepaint();
  for (int i = 0; i < history_.Count(); ++i) {
    const std::string path = history_.Text(i);
    rows_.AddTextRow(TabText(path), path, std::to_string(i + 1));
  }
  file_list_.SetRowCount(rows_.size());
  SortList(2, SortMode::Once);
  if (rows_.size() > 1) {
    file_list_.SetSelected(1, true);
    file_list_.SetFocused(1, true);
  }
  ShowMessage("", true);
  file_list_.ResumeRepaint();
}

void FilerController::OnTabSelectionChange() {
  const int selected = tabs_.SelectedTab();
  if (selected >= 0) SelectTab(selected);
  tab_selection_changed_ = true;
}

void FilerController::OnTabClick() {
  if (!tab_selection_changed_) CmdRefresh();
  tab_selection_changed_ = false;
}

void FilerController::RecordFolder(const std::string& folder) {
  if (cp932::EqualNoCase(folder, prefs_.jump_folder) ||
      cp932::EqualNoCase(folder, prefs_.command_folder)) {
    return;
  }
  history_.Insert(0, folder);
  const int limit = static_cast<int>(prefs_.history);
  for (int i = 1; i <= limit - 2 && i < history_.Count(); ++i) {
    if (cp932::EqualNoCase(history_.Text(i), folder)) {
      history_.Delete(i);
      break;
    }
  }
  if (limit >= 0 && limit < history_.Count()) history_.Delete(limit);
}

void FilerController::DeleteFromHistoryList(bool confirm) {
  if (file_list_.SelectedCount() == 0) return;
  if (confirm && prompts_.AskOkCancel("フォルダ履歴から消去します。") == Answer::Cancel) return;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    const std::string path = rows_.Text(r, 1);
    const int limit = std::min(history_.Count(), static_cast<int>(prefs_.history));
    for (int i = 0; i < limit; ++i) {
      if (cp932::EqualNoCase(history_.Text(i), path)) {
        history_.Delete(i);
        break;
      }
    }
  }
  LeaveListMode(true);
  CmdFolderHistory();
}

void FilerController::CloseFromTabList(bool confirm) {
  if (current_tab_ < 0 || file_list_.SelectedCount() == 0 || TabCount() < 2) return;
  if (confirm && prompts_.AskOkCancel("選択しているタブを閉じます。") == Answer::Cancel) return;
  std::vector<int> indexes;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    const int index = std::atoi(rows_.Text(r, 2).c_str()) - 1;
    if (index >= 0 && index < TabCount()) indexes.push_back(index);
  }
  std::sort(indexes.rbegin(), indexes.rend());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  if (static_cast<int>(indexes.size()) >= TabCount()) indexes.pop_back();  // one tab survives

  int current = current_tab_;
  bool closed_current = false;
  for (int index : indexes) {
    DeleteTab(index);
    if (index == current) closed_current = true;
    if (current >= index) --current;
  }
  current = std::max(current, 0);
  tabs_.SelectTab(current);
  current_tab_ = current;

  const ListModeSave saved = list_save_;
  // The list's saved selection belongs to the tab it was opened from; when
  // that tab is gone it must not land on the new current tab.
  if (closed_current) current_tab_ = -1;
  LeaveListMode(false);
  current_tab_ = current;
  CmdTabList();
  if (closed_current) {
    list_save_.folder = tab_paths_[current];
    list_save_.names = tab_cursor_names_[current];
    list_save_.bottom_row = tab_cursor_rows_[current];
  } else {
    list_save_.folder = saved.folder;
    list_save_.names = saved.names;
    list_save_.bottom_row = saved.bottom_row;
  }
}

}  // namespace qd
