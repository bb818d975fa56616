// The file list on an owner-data list view: the control keeps the number of
// rows and their states, and draws each cell from the filer's row store.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "filer/model/row_store.h"
#include "filer/ports/file_list_port.h"
#include "filer/win32/list_view_base_win32.h"

namespace qd {

class ListViewFileList : public ListViewBase<FileListPort> {
 public:
  // The rows whose texts the list shows.
  void SetRows(const RowStore* rows) { rows_ = rows; }

  // The control asks for a cell's text when it draws the cell.
  void OnGetDisplayInfo(NMLVDISPINFOA& info) const;
  // The control's own type-ahead asks which row a typed character names.
  // Typed characters are the filer's own search, so the answer is the row
  // the cursor is on: "no row" would make the control move to row 0.
  LRESULT OnFindItem() const;

  void SetRowCount(int count) override;
  int RowCount() const override;
  void DeleteRow(int row) override;
  void InvalidateRows() override;
  bool IsSelected(int row) const override;
  void SetSelected(int row, bool selected) override;
  bool IsFocused(int row) const override;
  void SetFocused(int row, bool focused) override;
  int NextSelected(int after) const override;
  int SelectedCount() const override;
  void SelectAll(bool selected) override;
  int FocusedRow() const override;
  int TopRow() const override;
  int RowsPerPage() const override;
  void EnsureVisible(int row) override;
  void MoveAnchorTo(int row) override;
  void SuspendRepaint() override;
  void ResumeRepaint() override;
  void Focus() override;

 private:
  void SetState(int row, UINT state, bool on);

  const RowStore* rows_ = nullptr;
  int repaint_holds_ = 0;
};

}  // namespace qd
