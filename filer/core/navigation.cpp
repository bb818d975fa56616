// Making folders current, opening the selected rows, and the temporary move.
#include <cstdlib>

#include "common/cp932.h"
#include "filer/core/filer_controller.h"
#include "common/name_list.h"
#include "settings/key_codes.h"

namespace qd {

namespace {

constexpr std::string_view kFolderError = "フォルダ移動エラー";
constexpr std::string_view kDriveError = "ドライブ変更エラー";

std::string AfterLastBackslash(const std::string& path) {
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithBackslash(std::string path) {
  if (!cp932::EndsWithBackslash(path)) path += '\\';
  return path;
}

}  // namespace

// After a successful change: the folder as the system reports it becomes the
// current tab's, and is listed.
void FilerController::ListNewCurrentFolder() {
  const std::string now = fs_.CurrentDirectory();
  if (current_tab_ >= 0) {
    SetTabText(current_tab_, now);
    tab_paths_[current_tab_] = now;
  }
  FillList();
  SetSearchText("");
}

bool FilerController::ChangeFolder(const std::string& path) {
  if (!fs_.ChangeDirectory(path)) {
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
  if (!fs_.ChangeDirectory(path) && !fs_.ChangeDirectory(path.substr(0, 3))) {
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
    std::string full(entry);
    if (cp932::FindChar(full, '\\') == std::string::npos) full = WithBackslash(temp_.folder) + full;
    parameters += ' ';
    parameters += fs_.ShortPath(full);
  }
  return parameters;
}

// One selected row of a pick list; true when the visit goes on.
bool FilerController::OpenRowInList(int row, bool shift) {
  const std::string name(rows_.NameText(row));
  const std::string path = rows_.Text(row, 1);
  if ((!name.empty() && name[0] == '/') || list_kind_ == kFolderHistoryList) {
    if (shift) {
      OpenNewTab(path, false);
      return true;
    }
    bool exists = false;
    if (path.size() >= 3 && path.compare(path.size() - 2, 2, ":\\") == 0) {
      const int drive = cp932::ToUpper(path.substr(0, 1))[0] - 'A';
      exists = drive >= 0 && drive < 26 && (fs_.LogicalDrives() >> drive & 1);
    } else {
      exists = fs_.Exists(path);
    }
    if (exists) {
      LeaveListMode(false);
      ChangeFolder(path);
    } else {
      prompts_.Beep();
      prompts_.ShowError(kFolderError);
    }
    return false;
  }
  if (list_kind_ == kTabList) {
    if (shift) {
      OpenNewTab(path, false);
      return true;
    }
    const int index = std::atoi(rows_.Text(row, 2).c_str()) - 1;
    // Leaving the list hands its saved selection to the tab it was opened
    // from; the switch must not overwrite that with the list's rows.
    LeaveListMode(false);
    if (index >= 0 && index < TabCount()) {
      current_tab_ = -1;
      SelectTab(index);
    }
    return false;
  }
  if (list_kind_ == kDriveList) {
    if (shift) {
      OpenNewTab(name + "\\", false);
    } else if (!name.empty()) {
      ChangeDrive(cp932::ToUpper(name.substr(0, 1))[0] - 'A' + 1);
    }
    return false;
  }
  if (shift) {
    OpenNewTab(path, false);
  } else {
    shell_.Open(WithBackslash(path) + name, "");
  }
  return true;
}

void FilerController::OpenItem() {
  if (current_tab_ < 0) return;
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
  const std::string folder = tab_paths_[current_tab_];
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool shift = keys_.ShiftDown();
    if (list_mode) {
      if (!OpenRowInList(rows[k], shift)) return;
      continue;
    }
    const Item& item = items[k];
    if (item.folder) {
      if (selected > 1 && !shift) continue;
      const std::string& name = item.item_name;
      if (name == ".." && !shift) {
        CmdParentFolder();
      } else if (shift) {
        OpenNewTab(name == ".." ? folder : WithBackslash(folder) + name, false);
      } else {
        ChangeFolder(name);
      }
      continue;
    }
    const std::string full = folder + "\\" + item.name_text + item.ext_text;
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
  const std::string left = AfterLastBackslash(fs_.CurrentDirectory());
  ChangeFolder("..");
  FindItem(left, true);
}

void FilerController::CmdDriveRoot() {
  if (current_tab_ < 0) return;
  ChangeFolder(tab_paths_[current_tab_].substr(0, 3));
}

void FilerController::CmdBack() {
  if (history_.Count() < 3) {
    ShowMessage("フォルダ履歴の最後です。", false);
    return;
  }
  ChangeFolder(history_.Text(1));
}

std::string FilerController::KeyOption(int n) {
  const std::string option =
      settings_.ReadString("KeyOption", KeyOptionName(last_key_code_, n), "");
  if (n == 0 && option.empty()) prompts_.ShowError("オプション未設定");
  return option;
}

void FilerController::CmdGoTo() {
  const std::string folder = KeyOption(0);
  if (!folder.empty()) ChangeFolder(folder);
}

void FilerController::CmdGoToTemporary() {
  if (StartTemporaryMove() == 1) CmdGoTo();
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
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  if (slash == std::string::npos) {
    ChangeFolder(path);
    return;
  }
  // D:\a.txt lies in D:\, not in "D:".
  const std::string folder = path.substr(0, slash == 2 ? 3 : slash);
  if (ChangeFolder(folder)) FindItem(path.substr(slash + 1), true);
}

bool FilerController::BrowseForFolder(std::string_view title, std::string* path, bool with_files) {
  std::string chosen;
  if (!shell_.BrowseForFolder(title, *path, with_files, &chosen)) return false;
  *path = chosen;
  return true;
}

int FilerController::StartTemporaryMove() {
  if (view_mode_ == ViewMode::TemporaryMove) {
    EndTemporaryMove(true);
    return 0;
  }
  temp_.names.clear();
  bool from_find_list = false;
  if (view_mode_ == ViewMode::List) {
    if (list_kind_ == kFindResultList) {
      temp_.names = SelectedPaths();
      temp_.folder = list_save_.folder;
      from_find_list = true;
    }
    LeaveListMode(false);
  }
  temp_.tab = current_tab_ < 0 ? 0 : current_tab_;
  if (!from_find_list) {
    std::string folder = current_tab_ >= 0 ? tab_paths_[current_tab_] : fs_.CurrentDirectory();
    if (cp932::EndsWithBackslash(folder)) folder.pop_back();
    temp_.folder = folder;
    temp_.names = SelectedNames();
  }
  temp_.bottom_row = BottomRow();
  view_mode_ = ViewMode::TemporaryMove;
  SetSearchLineField(SearchField::Mode, "一時移動");
  SetSearchText("");
  return 1;
}

void FilerController::EndTemporaryMove(bool go_back) {
  if (go_back) {
    std::string folder = temp_.folder;
    if (cp932::FindChar(folder, '\\') == std::string::npos) folder += '\\';
    if (temp_.tab >= 0 && temp_.tab < static_cast<int>(tab_paths_.size()) &&
        temp_.tab < TabCount()) {
      SetTabText(temp_.tab, folder);
      tab_paths_[temp_.tab] = folder;
    }
    view_mode_ = ViewMode::Normal;  // so that the listing below is a normal one
    fs_.ChangeDirectory(folder);
    FillList();
    RestoreCursor(temp_.names, temp_.bottom_row);
  }
  view_mode_ = ViewMode::Normal;
  temp_.folder.clear();
  temp_.names.clear();
  SetSearchLineField(SearchField::Mode, "");
}

}  // namespace qd
