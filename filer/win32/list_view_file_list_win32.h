// The file list on an owner-data list view: the control keeps the number of
// rows, the focus and the scrolling, and draws each cell from the filer's
// row store. The selection is kept here, one bit per row, and drawn here:
// the control's own, kept as ranges, costs a search of every range for
// each row that joins or leaves one. The control's selection messages are
// answered from the same bits, so that a program asking the control sees
// the rows the user sees; its own clicks and keys select in the control
// for a moment and are taken over at once.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "filer/model/row_selection.h"
#include "filer/model/row_store.h"
#include "filer/ports/file_list_port.h"
#include "filer/win32/list_view_base_win32.h"

namespace qd {

class ListViewFileList : public ListViewBase<FileListPort> {
 public:
  ListViewFileList() = default;
  ListViewFileList(const ListViewFileList&) = delete;
  ListViewFileList& operator=(const ListViewFileList&) = delete;
  ~ListViewFileList();

  // Takes over the control's selection until the control is destroyed.
  void Attach(HWND list);

  // The rows whose texts the list shows.
  void SetRows(const RowStore* rows) { rows_ = rows; }

  // The control asks for a cell's text when it draws the cell.
  void OnGetDisplayInfo(NMLVDISPINFOA& info) const;
  // The control's own type-ahead asks which row a typed character names.
  // Typed characters are the filer's own search, so the answer is the row
  // the cursor is on: "no row" would make the control move to row 0.
  LRESULT OnFindItem() const;
  // Selected rows are drawn in the selection's colours.
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
  // A left press that waited (see RowSelection::Press) ended as a click or
  // as the start of a drag.
  void OnClick();
  void OnBeginDrag() { waiting_press_ = -1; }

  void SetRowCount(int count) override;
  int RowCount() const override;
  void DeleteRow(int row) override;
  void InvalidateRows() override;
  bool IsSelected(int row) const override { return selection_.IsSelected(row); }
  void SetSelected(int row, bool selected) override;
  bool IsFocused(int row) const override;
  void SetFocused(int row, bool focused) override;
  int NextSelected(int after) const override { return selection_.Next(after); }
  int SelectedCount() const override { return selection_.Count(); }
  void SelectAll(bool selected) override;
  int FocusedRow() const override;
  int TopRow() const override;
  int RowsPerPage() const override;
  void EnsureVisible(int row) override;
  void MoveAnchorTo(int row) override;
  void InsertColumn(int index, std::string_view header, Align align, int width) override;
  void DeleteColumn(int index) override;
  void SetColumnWidth(int index, int width) override;
  void SetColours(Colour back, Colour text_back, Colour text) override;
  void SetFullRowSelect(CellTips tips) override;
  void SuspendRepaint() override;
  void ResumeRepaint() override;
  void Focus() override;

 private:
  static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnListMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT CallControl(UINT msg, WPARAM wp, LPARAM lp) const;
  LRESULT OnSetItemState(int row, const LVITEMA& item);
  LRESULT OnGetNextItem(int after, UINT flags);
  void OnMousePress(MouseButton button, WPARAM keys, LPARAM point);
  bool DropControlSelection();
  void RepaintRow(int row);
  void HoldControlDrawing();
  WNDPROC SwapProc(WNDPROC proc);
  void Detach();

  const RowStore* rows_ = nullptr;
  RowSelection selection_;
  WNDPROC control_proc_ = nullptr;
  bool unicode_ = false;
  int waiting_press_ = -1;
  int repaint_holds_ = 0;
  bool control_held_ = false;      // the control's drawing is off
  bool selection_changed_ = false;  // within the hold
};

}  // namespace qd
