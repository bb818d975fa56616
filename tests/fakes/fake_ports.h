// In-memory stand-ins for the main window's ports.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "filer/core/ports.h"

namespace qd::test {

struct FakeColumn {
  std::string header;
  Align align;
  int width;
};

class FakeList : public ListPort {
 public:
  void InsertColumn(int index, std::string_view header, Align align, int width) override {
    columns.insert(columns.begin() + index, FakeColumn{std::string(header), align, width});
  }
  void DeleteColumn(int index) override { columns.erase(columns.begin() + index); }
  int ColumnCount() const override { return static_cast<int>(columns.size()); }
  int ColumnWidth(int index) const override { return columns.at(index).width; }
  void SetColumnWidth(int index, int width) override { columns.at(index).width = width; }
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
  void SetColours(Colour b, Colour tb, Colour t) override {
    back = b;
    text_back = tb;
    text = t;
  }
  void SetFullRowSelect(bool with_tooltips) override {
    full_row = true;
    tooltips = with_tooltips;
  }
  void RepaintNow() override { ++repaints; }

  std::vector<FakeColumn> columns;
  std::vector<std::map<int, std::string>> rows;
  Colour back = 1, text_back = 1, text = 1;
  bool full_row = false, tooltips = false;
  int repaints = 0;
};

class FakeFrame : public FramePort {
 public:
  void MovePane(Pane pane, const PaneRect& rect) override { panes[pane] = rect; }
  void SetWindowRect(int l, int t, int r, int b) override { window = {l, t, r - l, b - t}; }
  void SetPaneFont(std::string_view f, int t) override {
    face = std::string(f);
    tenths = t;
  }
  void ShowMenuBar(bool shown) override { menu_calls.push_back(shown); }
  Answer AskOkCancel(std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }
  void Close() override { ++closes; }

  std::map<Pane, PaneRect> panes;
  PaneRect window{0, 0, 0, 0};
  std::string face;
  int tenths = -1;
  std::vector<bool> menu_calls;
  std::vector<std::string> questions;
  Answer answer = Answer::Ok;
  int closes = 0;
};

}  // namespace qd::test
