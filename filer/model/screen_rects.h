// Rectangles of the main window's panes and of the screen, as the layout
// computes them and the frame applies them.
#pragma once

namespace qd {

struct PaneRect {
  int x, y, width, height;
  bool operator==(const PaneRect&) const = default;
};

// A rectangle in screen coordinates.
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Where a window rectangle would lie among the monitors.
struct WorkAreas {
  bool meets_any = true;  // it overlaps the work area of some monitor
  ScreenRect nearest;     // the work area of the monitor nearest to it
};

}  // namespace qd
