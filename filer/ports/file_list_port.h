// The file list. Its texts come from the filer's row store; the list holds
// only the number of rows and their selected and focused states.
#pragma once

#include "filer/ports/report_port.h"

namespace qd {

class FileListPort : public ReportPort {
 public:
  // A new number of rows; every state is cleared and every text re-read.
  virtual void SetRowCount(int count) = 0;
  virtual int RowCount() const = 0;
  // Later rows move up by one, their states with them.
  virtual void DeleteRow(int row) = 0;
  // The texts of the rows changed (a sort): read them again.
  virtual void InvalidateRows() = 0;
  virtual bool IsSelected(int row) const = 0;
  virtual void SetSelected(int row, bool selected) = 0;
  virtual bool IsFocused(int row) const = 0;
  virtual void SetFocused(int row, bool focused) = 0;
  // The first selected row after `after` (-1: from the start), or -1.
  virtual int NextSelected(int after) const = 0;
  virtual int SelectedCount() const = 0;
  // Sets or clears the selected state of every row in one step.
  virtual void SelectAll(bool selected) = 0;
  // The row with the focus, or -1.
  virtual int FocusedRow() const = 0;
  virtual int TopRow() const = 0;
  virtual int RowsPerPage() const = 0;
  // Scrolls as little as needed to show the row.
  virtual void EnsureVisible(int row) = 0;
  // Moves the list's own keyboard anchor to the row, so that Shift and an
  // arrow extend the selection from there.
  virtual void MoveAnchorTo(int row) = 0;
  // Holds the list's drawing while many states change; holds nest, and the
  // list is drawn again once the outermost one ends.
  virtual void SuspendRepaint() = 0;
  virtual void ResumeRepaint() = 0;
  virtual void Focus() = 0;
};

}  // namespace qd
