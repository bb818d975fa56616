// A one-row pane that keeps its cell texts.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "filer/ports/pane_port.h"
#include "tests/fakes/fake_report.h"

namespace qd::test {

class FakePane : public FakeReport<PanePort> {
 public:
  void DeleteAllRows() override { rows.clear(); }
  void InsertRow(int index, std::string_view text) override {
    rows.insert(rows.begin() + index, std::map<int, std::string>{{0, std::string(text)}});
  }
  void SetCellText(int row, int column, std::string_view text) override {
    rows.at(row)[column] = std::string(text);
  }
  std::string CellText(int row, int column) const override {
    auto& r = rows.at(row);
    auto it = r.find(column);
    return it == r.end() ? std::string() : it->second;
  }

  std::vector<std::map<int, std::string>> rows;
};

}  // namespace qd::test
