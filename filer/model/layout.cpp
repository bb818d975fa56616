#include "filer/model/layout.h"

#include <algorithm>

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

}  // namespace qd
