// The collectors that read the selection back from the rows.
#include <cstdio>

#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_controller.h"
#include "common/name_list.h"

namespace qd {

std::string FilerController::SelectedNames() const {
  std::string list;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    if (rows_.IsParentRow(r)) continue;
    AppendName(list, rows_.ItemName(r));
  }
  return list;
}

std::string FilerController::SelectedNamesWithTotals() {
  std::string list;
  int count = 0;
  uint64_t total = 0;  // sizes and their sum are 64-bit
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    if (rows_.IsParentRow(r)) continue;
    AppendName(list, rows_.ItemName(r));
    ++count;
    if (!rows_.IsFolder(r)) total += rows_.SizeOf(r);
  }
  char text[128];
  std::snprintf(text, sizeof text, "アイテム数：%d  サイズ：%llu", count,
                static_cast<unsigned long long>(total));
  ShowMessage(text, false);
  return list;
}

int FilerController::CursorRow() const { return file_list_.NextSelected(-1); }

// One rule for every row: a listing row lies in the current tab's folder; a
// pick-list row names its folder, or its item in the folder of its path; a
// drive row is the drive's root.
RowPath FilerController::PathOfRow(int row) const {
  if (row < 0 || row >= rows_.size()) return {};
  if (!rows_.IsListMode()) {
    return {path::Join(tab_set_.CurrentPath(), rows_.ItemName(row)), rows_.IsFolder(row)};
  }
  const PickRow pick = rows_.Pick(row);
  if (list_kind_ == ListKind::DriveList) return {path::WithBackslash(pick.name_text), true};
  if (pick.folder) {
    if (pick.name_text == "/..") return {};
    return {pick.path, true};
  }
  return {path::Join(pick.path, pick.name_text), false};
}

std::string FilerController::SelectedPaths() const {
  if (!rows_.IsListMode()) return {};
  std::string list;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    const std::string path = PathOfRow(r).path;
    if (!path.empty()) AppendName(list, path);
  }
  return list;
}

void FilerController::PruneVanishedRows() {
  if (!rows_.IsListMode()) return;
  for (int r = rows_.size() - 1; r >= 0; --r) {
    const std::string path = PathOfRow(r).path;
    if (path.empty() || fs_.Exists(path)) continue;
    rows_.Erase(r);
    file_list_.DeleteRow(r);
  }
}

}  // namespace qd
