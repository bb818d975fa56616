// ListPort on a report-style list-view control.
#pragma once

#include <windows.h>

#include "filer/core/ports.h"

namespace qd {

class ListViewPane : public ListPort {
 public:
  ListViewPane() = default;
  explicit ListViewPane(HWND list) : list_(list) {}
  void Attach(HWND list) { list_ = list; }
  HWND hwnd() const { return list_; }

  void InsertColumn(int index, std::string_view header, Align align, int width) override;
  void DeleteColumn(int index) override;
  int ColumnCount() const override;
  int ColumnWidth(int index) const override;
  void SetColumnWidth(int index, int width) override;
  void DeleteAllRows() override;
  void InsertRow(int index, std::string_view text) override;
  void SetCellText(int row, int column, std::string_view text) override;
  std::string CellText(int row, int column) const override;
  void SetColours(Colour back, Colour text_back, Colour text) override;
  void SetFullRowSelect(bool with_tooltips) override;
  void RepaintNow() override;

 private:
  HWND list_ = nullptr;
};

}  // namespace qd
