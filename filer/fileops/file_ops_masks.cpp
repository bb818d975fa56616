// The display mask, selection by mask and invert, and the two walks of a
// folder tree into a result list: find and folder expansion.
#include <algorithm>
#include <vector>

#include "common/path.h"
#include "common/wildcard.h"
#include "filer/fileops/file_ops.h"
#include "filer/fileops/folder_walk.h"
#include "filer/fileops/mask_dialog.h"

namespace qd {

namespace {

constexpr std::string_view kStopped = "処理中断";
constexpr std::string_view kLimitReached = "リミットオーバーの為、処理を中断しました。";

// Makes the marked rows the selection, `focus` the focused row. The rows
// stay where they are on the screen.
void ShowSelection(FileListPort& list, const std::vector<bool>& selected, int focus) {
  const int n = static_cast<int>(selected.size());
  list.SuspendRepaint();
  const bool all = std::find(selected.begin(), selected.end(), false) == selected.end();
  list.SelectAll(all);
  const int was = list.FocusedRow();
  if (was >= 0) list.SetFocused(was, false);
  if (!all) {
    for (int r = 0; r < n; ++r) {
      if (selected[r]) list.SetSelected(r, true);
    }
  }
  if (focus >= 0) list.SetFocused(focus, true);
  list.ResumeRepaint();
}

}  // namespace

void FileOps::FileMask() {
  if (view_.view_mode() == ViewMode::List) return;
  const DisplayMask& shown = view_.display_mask();
  const MaskResult r = AskMask(settings_, prompts_, MaskKind::FileMask, shown.text, shown.no_folder);
  if (!r.ok) return;
  view_.SetDisplayMask({MaskOrDefault(MaskKind::FileMask, r.text), r.option});
}

void FileOps::MaskSelect() {
  const MaskResult r = AskMask(settings_, prompts_, MaskKind::SelectMask, "", false);
  if (r.ok) SelectByMask(MaskOrDefault(MaskKind::SelectMask, r.text), r.option);
}

// The list has one focused row: of the rows that match, the last keeps it,
// as it would when each took the focus in turn.
void FileOps::SelectByMask(std::string_view mask_text, bool no_folder) {
  const WildcardMask mask(mask_text);
  const bool list_mode = view_.view_mode() == ViewMode::List;
  const int n = rows_.size();
  std::vector<bool> matches(n, false);
  int last = -1;
  std::string scratch;
  for (int row = 0; row < n; ++row) {
    const std::string_view name_text = rows_.NameText(row);
    const bool folder = !name_text.empty() && name_text[0] == '/';
    if (folder && (no_folder || name_text == "/..")) continue;
    // A listing row's item name is its Name and Ext texts, or a folder's
    // name without the "/"; a result row's name is its Name text alone.
    std::string_view name = name_text;
    if (!list_mode) {
      name = rows_.ItemNameView(row, scratch);
    } else if (folder) {
      name.remove_prefix(1);
    }
    if (!mask.Matches(name)) continue;
    matches[row] = true;
    last = row;
  }

  ShowSelection(file_list_, matches, last);
}

// A row that is selected or focused loses both states; every other row
// gets both, so the last of them ends with the focus.
void FileOps::InvertSelection() {
  const int n = rows_.size();
  std::vector<bool> on(n, true);
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) on[r] = false;
  const int focused = file_list_.FocusedRow();
  if (focused >= 0 && focused < n) on[focused] = false;
  int last = n - 1;
  while (last >= 0 && !on[last]) --last;
  ShowSelection(file_list_, on, last);
}

void FileOps::FindFile() {
  if (view_.view_mode() == ViewMode::List) return;
  const MaskResult r = AskMask(settings_, prompts_, MaskKind::FindFile, "", false);
  if (r.ok) FindFiles(MaskOrDefault(MaskKind::FindFile, r.text));
  view_.ShowMessage("", false);
}

void FileOps::FindFiles(const std::string& mask) { Walk(ListKind::FindResults, mask); }

void FileOps::ExpandFolder() {
  if (view_.view_mode() == ViewMode::List) return;
  Walk(ListKind::FolderExpansion, "");
}

// The rows of a walk go straight into the row store; the list stops taking
// them at Conf-Main/FolderOpen rows.
class FileOps::WalkRows : public WalkSink {
 public:
  explicit WalkRows(FileOps& f) : f_(f) {}

  bool GoOn() override {
    WalkProgressPort* progress = f_.walk_progress_;
    if (!progress || !progress->Due()) return true;
    // Only the count: the rows are shown once they are sorted, and painting
    // a growing list would cost the walk more than the count is worth.
    f_.view_.SetSearchLineField(SearchField::FileInf, std::to_string(f_.rows_.size()));
    if (!progress->StopRequested()) return true;
    f_.view_.SetSearchLineField(SearchField::Mode, kStopped);
    return false;
  }
  bool AddFolder(std::string_view path) override {
    if (!Room()) return false;
    f_.rows_.AddFolderResult(path);
    return true;
  }
  bool AddFile(std::string_view folder, std::string_view name) override {
    if (!Room()) return false;
    if (name != "." && name != "..") f_.rows_.AddFileResult(folder, name);
    return true;
  }

 private:
  bool Room() {
    if (static_cast<uint32_t>(f_.rows_.size()) < f_.view_.preferences().folder_open) return true;
    f_.view_.SetSearchLineField(SearchField::Mode, kStopped);
    f_.view_.ShowMessage(kLimitReached, false);
    return false;
  }

  FileOps& f_;
};

void FileOps::Walk(ListKind kind, const std::string& mask) {
  view_.ShowMessage("Please Wait", true);
  if (walk_progress_) walk_progress_->Started();

  // The selected folder rows, in row order; ".." (or no folder at all)
  // stands for the folder shown itself.
  std::vector<std::string> starts;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    if (rows_.IsFolder(r)) starts.push_back(rows_.ItemName(r));
  }
  if (starts.empty()) starts.push_back("..");

  const std::string shown = fs_.CurrentDirectory();
  if (view_.EnterListMode(kind)) {
    rows_.Clear(RowStore::Kind::Results);
    // A drive root keeps its backslash: "C:" alone would be whatever folder
    // of the drive the walk entered last.
    const std::string base = path::WithoutBackslash(shown);
    WalkRows sink(*this);
    FolderWalk walk(fs_, sink, mask);
    for (const std::string& start : starts) {
      walk.Visit(start == ".." ? base : path::Join(base, start));
    }
    // The walk entered folder after folder; the folder shown before stays
    // current while the list is shown, so that no folder of the result is
    // held as the current one (which would keep it from being deleted).
    fs_.ChangeDirectory(path::DriveAsRoot(shown));

    file_list_.SetRowCount(rows_.size());
    view_.SortList(1, SortMode::Once);
    if (rows_.size() > 0) {
      file_list_.SetSelected(0, true);
      file_list_.SetFocused(0, true);
    }
    view_.SetSearchLineField(SearchField::FileInf, std::to_string(rows_.size()));
  }
  if (walk_progress_) walk_progress_->Ended();
}

}  // namespace qd
