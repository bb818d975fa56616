// Where the four panes of the main window go for a client size and a font
// size in points.
#pragma once

#include <initializer_list>

#include "filer/model/screen_rects.h"

namespace qd {

struct PaneLayout {
  PaneRect tab_strip;
  PaneRect file_list;
  PaneRect search_line;
  PaneRect message_area;
};

// Tab height S + 17; line height 2S, or 20 when that is below 1 or above 200.
// The file list lies over the body of the tab strip; the two one-row panes
// fill the bottom. A window too small for the panes gives them no height
// rather than a negative one.
PaneLayout ComputeLayout(int client_width, int client_height, int font_size);

// The sum of column widths, held at the largest int instead of overflowing
// (widths come from a hand-edited file).
int SumOfWidths(std::initializer_list<int> widths);

// Where a saved window rectangle goes: as saved when it overlaps a monitor's
// work area and fits in the nearest one; otherwise moved (and, only where it
// is larger, shrunk) into the nearest work area. A rectangle without width
// or height takes `fallback`'s size. Computed without overflow for any four
// values.
ScreenRect PlaceWindow(const ScreenRect& saved, const WorkAreas& areas, const ScreenRect& fallback);

}  // namespace qd
