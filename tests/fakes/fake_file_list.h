// The file list's row count, states and scrolling, in memory.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "filer/ports/file_list_port.h"
#include "tests/fakes/fake_report.h"

namespace qd::test {

// The file list: row count, states, scrolling. A page shows `page` rows.
class FakeFileList : public FakeReport<FileListPort> {
 public:
  void SetRowCount(int count) override {
    selected.assign(count, false);
    focused.assign(count, false);
    top = 0;
  }
  int RowCount() const override { return static_cast<int>(selected.size()); }
  // A list scrolled to its end keeps its last page full.
  void DeleteRow(int row) override {
    selected.erase(selected.begin() + row);
    focused.erase(focused.begin() + row);
    top = std::max(0, std::min(top, RowCount() - page));
  }
  void InvalidateRows() override { ++invalidations; }
  bool IsSelected(int row) const override { return selected.at(row); }
  void SetSelected(int row, bool s) override { selected.at(row) = s; }
  bool IsFocused(int row) const override { return focused.at(row); }
  // As in a real list, one row at most has the focus.
  void SetFocused(int row, bool f) override {
    if (f) std::fill(focused.begin(), focused.end(), false);
    focused.at(row) = f;
  }
  int NextSelected(int after) const override {
    for (int r = after + 1; r < RowCount(); ++r) {
      if (selected[r]) return r;
    }
    return -1;
  }
  int SelectedCount() const override {
    return static_cast<int>(std::count(selected.begin(), selected.end(), true));
  }
  void SelectAll(bool s) override { selected.assign(selected.size(), s); }
  int FocusedRow() const override {
    for (int r = 0; r < RowCount(); ++r) {
      if (focused[r]) return r;
    }
    return -1;
  }
  int TopRow() const override { return top; }
  int RowsPerPage() const override { return page; }
  void EnsureVisible(int row) override {
    visible_calls.push_back(row);
    if (row < top) top = row;
    if (row >= top + page) top = row - page + 1;
  }
  void MoveAnchorTo(int row) override { anchor = row; }
  void SuspendRepaint() override { suspended = ++repaint_holds > 0; }
  void ResumeRepaint() override {
    if (repaint_holds > 0) --repaint_holds;
    suspended = repaint_holds > 0;
  }
  void Focus() override { ++focus_calls; }

  std::vector<int> Selected() const {
    std::vector<int> s;
    for (int r = 0; r < RowCount(); ++r) {
      if (selected[r]) s.push_back(r);
    }
    return s;
  }
  void Select(std::initializer_list<int> rows) {
    std::fill(selected.begin(), selected.end(), false);
    for (int r : rows) selected.at(r) = true;
  }

  std::vector<bool> selected, focused;
  int repaint_holds = 0;
  int top = 0, page = 20, anchor = -1, invalidations = 0, focus_calls = 0;
  bool suspended = false;
  std::vector<int> visible_calls;
};

}  // namespace qd::test
