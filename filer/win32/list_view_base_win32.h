// Column, colour and style operations shared by the report-style list views
// of the main window: the one-row panes and the file list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "filer/ports/report_port.h"

namespace qd {

template <typename Port>
class ListViewBase : public Port {
 public:
  void Attach(HWND list) { list_ = list; }
  HWND hwnd() const { return list_; }

  void InsertColumn(int index, std::string_view header, Align align, int width) override;
  void DeleteColumn(int index) override;
  int ColumnCount() const override;
  int ColumnWidth(int index) const override;
  void SetColumnWidth(int index, int width) override;
  void SetColours(Colour back, Colour text_back, Colour text) override;
  void SetFullRowSelect(CellTips tips) override;
  void RepaintNow() override;

 protected:
  HWND list_ = nullptr;
};

template <typename Port>
inline void ListViewBase<Port>::InsertColumn(int index, std::string_view header, Align align, int width) {
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
inline void ListViewBase<Port>::DeleteColumn(int index) {
  ListView_DeleteColumn(list_, index);
}

template <typename Port>
inline int ListViewBase<Port>::ColumnCount() const {
  return Header_GetItemCount(ListView_GetHeader(list_));
}

template <typename Port>
inline int ListViewBase<Port>::ColumnWidth(int index) const {
  return ListView_GetColumnWidth(list_, index);
}

template <typename Port>
inline void ListViewBase<Port>::SetColumnWidth(int index, int width) {
  ListView_SetColumnWidth(list_, index, width);
}

template <typename Port>
inline void ListViewBase<Port>::SetColours(Colour back, Colour text_back, Colour text) {
  ListView_SetBkColor(list_, back);
  ListView_SetTextBkColor(list_, text_back);
  ListView_SetTextColor(list_, text);
}

template <typename Port>
inline void ListViewBase<Port>::SetFullRowSelect(CellTips tips) {
  const DWORD style = LVS_EX_FULLROWSELECT | (tips == CellTips::ForCutTexts ? LVS_EX_LABELTIP : 0);
  ListView_SetExtendedListViewStyleEx(list_, style, style);
}

template <typename Port>
inline void ListViewBase<Port>::RepaintNow() {
  RedrawWindow(list_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace qd
