// What a paste of 10,000 items costs the filer around the shell's own work:
// collecting the selection, building the two double-NUL lists, and
// selecting the pasted names again in a folder of 100,000 rows of the real
// window. Prints a Markdown table.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "bench/win32/bench_support_win32.h"
#include "common/name_list.h"
#include "filer/fileops/clipboard.h"
#include "filer/win32/filer_dialog_win32.h"
#include "resources/command_ids.h"
#include "settings/win32/profile_settings_file_win32.h"

namespace {

using qd::bench::Best;
using qd::bench::BenchName;

}  // namespace

int main(int argc, char** argv) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string root = argc > 1 ? argv[1] : std::string(tmp) + "qd-paste-bench";
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string empty = root + "\\empty";
  CreateDirectoryA(empty.c_str(), nullptr);
  SetCurrentDirectoryA(empty.c_str());
  qd::ProfileSettingsFile settings(root + "\\Qd.ini");
  qd::FilerDialog dialog(settings, root, "");
  if (!dialog.Create()) {
    std::fprintf(stderr, "the main window cannot be created (no display?)\n");
    return 1;
  }
  qd::FilerController& filer = dialog.filer();
  qd::FilerView& view = filer;  // the selection collectors, as the file operations see them
  HWND list = GetDlgItem(dialog.hwnd(), IDC_FILE_LIST);

  // A folder of 100,000 files in the filer's order; every tenth is pasted.
  constexpr int kRows = 100000, kPasted = 10000;
  qd::RowStore& rows = filer.rows();
  rows.Clear();
  for (int i = 0; i < kRows; ++i) {
    rows.AddEntry({BenchName(i, kRows), qd::kAttrArchive, static_cast<uint64_t>(i), 0});
  }
  ListView_SetItemCountEx(list, rows.size(), 0);
  filer.SortList(0, qd::SortMode::Once);
  std::string pasted;
  for (int i = 0; i < kRows; i += kRows / kPasted) qd::AppendName(pasted, BenchName(i, kRows));
  const std::string source = "C:\\作業\\プロジェクト資料\\コピー元\\";
  const std::string destination = "D:\\バックアップ\\2024年\\";

  const auto select_pasted_rows = [&] {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int r = 0; r < kRows; r += kRows / kPasted) {
      ListView_SetItemState(list, r, LVIS_SELECTED, LVIS_SELECTED);
    }
  };
  std::string collected;
  const double collect = Best(
      5, [&] { collected = view.SelectedNamesWithTotals(); }, select_pasted_rows);
  std::size_t bytes = 0;
  const double lists = Best(5, [&] {
    const std::string from = qd::DoubleNulList(source, pasted);
    const std::string to = qd::DoubleNulList(destination, pasted);
    bytes = from.size() + to.size();
  });
  const double reselect = Best(
      5, [&] { filer.RestoreCursor(pasted, 0); },
      [&] { ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED); });
  const int selected = ListView_GetSelectedCount(list);

  std::printf("| paste of %d items into a folder of %d, best of 5 | time | goal |\n", kPasted,
              kRows);
  std::printf("|---|---|---|\n");
  std::printf("| selection collected with its totals (%zu entries) | %.1f ms | |\n",
              qd::SplitNameList(collected).size(), collect);
  std::printf("| source and destination double-NUL lists built (%zu bytes) | %.1f ms | < 20 ms |\n",
              bytes, lists);
  std::printf(
      "| pasted names selected again after the listing (%d rows selected) | %.1f ms | "
      "< 50 ms |\n",
      selected, reselect);
  SetCurrentDirectoryA(root.c_str());
  return 0;
}
