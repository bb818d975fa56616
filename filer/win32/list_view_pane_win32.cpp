#include "filer/win32/list_view_pane_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace qd {

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

}  // namespace qd
