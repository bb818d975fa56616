// What FilerWindow needs of the world, as small interfaces. The Win32 main
// dialog implements them on real controls; tests use in-memory fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qd {

using Colour = uint32_t;  // 0x00BBGGRR; stored values may have a top byte

enum class Align { Left, Right, Centre };

// A report-style list: the file list, the message area and the search line.
class ListPort {
 public:
  virtual ~ListPort() = default;
  virtual void InsertColumn(int index, std::string_view header, Align align, int width) = 0;
  virtual void DeleteColumn(int index) = 0;
  virtual int ColumnCount() const = 0;
  virtual int ColumnWidth(int index) const = 0;
  virtual void SetColumnWidth(int index, int width) = 0;
  // Rows of the one-row panes; the file list's rows come from its row store.
  virtual void DeleteAllRows() = 0;
  virtual void InsertRow(int index, std::string_view text) = 0;
  virtual void SetCellText(int row, int column, std::string_view text) = 0;
  virtual std::string CellText(int row, int column) const = 0;
  virtual void SetColours(Colour back, Colour text_back, Colour text) = 0;
  virtual void SetFullRowSelect(bool with_tooltips) = 0;
  // Invalidate, erase and repaint at once.
  virtual void RepaintNow() = 0;
};

struct PaneRect {
  int x, y, width, height;
  bool operator==(const PaneRect&) const = default;
};

enum class Pane { TabStrip, FileList, SearchLine, MessageArea };

enum class Answer { Ok, Cancel };

// The main window itself: its panes as a whole, its menu bar, its life.
class FramePort {
 public:
  virtual ~FramePort() = default;
  virtual void MovePane(Pane pane, const PaneRect& rect) = 0;
  // Moves the window (screen coordinates) and repaints it.
  virtual void SetWindowRect(int left, int top, int right, int bottom) = 0;
  // One point font for the four panes, `tenths` of a point high.
  virtual void SetPaneFont(std::string_view face, int tenths) = 0;
  // Loads the menu bar afresh and attaches it, or detaches it.
  virtual void ShowMenuBar(bool shown) = 0;
  // OK and Cancel with a question icon.
  virtual Answer AskOkCancel(std::string_view text) = 0;
  // Ends the modal run of the window.
  virtual void Close() = 0;
};

}  // namespace qd
