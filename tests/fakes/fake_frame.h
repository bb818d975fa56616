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
  void SetWindowRect(int l, int t, int r, int b) override { window = {l, t, r - l, b - t}; }
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
  bool minimised = false, maximised = false;
  std::string title;
  std::string face;
  int tenths = -1;
  std::vector<bool> menu_calls;
  int closes = 0;
};

}  // namespace qd::test
