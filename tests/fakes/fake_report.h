// Columns, colours and repaints of a report-style list, in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filer/ports/report_port.h"

namespace qd::test {

struct FakeColumn {
  std::string header;
  Align align;
  int width;
};

template <typename Base>
class FakeReport : public Base {
 public:
  void InsertColumn(int index, std::string_view header, Align align, int width) override {
    columns.insert(columns.begin() + index, FakeColumn{std::string(header), align, width});
  }
  void DeleteColumn(int index) override { columns.erase(columns.begin() + index); }
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  int ColumnWidth(int index) const override { return columns.at(index).width; }
  void SetColumnWidth(int index, int width) override { columns.at(index).width = width; }
  void SetColours(Colour b, Colour tb, Colour t) override {
    back = b;
    text_back = tb;
    text = t;
  }
  void SetFullRowSelect(CellTips t) override {
    full_row = true;
    tips = t;
  }
  void RepaintNow() override { ++repaints; }

  std::vector<std::string> Headers() const {
    std::vector<std::string> h;
    for (const FakeColumn& c : columns) h.push_back(c.header);
    return h;
  }

  std::vector<FakeColumn> columns;
  Colour back = 1, text_back = 1, text = 1;
  bool full_row = false;
  CellTips tips = CellTips::None;
  int repaints = 0;
};

}  // namespace qd::test
