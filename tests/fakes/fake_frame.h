// The main window's panes, title, rectangle, font and menu bar, recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "filer/ports/frame_port.h"

namespace qd::test {

class FakeFrame : public FramePort {
 public:
  void MovePane(Pane pane, const PaneRect& rect) override { panes[pane] = rect; }
  void SetTitle(std::string_view t) override { title = std::string(t); }
  void SetWindowRect(const ScreenRect& r) override {
    window = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  // One monitor of 1280 x 800 whose work area stops above a 40-pixel task
  // bar; a rectangle meets it when the two overlap.
  WorkAreas WorkAreasFor(const ScreenRect& r) override {
    const ScreenRect& w = work_area;
    const bool meets = r.left < w.right && w.left < r.right && r.top < w.bottom && w.top < r.bottom;
    return {meets, w};
  }
  WindowState GetWindowState() override {
    WindowState s;
    s.left = window.x;
    s.top = window.y;
    s.right = window.x + window.width;
    s.bottom = window.y + window.height;
    s.minimised = minimised;
    s.maximised = maximised;
    return s;
  }
  void SetPaneFont(std::string_view f, int t) override {
    face = std::string(f);
    tenths = t;
  }
  void ShowMenuBar(bool shown) override { menu_calls.push_back(shown); }
  void Close() override { ++closes; }

  std::map<Pane, PaneRect> panes;
  PaneRect window{0, 0, 0, 0};
  ScreenRect work_area{0, 0, 1280, 760};
  bool minimised = false, maximised = false;
  std::string title;
  std::string face;
  int tenths = -1;
  std::vector<bool> menu_calls;
  int closes = 0;
};

}  // namespace qd::test
