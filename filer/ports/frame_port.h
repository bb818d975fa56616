// The main window itself: its panes as a whole, its menu bar, its life.
#pragma once

#include <string_view>

#include "filer/model/screen_rects.h"

namespace qd {

enum class Pane { TabStrip, FileList, SearchLine, MessageArea };

struct WindowState {
  int left = 0, top = 0, right = 0, bottom = 0;  // screen coordinates
  bool minimised = false, maximised = false;
};

class FramePort {
 public:
  virtual ~FramePort() = default;
  virtual void MovePane(Pane pane, const PaneRect& rect) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual WindowState GetWindowState() = 0;
  // Moves the window (screen coordinates) and repaints it.
  virtual void SetWindowRect(const ScreenRect& rect) = 0;
  virtual WorkAreas WorkAreasFor(const ScreenRect& rect) = 0;
  // One point font for the four panes, `tenths` of a point high.
  virtual void SetPaneFont(std::string_view face, int tenths) = 0;
  // Loads the menu bar afresh and attaches it, or detaches it.
  virtual void ShowMenuBar(bool shown) = 0;
  // Ends the modal run of the window.
  virtual void Close() = 0;
};

}  // namespace qd
