// The tabs with their remembered cursors, and the folder history.
#include <algorithm>

#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"

namespace qd {

void FilerController::ClearFileList() {
  rows_.Clear();
  file_list_.SetRowCount(0);
}

void FilerController::SetTabText(int index, const std::string& path) {
  tabs_.SetTabText(index, path::LastComponent(path));
}

void FilerController::ShowTabTexts(int from) {
  for (int i = std::max(from, 0); i < tab_set_.size(); ++i) SetTabText(i, tab_set_.at(i).path);
}

void FilerController::SelectTab(int i) {
  if (!tab_set_.Contains(i)) return;
  const int current = tab_set_.current();
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(false);
  } else if (current != -1 && current != i) {
    tab_set_.StoreCursor(current, SelectedNames(), BottomRow());
  }
  tabs_.SelectTab(i);
  const TabSlot& slot = tab_set_.at(i);
  if (EnterFolder(slot.path)) {
    FillList();
  } else {
    prompts_.Beep();
    ClearFileList();
  }
  if (slot.cursor_names.empty()) {
    FindItem("..", true);
  } else {
    RestoreCursor(slot.cursor_names, slot.cursor_row);
  }
  tab_set_.set_current(i);
  if (view_mode_ == ViewMode::TemporaryMove) EndTemporaryMove(false);
}

void FilerController::InsertTab(int index, const std::string& path) {
  tab_set_.Insert(index, TabSlot{.path = path, .cursor_names = {}, .cursor_row = 0});
  tabs_.InsertTab(index, path::LastComponent(path));
}

// The new tab goes right of the current one. The strip gains its tab at the
// end and the texts from the new position on are shown again, so that the
// strip's selection keeps its index.
void FilerController::OpenNewTab(const std::string& path, bool select) {
  const int count = TabCount();
  const int current = tab_set_.current();
  const int position = std::min(current < 0 ? 0 : current + 1, count);
  tab_set_.Insert(position, TabSlot{.path = path, .cursor_names = {}, .cursor_row = 0});
  tabs_.InsertTab(count, path::LastComponent(tab_set_.at(count).path));
  ShowTabTexts(position);
  if (select) SelectTab(position);
}

void FilerController::DeleteTab(int i) {
  if (TabCount() <= 1 || !tab_set_.Contains(i)) return;  // the last tab stays
  tabs_.DeleteTab(i);
  tab_set_.Erase(i);
}

void FilerController::CmdNewTab() {
  std::string path = fs_.CurrentDirectory();
  if (!BrowseForFolder("新規タブのフォルダを選択してください", &path, false)) return;
  OpenNewTab(path, true);
}

void FilerController::CmdCloseTab() {
  if (view_mode_ == ViewMode::List) LeaveListMode(false);
  const int i = tab_set_.current();
  if (i < 0) return;
  DeleteTab(i);
  tab_set_.set_current(-1);  // the closed tab's cursor is not stored anywhere
  SelectTab(i == 0 ? 0 : std::min(i - 1, TabCount() - 1));
}

void FilerController::StepTab(int step) {
  const int count = TabCount();
  if (count < 2) return;
  const int current = tab_set_.current();
  int target = (current < 0 ? 0 : current) + step;
  if (target >= count) target = 0;
  if (target < 0) target = count - 1;
  SelectTab(target);
}

void FilerController::SwapTab(int step) {
  const int count = TabCount();
  const int current = tab_set_.current();
  if (count < 2 || current < 0) return;
  int target = current + step;
  if (target >= count) target = 0;
  if (target < 0) target = count - 1;
  tab_set_.Move(current, target);
  ShowTabTexts(std::min(current, target));
  tab_set_.set_current(target);
  tabs_.SelectTab(target);
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

// The jump and command folders are places to pick from, not places visited.
void FilerController::RecordFolder(const std::string& folder) {
  if (folder.empty()) return;  // never an entry that would end the saved list
  if (cp932::EqualNoCase(folder, prefs_.jump_folder) ||
      cp932::EqualNoCase(folder, prefs_.command_folder)) {
    return;
  }
  history_.Record(folder);
}

}  // namespace qd
