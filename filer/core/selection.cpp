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

namespace {

// The full path of a pick-list row, or empty for the "/.." row.
std::string RowPath(const RowStore& rows, int r) {
  if (!rows.IsListMode()) return {};
  const PickRow row = rows.Pick(r);
  if (row.folder) return row.name_text == "/.." ? std::string() : row.path;
  return path::Join(row.path, row.name_text);
}

}  // namespace

std::string FilerController::SelectedPaths() const {
  std::string list;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    const std::string path = RowPath(rows_, r);
    if (!path.empty()) AppendName(list, path);
  }
  return list;
}

void FilerController::PruneVanishedRows() {
  for (int r = rows_.size() - 1; r >= 0; --r) {
    const std::string path = RowPath(rows_, r);
    if (path.empty() || fs_.Exists(path)) continue;
    rows_.Erase(r);
    file_list_.DeleteRow(r);
  }
}

}  // namespace qd
