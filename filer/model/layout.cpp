#include "filer/model/layout.h"

#include <algorithm>
#include <cstdint>

namespace qd {

PaneLayout ComputeLayout(int w, int h, int s) {
  // A hand-edited size far beyond any screen must not overflow the sums.
  s = std::clamp(s, -1000000, 1000000);
  const int tab = s + 17;
  int line = 2 * s;
  if (line < 1 || line > 200) line = 20;
  auto size = [](int v) { return std::max(v, 0); };
  PaneLayout l;
  l.tab_strip = {0, 0, size(w), size(h - 2 * line)};
  l.file_list = {0, tab, size(w), size(h - 2 * line - tab)};
  l.search_line = {0, h - 2 * line, size(w), line};
  l.message_area = {0, h - line, size(w), line};
  return l;
}

int SumOfWidths(std::initializer_list<int> widths) {
  int64_t sum = 0;
  for (int w : widths) sum += w;
  return static_cast<int>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

ScreenRect PlaceWindow(const ScreenRect& saved, const WorkAreas& areas, const ScreenRect& fallback) {
  int64_t width = int64_t{saved.right} - saved.left;
  int64_t height = int64_t{saved.bottom} - saved.top;
  int64_t left = saved.left, top = saved.top;
  const ScreenRect& work = areas.nearest;
  const int64_t work_width = int64_t{work.right} - work.left;
  const int64_t work_height = int64_t{work.bottom} - work.top;
  bool move = !areas.meets_any;
  if (width <= 0 || height <= 0) {
    width = int64_t{fallback.right} - fallback.left;
    height = int64_t{fallback.bottom} - fallback.top;
    move = true;
  }
  if (work_width > 0 && work_height > 0 && (move || width > work_width || height > work_height)) {
    width = std::min(width, work_width);
    height = std::min(height, work_height);
    left = std::clamp(left, int64_t{work.left}, work.right - width);
    top = std::clamp(top, int64_t{work.top}, work.bottom - height);
  }
  auto to_int = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  return {to_int(left), to_int(top), to_int(left + width), to_int(top + height)};
}

}  // namespace qd
