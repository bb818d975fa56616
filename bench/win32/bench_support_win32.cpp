#include "bench/win32/bench_support_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace qd::bench {

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

double Best(int runs, const std::function<void()>& f, const std::function<void()>& prepare) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const double start = Now();
    f();
    best = std::min(best, (Now() - start) * 1000.0);
  }
  return best;
}

namespace {

const char* const kWords[] = {"", "file", "報告書", "写真", "Report", "データ", "ソフト", "ｱｲｳｴｵ"};
const char* const kTails[] = {"",
                              "_draft",
                              "_最終版",
                              " (コピー)",
                              "_2024-01-15_会議資料_改訂",
                              "_long_descriptive_name_for_search",
                              "の写真とメモ_バックアップ用_2023年度版_最新2"};
const char* const kExts[] = {"txt", "dat", "log"};

}  // namespace

std::string BenchName(int i, int count) {
  char number[16];
  std::snprintf(number, sizeof number, "%06d", static_cast<int>((i * 7919LL) % count));
  return std::string(kWords[i % 8]) + number + kTails[(i / 8) % 7] + "." + kExts[i % 3];
}

uint64_t BenchSize(int i) { return i % 5 == 0 ? (i % 997) * 13 : 0; }

}  // namespace qd::bench
