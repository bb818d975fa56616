// Listing, sorting, search and key dispatch of the real main window, timed
// under Wine against a plain directory search over the same folder. Prints
// a Markdown table.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "filer/win32/filer_dialog_win32.h"
#include "filer/model/row_texts.h"
#include "settings/win32/profile_settings_file_win32.h"

namespace {

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The fastest of a few runs, in milliseconds.
double Best(int runs, const std::function<void()>& f) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    const double start = Now();
    f();
    best = std::min(best, (Now() - start) * 1000.0);
  }
  return best;
}

std::string BenchFolder(const std::string& root, int count) {
  const std::string folder = root + "\\" + std::to_string(count);
  const std::string done = folder + "\\.complete";
  if (GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES) return folder;
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  std::fprintf(stderr, "creating %d files in %s\n", count, folder.c_str());
  for (int i = 0; i < count; ++i) {
    // Mixed names, extensions and sizes, so that every column has work.
    char name[64];
    std::snprintf(name, sizeof name, "%s\\file%06d.%s", folder.c_str(), (i * 7919) % count,
                  i % 3 == 0   ? "txt"
                  : i % 3 == 1 ? "dat"
                               : "log");
    HANDLE h =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      if (i % 5 == 0) {
        SetFilePointer(h, (i % 997) * 13, nullptr, FILE_BEGIN);
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

}  // namespace

int main(int argc, char** argv) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string root = argc > 1 ? argv[1] : std::string(tmp) + "qd-bench";
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string ini = root + "\\Qd.ini";
  DeleteFileA(ini.c_str());
  qd::ProfileSettingsFile settings(ini);
  // One thousand bindings, none of them the key that is pressed.
  for (int i = 0; i < 1000; ++i) settings.WriteInt("Key", std::to_string(1000 + i), 32778);

  std::printf("| measure | 10,000 entries | 100,000 entries | goal |\n");
  std::printf("|---|---|---|---|\n");
  struct Result {
    double floor, fill, ratio;
  } r[2];
  double sorts[5] = {};
  double search = 0, listview = 0;
  double bytes_per_row = 0;
  const int counts[2] = {10000, 100000};
  for (int k = 0; k < 2; ++k) {
    const std::string folder = BenchFolder(root, counts[k]);
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
      for (int c = 0; c < 5; ++c)
        sorts[c] = Best(3, [&] { filer.SortList(c, qd::SortMode::Once); });
      search = Best(20, [&] { filer.FindItem("ZZZZ", true); });
      const qd::RowStore& rows = filer.rows();
      bytes_per_row = static_cast<double>(rows.MemoryBytes() - rows.NameBytes()) / rows.size();
    }
    SetCurrentDirectoryA(root.c_str());
  }
  double key_ms = 0;
  {
    qd::FilerDialog dialog(settings, root, "");
    if (!dialog.Create()) return 1;
    key_ms = Best(1,
                  [&] {
                    for (int i = 0; i < 200; ++i)
                      dialog.filer().OnKey(qd::KeyMessage::KeyDown, 123);
                  }) /
             200;
  }

  std::printf("| plain FindFirstFileA/FindNextFileA (floor) | %.1f ms | %.1f ms | |\n", r[0].floor,
              r[1].floor);
  std::printf("| FillList | %.1f ms (%.2f x floor) | %.1f ms (%.2f x floor) | <= 1.5 x floor |\n",
              r[0].fill, r[0].ratio, r[1].fill, r[1].ratio);
  std::printf("| FillList growth 10,000 -> 100,000 | | %.1f x | about 10 x (linear) |\n",
              r[1].fill / r[0].fill);
  std::printf(
      "| rows inserted one by one into a sorted list view | %.1f ms (%.1f x floor) | "
      "not run | not wanted |\n",
      listview, listview / r[0].floor);
  const char* names[5] = {"Name", "Ext", "Size", "Date", "Attr"};
  for (int c = 0; c < 5; ++c) {
    std::printf("| SortList by %s | | %.1f ms (%.2f x floor) | <= 0.5 x floor |\n", names[c],
                sorts[c], sorts[c] / r[1].floor);
  }
  std::printf("| one search key press, no match, full wrap | | %.2f ms | < 5 ms |\n", search);
  std::printf("| one key dispatch (Key read, 1,000 bindings) | %.3f ms | | |\n", key_ms);
  std::printf("| row store memory per row beyond the names | | %.1f bytes | <= 64 bytes |\n",
              bytes_per_row);
  return 0;
}
