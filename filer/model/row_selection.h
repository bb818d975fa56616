// The selected rows of the file list: one bit per row and their count,
// and what a click or a key of the list does to them. The list keeps its
// selection here rather than in the list control: a control that keeps its
// selection as ranges pays for every row that joins or leaves one, and a
// mask that selects every other row of 100,000 makes 50,000 ranges.
#pragma once

#include <cstdint>
#include <vector>

namespace qd {

struct SelectModifiers {
  bool ctrl = false;
  bool shift = false;
};

enum class MouseButton { Left, Right };

class RowSelection {
 public:
  // Rows at or beyond the new count lose their state; the others keep it.
  void Resize(int rows);
  int size() const { return rows_; }

  bool IsSelected(int row) const {
    return row >= 0 && row < rows_ && (words_[Word(row)] >> Bit(row) & 1u);
  }
  // Returns whether the row's state changed.
  bool Set(int row, bool selected);
  void SetAll(bool selected);
  // Selects the rows from `a` to `b`, in either order; with `only`, every
  // other row is cleared.
  void SelectRange(int a, int b, bool only);
  int Count() const { return count_; }
  // The first selected row after `after` (-1: from the start), or -1.
  int Next(int after) const;
  // Later rows move up by one, their states with them.
  void Erase(int row);

  // A button pressed on `row` (-1: below the last row), `anchor` being the
  // row a Shift press extends from. Returns true when the press leaves the
  // rows as they are until it is known to be a click and not the start of
  // a drag: a plain press on a selected row, so that the selected rows can
  // be dragged together. `Click` then finishes it.
  bool Press(MouseButton button, int row, int anchor, SelectModifiers m);
  // The press on `row` was a click: that row alone is selected.
  void Click(int row) { SelectRange(row, row, true); }
  // The keyboard moved the cursor to `row` (an arrow, Page Up or Down,
  // Home or End, or Space on the cursor row).
  void MoveByKey(int row, int anchor, SelectModifiers m);
  // Ctrl and Space: the cursor row changes state.
  void Toggle(int row) { Set(row, !IsSelected(row)); }
  // A key of the list made it select: Space (`space`) or a key that moved
  // the cursor from `from` to `cursor`. `mark` is the list's anchor, or -1,
  // in which case Shift extends from where the cursor was.
  void AfterKey(int cursor, int mark, int from, SelectModifiers m, bool space);

 private:
  static int Word(int row) { return row >> 5; }
  static int Bit(int row) { return row & 31; }
  void ClearTail();

  std::vector<uint32_t> words_;
  int rows_ = 0;
  int count_ = 0;
};

}  // namespace qd
