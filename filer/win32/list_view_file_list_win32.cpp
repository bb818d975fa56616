#include "filer/win32/list_view_file_list_win32.h"

#include "common/win32/control_text_win32.h"

namespace qd {

void ListViewFileList::OnGetDisplayInfo(NMLVDISPINFOA& info) const {
  LVITEMA& item = info.item;
  if (!rows_ || !(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= rows_->size()) return;
  CopyCellText(rows_->Text(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
}

LRESULT ListViewFileList::OnFindItem() const {
  return ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
}

void ListViewFileList::SetRowCount(int count) {
  // Shrinking to nothing drops every selected range and the focus at once;
  // clearing the states row by row would visit every row.
  ListView_SetItemCountEx(list_, 0, 0);
  ListView_SetItemCountEx(list_, count, 0);
}

int ListViewFileList::RowCount() const { return ListView_GetItemCount(list_); }

void ListViewFileList::DeleteRow(int row) { ListView_DeleteItem(list_, row); }

void ListViewFileList::InvalidateRows() { InvalidateRect(list_, nullptr, FALSE); }

bool ListViewFileList::IsSelected(int row) const {
  return ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED;
}

void ListViewFileList::SetState(int row, UINT state, bool on) {
  ListView_SetItemState(list_, row, on ? state : 0, state);
}

void ListViewFileList::SetSelected(int row, bool selected) { SetState(row, LVIS_SELECTED, selected); }

bool ListViewFileList::IsFocused(int row) const {
  return ListView_GetItemState(list_, row, LVIS_FOCUSED) & LVIS_FOCUSED;
}

void ListViewFileList::SetFocused(int row, bool focused) { SetState(row, LVIS_FOCUSED, focused); }

int ListViewFileList::NextSelected(int after) const {
  // The control walks every row to find none; the count of its selected
  // ranges answers that at once.
  if (ListView_GetSelectedCount(list_) == 0) return -1;
  return ListView_GetNextItem(list_, after, LVNI_SELECTED);
}

int ListViewFileList::SelectedCount() const { return ListView_GetSelectedCount(list_); }

// Item -1 is every row: the control sets its ranges at once.
void ListViewFileList::SelectAll(bool selected) { SetState(-1, LVIS_SELECTED, selected); }

int ListViewFileList::FocusedRow() const { return ListView_GetNextItem(list_, -1, LVNI_FOCUSED); }

int ListViewFileList::TopRow() const { return ListView_GetTopIndex(list_); }

int ListViewFileList::RowsPerPage() const { return ListView_GetCountPerPage(list_); }

void ListViewFileList::EnsureVisible(int row) { ListView_EnsureVisible(list_, row, FALSE); }

void ListViewFileList::MoveAnchorTo(int row) {
  // The selection mark is the row Shift and an arrow extend from. Pressing
  // Up and Down at the list would move it too, but each press makes the
  // list clear the selection of every row, which is slow at 100,000 rows.
  ListView_SetSelectionMark(list_, row);
}

void ListViewFileList::SuspendRepaint() {
  if (repaint_holds_++ == 0) SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
}

void ListViewFileList::ResumeRepaint() {
  if (repaint_holds_ == 0 || --repaint_holds_ > 0) return;
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void ListViewFileList::Focus() { SetFocus(list_); }

}  // namespace qd
