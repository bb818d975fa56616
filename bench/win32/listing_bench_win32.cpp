// Listing, sorting, search, key dispatch, start and exit of the real main
// window, timed under Wine against a plain directory search over the same
// folder. Prints a Markdown table.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/win32/bench_support_win32.h"
#include "filer/model/row_texts.h"
#include "filer/win32/filer_dialog_win32.h"
#include "resources/command_ids.h"
#include "settings/key_sets.h"
#include "settings/win32/profile_settings_file_win32.h"

namespace {

using qd::bench::Best;
using qd::bench::BenchName;
using qd::bench::BenchSize;
using qd::bench::Now;


std::string BenchFolder(const std::string& root, int count) {
  const std::string folder = root + "\\" + std::to_string(count);
  const std::string done = folder + "\\.complete2";
  if (GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  std::fprintf(stderr, "creating %d files in %s\n", count, folder.c_str());
  for (int i = 0; i < count; ++i) {
    // Mixed names, extensions and sizes, so that every column has work.
    const std::string name = folder + "\\" + BenchName(i, count);
    HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      if (BenchSize(i) != 0) {
        SetFilePointer(h, static_cast<LONG>(BenchSize(i)), nullptr, FILE_BEGIN);
        SetEndOfFile(h);
      }
      CloseHandle(h);
    }
  }
  HANDLE h = CreateFileA(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(h);
  return folder;
}

int PlainSearch(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &fd);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do ++n;
  while (FindNextFileA(h, &fd));
  FindClose(h);
  return n;
}

// The design we do not want: every row inserted into a sorted list view.
double SortedListViewInsert(const std::string& folder) {
  HWND list = CreateWindowA(WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT | LVS_SORTASCENDING, 0, 0, 400,
                            400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  for (int c = 0; c < 5; ++c) {
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    col.cx = 60;
    SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&col));
  }
  const double ms = Best(1, [&] {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
      std::string name = fd.cFileName;
      if (name == ".") continue;
      const std::size_t ext = qd::ExtensionStart(name);
      std::string texts[5] = {name.substr(0, ext), name.substr(ext),
                              std::to_string(fd.nFileSizeLow), qd::DateText(0),
                              qd::AttributeText(fd.dwFileAttributes)};
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = 0x7FFFFFFF;
      item.pszText = texts[0].data();
      const int row =
          static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      for (int c = 1; c < 5; ++c) {
        LVITEMA sub{};
        sub.iSubItem = c;
        sub.pszText = texts[c].data();
        SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  });
  DestroyWindow(list);
  return ms;
}

// Rows of the bench names put into a store directly, in a shuffled order,
// with spread times and a few attributes, so that every column has work.
qd::RowStore ShuffledRows(const qd::RowStore& like, int count) {
  qd::RowStore rows = like;
  rows.Clear();
  std::vector<int> order(count);
  for (int i = 0; i < count; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(12345));
  const uint64_t base = 133000000000000000ull;  // 2022
  for (int i : order) {
    const std::string name = BenchName(i, count);
    uint32_t attributes = qd::kAttrArchive;
    if (i % 7 == 0) attributes |= qd::kAttrReadOnly;
    if (i % 11 == 0) attributes = qd::kAttrHidden;
    const uint64_t time = base + static_cast<uint64_t>((i * 104729LL) % count) * 10000000ull;
    rows.AddEntry({name, attributes, BenchSize(i), time});
  }
  return rows;
}

// Puts `rows` into the filer and tells the real list control their number.
void ShowRows(qd::FilerDialog& dialog, const qd::RowStore& rows) {
  dialog.filer().rows() = rows;
  HWND list = GetDlgItem(dialog.hwnd(), IDC_FILE_LIST);
  ListView_SetItemCountEx(list, 0, 0);
  ListView_SetItemCountEx(list, rows.size(), 0);
}

constexpr int kColumns = 5;
const char* const kColumnNames[kColumns] = {"Name", "Ext", "Size", "Date", "Attr"};

struct SortFigures {
  double from_shuffled[kColumns];
  double worst_other[kColumns];  // the slowest start from another column's order
  int worst_from[kColumns];
};

SortFigures TimeSorts(qd::FilerDialog& dialog, const qd::RowStore& shuffled, int runs) {
  SortFigures f{};
  qd::FilerController& filer = dialog.filer();
  for (int c = 0; c < kColumns; ++c) {
    f.from_shuffled[c] = Best(
        runs, [&] { filer.SortList(c, qd::SortMode::Once); }, [&] { ShowRows(dialog, shuffled); });
    f.worst_from[c] = -1;
    for (int from = 0; from < kColumns; ++from) {
      if (from == c) continue;
      const double ms = Best(
          runs, [&] { filer.SortList(c, qd::SortMode::Once); },
          [&] {
            ShowRows(dialog, shuffled);
            filer.SortList(from, qd::SortMode::Once);
          });
      if (ms > f.worst_other[c]) {
        f.worst_other[c] = ms;
        f.worst_from[c] = from;
      }
    }
  }
  return f;
}

// One key press of the incremental search that matches no row: the search
// goes round every row and takes its character back.
double TimeSearch(qd::FilerDialog& dialog, int runs) {
  qd::FilerController& filer = dialog.filer();
  filer.OnCommand(qd::CmdSearchClear);
  return Best(runs, [&] { filer.OnKey(qd::KeyMessage::Char, 'z'); });
}

void WriteText(const std::string& path, const std::string& text) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(h);
}

// A Qd.ini with `tabs` tabs and `history` history entries (the first tab is
// a real folder, as the filer lists it), and `stale` history keys after a
// gap, left by an earlier run.
std::string StateIni(const std::string& first_tab, int tabs, int history, int stale) {
  std::string text = "[Conf-Main]\r\nHistory=2000\r\n[Tab]\r\nCurSel=0\r\n";
  for (int i = 0; i < tabs; ++i) {
    text += "DIR" + std::to_string(i) + "=" +
            (i == 0 ? first_tab : "C:\\作業\\プロジェクト資料\\tab" + std::to_string(i)) + "\r\n";
  }
  text += "[History]\r\n";
  for (int i = 0; i < history; ++i) {
    text +=
        "path" + std::to_string(i) + "=C:\\作業\\履歴のフォルダ\\h" + std::to_string(i) + "\r\n";
  }
  for (int i = 0; i < stale; ++i) {
    text +=
        "path" + std::to_string(history + 1 + i) + "=C:\\old\\stale" + std::to_string(i) + "\r\n";
  }
  return text;
}

struct StateFigures {
  double start, exit;
};

// Start (the window made, the state restored, the first tab listed) and
// exit (the state saved), each from the same file.
StateFigures TimeState(const std::string& folder, const std::string& ini_text) {
  const std::string ini = folder + "\\Qd.ini";
  StateFigures f{1e30, 1e30};
  for (int run = 0; run < 3; ++run) {
    WriteText(ini, ini_text);
    qd::ProfileSettingsFile settings(ini);
    qd::FilerDialog dialog(settings, folder, "");
    const double start = Now();
    if (!dialog.Create()) return f;
    f.start = std::min(f.start, (Now() - start) * 1000.0);
    WriteText(ini, ini_text);  // the keys an exit replaces
    const double exit = Now();
    dialog.filer().SaveState();
    f.exit = std::min(f.exit, (Now() - exit) * 1000.0);
  }
  return f;
}

// The first listing of a folder in a fresh process: the child is this
// program with "--first", which prints its milliseconds.
double FirstInFreshProcess(const std::string& root, const char* what, int count) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string out = root + "\\first.txt";
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE h =
      CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = h;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi{};
  std::string cmd =
      "\"" + std::string(exe) + "\" \"" + root + "\" --first " + what + " " + std::to_string(count);
  if (!CreateProcessA(exe, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(h);
    return -1;
  }
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  CloseHandle(h);
  char text[64] = {};
  h = CreateFileA(out.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD read = 0;
  ReadFile(h, text, sizeof text - 1, &read, nullptr);
  CloseHandle(h);
  return std::atof(text);
}

// The child's side: the window is made over an empty folder, then the bench
// folder is listed once (or searched once, for the floor).
int FirstListingChild(const std::string& root, const std::string& what, int count) {
  const std::string folder = root + "\\" + std::to_string(count);
  double ms = 0;
  if (what == "plain") {
    const double start = Now();
    PlainSearch(folder);
    ms = (Now() - start) * 1000.0;
  } else {
    const std::string empty = root + "\\empty";
    CreateDirectoryA(empty.c_str(), nullptr);
    SetCurrentDirectoryA(empty.c_str());
    qd::ProfileSettingsFile settings(root + "\\Qd.ini");
    qd::FilerDialog dialog(settings, root, "");
    if (!dialog.Create()) return 1;
    SetCurrentDirectoryA(folder.c_str());
    const double start = Now();
    dialog.filer().FillList();
    ms = (Now() - start) * 1000.0;
    SetCurrentDirectoryA(root.c_str());
  }
  std::printf("%.1f\n", ms);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string root = argc > 1 ? argv[1] : std::string(tmp) + "qd-bench";
  if (argc > 4 && std::string(argv[2]) == "--first") {
    return FirstListingChild(root, argv[3], std::atoi(argv[4]));
  }
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string empty = root + "\\empty";
  CreateDirectoryA(empty.c_str(), nullptr);
  const std::string ini = root + "\\Qd.ini";
  DeleteFileA(ini.c_str());
  qd::ProfileSettingsFile settings(ini);
  // One thousand bindings, none of them the key that is pressed.
  for (int i = 0; i < 1000; ++i) settings.WriteInt(qd::SectionsOf(qd::KeySet::Filer).keys, std::to_string(1000 + i), qd::CmdHelp);

  struct Result {
    double floor, fill, ratio, first_plain, first_fill;
  } r[2];
  double listview = 0;
  double bytes_per_row = 0;
  const int counts[2] = {10000, 100000};
  for (int k = 0; k < 2; ++k) {
    const std::string folder = BenchFolder(root, counts[k]);
    // Fresh processes first, before this one has listed the folder.
    r[k].first_plain = FirstInFreshProcess(root, "plain", counts[k]);
    r[k].first_fill = FirstInFreshProcess(root, "fill", counts[k]);
    PlainSearch(folder);  // warm the cache once
    r[k].floor = Best(5, [&] { PlainSearch(folder); });
    SetCurrentDirectoryA(folder.c_str());
    qd::FilerDialog dialog(settings, root, "");
    if (!dialog.Create()) {
      std::fprintf(stderr, "the main window cannot be created (no display?)\n");
      return 1;
    }
    qd::FilerController& filer = dialog.filer();
    r[k].fill = Best(5, [&] { filer.FillList(); });
    r[k].ratio = r[k].fill / r[k].floor;
    if (k == 0) listview = SortedListViewInsert(folder);
    if (k == 1) {
      const qd::RowStore& rows = filer.rows();
      bytes_per_row = static_cast<double>(rows.MemoryBytes() - rows.NameBytes()) / rows.size();
    }
    SetCurrentDirectoryA(root.c_str());
  }
  // A million files cannot be listed in reasonable time here: its floor is
  // the one of 100,000 scaled linearly.
  const double floor_million = r[1].floor * 10;

  // Sorts and searches on rows put into the filer directly, at 100,000 and
  // 1,000,000 rows, in the real window and list control.
  SortFigures sorts[2];
  double search[2] = {};
  const int row_counts[2] = {100000, 1000000};
  {
    SetCurrentDirectoryA(empty.c_str());
    qd::FilerDialog dialog(settings, root, "");
    if (!dialog.Create()) return 1;
    for (int k = 0; k < 2; ++k) {
      const qd::RowStore shuffled = ShuffledRows(dialog.filer().rows(), row_counts[k]);
      sorts[k] = TimeSorts(dialog, shuffled, k == 0 ? 3 : 2);
      ShowRows(dialog, shuffled);
      search[k] = TimeSearch(dialog, k == 0 ? 20 : 5);
    }
    ShowRows(dialog, ShuffledRows(dialog.filer().rows(), 0));
    SetCurrentDirectoryA(root.c_str());
  }

  double key_ms = 0;
  {
    SetCurrentDirectoryA(empty.c_str());
    qd::FilerDialog dialog(settings, root, "");
    if (!dialog.Create()) return 1;
    key_ms = Best(1,
                  [&] {
                    for (int i = 0; i < 200; ++i)
                      dialog.filer().OnKey(qd::KeyMessage::KeyDown, 123);
                  }) /
             200;
    SetCurrentDirectoryA(root.c_str());
  }

  // Start and exit with a thousand tabs and a thousand history entries.
  const std::string state = root + "\\state";
  CreateDirectoryA(state.c_str(), nullptr);
  const StateFigures no_state = TimeState(state, StateIni(empty, 1, 0, 0));
  const StateFigures many = TimeState(state, StateIni(empty, 1000, 1000, 0));
  const StateFigures stale = TimeState(state, StateIni(empty, 1000, 1000, 1000));

  std::printf("| measure | 10,000 entries | 100,000 entries | 1,000,000 entries | goal |\n");
  std::printf("|---|---|---|---|---|\n");
  std::printf(
      "| plain FindFirstFileA/FindNextFileA (floor), best of 5 | %.1f ms | %.1f ms | "
      "%.1f ms (100,000 x 10, not listed) | |\n",
      r[0].floor, r[1].floor, floor_million);
  std::printf(
      "| FillList, best of 5 | %.1f ms (%.2f x floor) | %.1f ms (%.2f x floor) | | "
      "<= 1.5 x floor |\n",
      r[0].fill, r[0].ratio, r[1].fill, r[1].ratio);
  std::printf("| first plain search in a fresh process | %.1f ms | %.1f ms | | |\n",
              r[0].first_plain, r[1].first_plain);
  std::printf(
      "| first FillList in a fresh process | %.1f ms (%.2f x floor) | %.1f ms (%.2f x "
      "floor) | | |\n",
      r[0].first_fill, r[0].first_fill / r[0].floor, r[1].first_fill, r[1].first_fill / r[1].floor);
  std::printf("| FillList growth 10,000 -> 100,000 | | %.1f x | | about 10 x (linear) |\n",
              r[1].fill / r[0].fill);
  std::printf(
      "| rows inserted one by one into a sorted list view | %.1f ms (%.1f x floor) | "
      "not run | not run | not wanted |\n",
      listview, listview / r[0].floor);
  const double floors[2] = {r[1].floor, floor_million};
  for (int c = 0; c < kColumns; ++c) {
    std::printf("| SortList by %s from a shuffled order | |", kColumnNames[c]);
    for (int k = 0; k < 2; ++k) {
      std::printf(" %.1f ms (%.3f x floor) |", sorts[k].from_shuffled[c],
                  sorts[k].from_shuffled[c] / floors[k]);
    }
    std::printf(" <= 0.05 x floor |\n");
    std::printf("| SortList by %s from the slowest other column's order | |", kColumnNames[c]);
    for (int k = 0; k < 2; ++k) {
      std::printf(" %.1f ms (%.3f x floor, from %s) |", sorts[k].worst_other[c],
                  sorts[k].worst_other[c] / floors[k], kColumnNames[sorts[k].worst_from[c]]);
    }
    std::printf(" <= 0.05 x floor |\n");
  }
  std::printf(
      "| one search key press, no match, full wrap (names of 10 to 60 bytes) | | %.2f ms | "
      "%.2f ms | < 5 ms at 100,000, < 30 ms at 1,000,000 |\n",
      search[0], search[1]);
  std::printf("| one key dispatch (Key read, 1,000 bindings) | %.3f ms | | | |\n", key_ms);
  std::printf("| row store memory per row beyond the names | | %.1f bytes | | <= 64 bytes |\n",
              bytes_per_row);
  // Start and exit in a table of their own: their sizes are tabs and history.
  std::printf(
      "\n| start and exit, real Qd.ini through the profile API | start (window made, "
      "RestoreState, first tab listed) | exit (SaveState) |\n");
  std::printf("|---|---|---|\n");
  const struct {
    const char* what;
    const StateFigures& f;
  } states[] = {{"one tab, no history", no_state},
                {"1,000 tabs, 1,000 history entries (History=2000)", many},
                {"the same and 1,000 stale history keys after a gap", stale}};
  for (const auto& st : states) {
    std::printf("| %s | %.1f ms | %.1f ms |\n", st.what, st.f.start, st.f.exit);
  }
  return 0;
}
