// The one-row panes on report-style list views: the message area and the
// search line, which hold their own texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "filer/ports/pane_port.h"
#include "filer/win32/list_view_base_win32.h"

namespace qd {

class ListViewPane : public ListViewBase<PanePort> {
 public:
  void DeleteAllRows() override;
  void InsertRow(int index, std::string_view text) override;
  void SetCellText(int row, int column, std::string_view text) override;
  std::string CellText(int row, int column) const override;
};

}  // namespace qd
