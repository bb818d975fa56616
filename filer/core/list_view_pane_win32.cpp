#include "filer/core/list_view_pane_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace qd {

void ListViewPane::InsertColumn(int index, std::string_view header, Align align, int width) {
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

void ListViewPane::DeleteColumn(int index) { ListView_DeleteColumn(list_, index); }

int ListViewPane::ColumnCount() const { return Header_GetItemCount(ListView_GetHeader(list_)); }

int ListViewPane::ColumnWidth(int index) const { return ListView_GetColumnWidth(list_, index); }

void ListViewPane::SetColumnWidth(int index, int width) {
  ListView_SetColumnWidth(list_, index, width);
}

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

void ListViewPane::SetColours(Colour back, Colour text_back, Colour text) {
  ListView_SetBkColor(list_, back);
  ListView_SetTextBkColor(list_, text_back);
  ListView_SetTextColor(list_, text);
}

void ListViewPane::SetFullRowSelect(bool with_tooltips) {
  const DWORD style = LVS_EX_FULLROWSELECT | (with_tooltips ? LVS_EX_LABELTIP : 0);
  ListView_SetExtendedListViewStyleEx(list_, style, style);
}

void ListViewPane::RepaintNow() {
  RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace qd
