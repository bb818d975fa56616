#include "filer/core/list_view_pane_win32.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/cp932.h"

namespace qd {

template <typename Port>
void ListViewBase<Port>::InsertColumn(int index, std::string_view header, Align align, int width) {
  std::string text(header);
  LVCOLUMNA col{};
  col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  col.fmt = align == Align::Right    ? LVCFMT_RIGHT
            : align == Align::Centre ? LVCFMT_CENTER
                                     : LVCFMT_LEFT;
  col.cx = width;
  col.pszText = text.data();
  col.iSubItem = index;
  SendMessageA(list_, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&col));
}

template <typename Port>
void ListViewBase<Port>::DeleteColumn(int index) {
  ListView_DeleteColumn(list_, index);
}

template <typename Port>
int ListViewBase<Port>::ColumnCount() const {
  return Header_GetItemCount(ListView_GetHeader(list_));
}

template <typename Port>
int ListViewBase<Port>::ColumnWidth(int index) const {
  return ListView_GetColumnWidth(list_, index);
}

template <typename Port>
void ListViewBase<Port>::SetColumnWidth(int index, int width) {
  ListView_SetColumnWidth(list_, index, width);
}

template <typename Port>
void ListViewBase<Port>::SetColours(Colour back, Colour text_back, Colour text) {
  ListView_SetBkColor(list_, back);
  ListView_SetTextBkColor(list_, text_back);
  ListView_SetTextColor(list_, text);
}

template <typename Port>
void ListViewBase<Port>::SetFullRowSelect(bool with_tooltips) {
  const DWORD style = LVS_EX_FULLROWSELECT | (with_tooltips ? LVS_EX_LABELTIP : 0);
  ListView_SetExtendedListViewStyleEx(list_, style, style);
}

template <typename Port>
void ListViewBase<Port>::RepaintNow() {
  RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

template class ListViewBase<ListPort>;
template class ListViewBase<FileListPort>;

void ListViewPane::DeleteAllRows() { ListView_DeleteAllItems(list_); }

void ListViewPane::InsertRow(int index, std::string_view text) {
  std::string t(text);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = t.data();
  SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void ListViewPane::SetCellText(int row, int column, std::string_view text) {
  std::string t(text);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = t.data();
  SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

std::string ListViewPane::CellText(int row, int column) const {
  std::vector<char> buffer(1024);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  const LRESULT n = SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

void FileListView::SetRowCount(int count) {
  // Shrinking to nothing drops every selected range and the focus at once;
  // clearing the states row by row would visit every row.
  ListView_SetItemCountEx(list_, 0, 0);
  ListView_SetItemCountEx(list_, count, 0);
}

int FileListView::RowCount() const { return ListView_GetItemCount(list_); }

void FileListView::DeleteRow(int row) { ListView_DeleteItem(list_, row); }

void FileListView::InvalidateRows() { InvalidateRect(list_, nullptr, FALSE); }

bool FileListView::IsSelected(int row) const {
  return ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED;
}

void FileListView::SetState(int row, UINT state, bool on) {
  ListView_SetItemState(list_, row, on ? state : 0, state);
}

void FileListView::SetSelected(int row, bool selected) { SetState(row, LVIS_SELECTED, selected); }

bool FileListView::IsFocused(int row) const {
  return ListView_GetItemState(list_, row, LVIS_FOCUSED) & LVIS_FOCUSED;
}

void FileListView::SetFocused(int row, bool focused) { SetState(row, LVIS_FOCUSED, focused); }

int FileListView::NextSelected(int after) const {
  // The control walks every row to find none; the count of its selected
  // ranges answers that at once.
  if (ListView_GetSelectedCount(list_) == 0) return -1;
  return ListView_GetNextItem(list_, after, LVNI_SELECTED);
}

int FileListView::SelectedCount() const { return ListView_GetSelectedCount(list_); }

int FileListView::TopRow() const { return ListView_GetTopIndex(list_); }

int FileListView::RowsPerPage() const { return ListView_GetCountPerPage(list_); }

void FileListView::EnsureVisible(int row) { ListView_EnsureVisible(list_, row, FALSE); }

void FileListView::MoveAnchorTo(int row) {
  // The selection mark is the row Shift and an arrow extend from. Pressing
  // Up and Down at the list would move it too, but each press makes the
  // list clear the selection of every row, which is slow at 100,000 rows.
  ListView_SetSelectionMark(list_, row);
}

void FileListView::SuspendRepaint() { SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }

void FileListView::ResumeRepaint() {
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

void FileListView::Focus() { SetFocus(list_); }

void CopyCellText(std::string_view text, char* buffer, int size) {
  if (size <= 0) return;
  std::size_t n = 0;
  const std::size_t room = static_cast<std::size_t>(size - 1);
  while (n < text.size()) {
    const std::size_t len = cp932::CharLength(text, n);
    if (n + len > room) break;
    n += len;
  }
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace qd
