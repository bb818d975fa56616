// The one-row panes (the message area and the search line), which hold
// their own texts.
#pragma once

#include <string>
#include <string_view>

#include "filer/ports/report_port.h"

namespace qd {

class PanePort : public ReportPort {
 public:
  virtual void DeleteAllRows() = 0;
  virtual void InsertRow(int index, std::string_view text) = 0;
  virtual void SetCellText(int row, int column, std::string_view text) = 0;
  virtual std::string CellText(int row, int column) const = 0;
};

}  // namespace qd
