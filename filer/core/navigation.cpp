// Making folders current, opening the selected rows, and the temporary move.
#include <cstdlib>

#include "common/cp932.h"
#include "common/name_list.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "settings/key_sets.h"

namespace qd {

namespace {

constexpr std::string_view kFolderError = "フォルダ移動エラー";
constexpr std::string_view kDriveError = "ドライブ変更エラー";

}  // namespace

// After a successful change: the folder as the system reports it becomes the
// current tab's, and is listed.
void FilerController::ListNewCurrentFolder() {
  const std::string now = fs_.CurrentDirectory();
  const int current = tab_set_.current();
  if (tab_set_.Contains(current)) {
    SetTabText(current, now);
    tab_set_.at(current).path = now;
  }
  FillList();
  SetSearchText("");
}

// A folder becomes current only when its path can be read back and held: one
// that cannot (too long, or beyond what the system hands back) would be
// listed as "" and saved as an empty tab, losing the tabs after it.
bool FilerController::EnterFolder(const std::string& path) {
  const std::string before = fs_.CurrentDirectory();
  if (!fs_.ChangeDirectory(path)) return false;
  if (path::Holdable(fs_.CurrentDirectory())) return true;
  if (!before.empty()) fs_.ChangeDirectory(before);
  return false;
}

bool FilerController::ChangeFolder(const std::string& path) {
  if (!EnterFolder(path)) {
    prompts_.Beep();
    prompts_.ShowError(kFolderError);
    return false;
  }
  ListNewCurrentFolder();
  return true;
}

bool FilerController::ChangeDrive(int drive) {
  std::string path;
  if (!fs_.DriveCurrentDirectory(drive, &path)) {
    if (!fs_.ChangeDrive(drive)) {
      prompts_.ShowError(kDriveError);
      return false;
    }
    path = fs_.CurrentDirectory();
  }
  if (!EnterFolder(path) && !EnterFolder(path::DriveRoot(path))) {
    prompts_.Beep();
    prompts_.ShowError(kDriveError);
    return false;
  }
  ListNewCurrentFolder();
  return true;
}

// The parameter line of a document opened during a temporary move that
// sends: the short paths of the items selected when the move began.
std::string FilerController::OpenParameters() {
  if (view_mode_ != ViewMode::TemporaryMove || !temp_.send) return {};
  std::string parameters;
  for (std::string_view entry : SplitNameList(temp_.names)) {
    // Names from the listing lie in the folder; find results are full paths.
    std::string full(entry);
    if (cp932::FindChar(full, '\\') == std::string::npos) full = path::Join(temp_.folder, full);
    parameters += ' ';
    parameters += fs_.ShortPath(full);
  }
  return parameters;
}

void FilerController::OpenItem() {
  if (!tab_set_.Contains(tab_set_.current())) return;
  SetSearchText("");
  const int selected = file_list_.SelectedCount();
  bool opened = false;
  std::vector<int> rows;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r))
    rows.push_back(r);
  const bool list_mode = view_mode_ == ViewMode::List;
  // Names are read before anything changes the rows.
  struct Item {
    bool folder;
    std::string name_text, ext_text, item_name;
  };
  std::vector<Item> items;
  if (!list_mode) {
    for (int r : rows) {
      items.push_back(
          {rows_.IsFolder(r), std::string(rows_.NameText(r)), rows_.ExtText(r), rows_.ItemName(r)});
    }
  }
  const std::string folder = tab_set_.at(tab_set_.current()).path;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool shift = keys_.ShiftDown();
    if (list_mode) {
      if (!OpenPickRow(rows[k], shift)) return;
      continue;
    }
    const Item& item = items[k];
    if (item.folder) {
      if (selected > 1 && !shift) continue;
      const std::string& name = item.item_name;
      if (name == ".." && !shift) {
        CmdParentFolder();
      } else if (shift) {
        OpenNewTab(name == ".." ? folder : path::Join(folder, name), false);
      } else {
        ChangeFolder(name);
      }
      continue;
    }
    const std::string full = path::Join(folder, item.name_text + item.ext_text);
    if (!cp932::EqualNoCase(item.ext_text, ".lnk")) {
      shell_.Open(full, OpenParameters());
      opened = true;
      continue;
    }
    const ShellPort::Shortcut link = shell_.ResolveShortcut(full);
    if (!link.ok) {
      opened = true;
      continue;
    }
    if (link.folder) {
      if (shift) {
        OpenNewTab(link.target, false);
        opened = true;
        continue;
      }
      ChangeFolder(link.target);
      if (view_mode_ == ViewMode::TemporaryMove) {
        EndTemporaryMove(false);
        return;
      }
      continue;
    }
    shell_.Open(full, OpenParameters());
    opened = true;
  }
  if (opened && view_mode_ == ViewMode::TemporaryMove && !keys_.ShiftDown()) {
    EndTemporaryMove(true);
  }
}

void FilerController::CmdParentFolder() {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(true);
    return;
  }
  const std::string left(path::LastComponent(fs_.CurrentDirectory()));
  ChangeFolder("..");
  FindItem(left, true);
}

void FilerController::CmdDriveRoot() {
  const int current = tab_set_.current();
  if (!tab_set_.Contains(current)) return;
  ChangeFolder(path::DriveRoot(tab_set_.at(current).path));
}

void FilerController::CmdBack() {
  if (history_.size() < 3) {
    ShowMessage("フォルダ履歴の最後です。", false);
    return;
  }
  ChangeFolder(history_.at(1));
}

std::string FilerController::KeyOption(KeyOptionSlot slot) {
  const std::string option = BoundOption(settings_, KeySet::Filer, last_key_code_, slot);
  if (slot == KeyOptionSlot::Option && option.empty()) prompts_.ShowError("オプション未設定");
  return option;
}

void FilerController::CmdGoTo() {
  const std::string folder = KeyOption(KeyOptionSlot::Option);
  if (!folder.empty()) ChangeFolder(folder);
}

void FilerController::CmdGoToTemporary() {
  if (StartTemporaryMove()) CmdGoTo();
}

void FilerController::TreeMove(bool with_files) {
  std::string path = fs_.CurrentDirectory();
  if (!BrowseForFolder("移動するフォルダを選択してください", &path, with_files)) return;
  if (view_mode_ == ViewMode::TemporaryMove) EndTemporaryMove(false);
  uint32_t attributes = 0;
  if (!fs_.Attributes(path, &attributes) || (attributes & kAttrDirectory)) {
    ChangeFolder(path);
    return;
  }
  const std::string folder = path::FolderOf(path);  // D:\a.txt lies in D:\, not in "D:"
  if (folder.empty()) {
    ChangeFolder(path);
    return;
  }
  if (ChangeFolder(folder)) FindItem(path::LastComponent(path), true);
}

bool FilerController::BrowseForFolder(std::string_view title, std::string* path, bool with_files) {
  std::string chosen;
  if (!shell_.BrowseForFolder(title, *path, with_files, &chosen)) return false;
  *path = chosen;
  return true;
}

bool FilerController::StartTemporaryMove() {
  if (view_mode_ == ViewMode::TemporaryMove) {
    EndTemporaryMove(true);
    return false;
  }
  temp_.names.clear();
  bool from_find_list = false;
  if (view_mode_ == ViewMode::List) {
    if (list_kind_ == ListKind::FindResults) {
      temp_.names = SelectedPaths();
      temp_.folder = list_save_.folder;
      from_find_list = true;
    }
    LeaveListMode(false);
  }
  const int current = tab_set_.current();
  temp_.tab = current < 0 ? 0 : current;
  if (!from_find_list) {
    temp_.folder = path::WithoutBackslash(tab_set_.Contains(current) ? tab_set_.at(current).path
                                                                     : fs_.CurrentDirectory());
    temp_.names = SelectedNames();
  }
  temp_.bottom_row = BottomRow();
  view_mode_ = ViewMode::TemporaryMove;
  SetSearchLineField(SearchField::Mode, "一時移動");
  SetSearchText("");
  return true;
}

void FilerController::EndTemporaryMove(bool go_back) {
  if (go_back) {
    const std::string folder = path::DriveAsRoot(temp_.folder);
    if (tab_set_.Contains(temp_.tab) && temp_.tab < TabCount()) {
      SetTabText(temp_.tab, folder);
      tab_set_.at(temp_.tab).path = folder;
    }
    view_mode_ = ViewMode::Normal;  // so that the listing below is a normal one
    EnterFolder(folder);
    FillList();
    RestoreCursor(temp_.names, temp_.bottom_row);
  }
  view_mode_ = ViewMode::Normal;
  temp_.folder.clear();
  temp_.names.clear();
  SetSearchLineField(SearchField::Mode, "");
}

}  // namespace qd
