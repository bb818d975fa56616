// What the file list port does with its rows' states, as cases that run on
// the fake natively and on the list view adapter under Wine, so that the
// fake keeps states as the real list does.
//
// A case is a row of steps; `Expect` compares every row with a mark:
// "." neither state, "s" selected, "f" focused, "S" both. The scrolling
// steps count rows in pages of the list's own size (RowsPerPage), which
// differs between the fake and a real list: At(p, r) is row p * page + r.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filer/ports/file_list_port.h"

namespace qd::test {

enum class ListOp { Rows, Select, Unselect, Focus, Unfocus, All, None, Delete, Expect, Show, Top };

struct ListStep {
  ListOp op;
  int row = 0;
  std::string marks = {};
  int pages = 0;  // whole pages added to `row`
};

struct At {
  int pages, row;
};

struct FileListCase {
  const char* what;
  std::vector<ListStep> steps;
};

inline ListStep Rows(int n) { return {ListOp::Rows, n}; }
inline ListStep Sel(int r) { return {ListOp::Select, r}; }
inline ListStep Unsel(int r) { return {ListOp::Unselect, r}; }
inline ListStep Foc(int r) { return {ListOp::Focus, r}; }
inline ListStep Unfoc(int r) { return {ListOp::Unfocus, r}; }
inline ListStep All() { return {ListOp::All}; }
inline ListStep None() { return {ListOp::None}; }
inline ListStep Del(int r) { return {ListOp::Delete, r}; }
inline ListStep Expect(std::string marks) { return {ListOp::Expect, 0, std::move(marks)}; }
inline ListStep Rows(At n) { return {ListOp::Rows, n.row, {}, n.pages}; }
inline ListStep Del(At r) { return {ListOp::Delete, r.row, {}, r.pages}; }
// EnsureVisible of the row; the top row is then the one given.
inline ListStep Show(At r) { return {ListOp::Show, r.row, {}, r.pages}; }
inline ListStep Top(At r) { return {ListOp::Top, r.row, {}, r.pages}; }

// Marks for n rows with the given rows selected: the long cases.
inline std::string SelectedMarks(int n, std::vector<int> rows) {
  std::string m(n, '.');
  for (int r : rows) m[r] = 's';
  return m;
}

inline const std::vector<FileListCase>& FileListCases() {
  static const std::vector<FileListCase> cases = {
      {"a new row count clears every state",
       {Rows(5), Sel(1), Sel(4), Foc(3), Expect(".s.fs"), Rows(4), Expect("...."), Rows(6),
        Expect("......")}},
      {"selected and focused are separate states",
       {Rows(4), Sel(1), Foc(1), Foc(2), Expect(".sf."), Unsel(1), Sel(2), Expect("..S."),
        Unfoc(2), Expect("..s.")}},
      {"one row has the focus",
       {Rows(4), Foc(0), Foc(3), Expect("...f")}},
      {"deleting a row moves the states of later rows up",
       {Rows(6), Sel(0), Sel(2), Sel(5), Foc(4), Del(2), Expect("s..fs"), Del(0), Expect("..fs"),
        Del(3), Expect("..f")}},
      {"all rows at once, the focus left alone",
       {Rows(4), Foc(1), All(), Expect("sSss"), Unsel(2), Expect("sS.s"), None(), Expect(".f..")}},
      {"rows around whole words of flags",
       {Rows(70), Sel(0), Sel(31), Sel(32), Sel(63), Sel(64), Sel(69),
        Expect(SelectedMarks(70, {0, 31, 32, 63, 64, 69})), Del(31),
        Expect(SelectedMarks(69, {0, 31, 62, 63, 68})), Del(68), Unsel(0),
        Expect(SelectedMarks(68, {31, 62, 63}))}},
      {"a new list shows its first page; a row off the page scrolls as little as needed",
       {Rows(At{3, 5}), Top(At{0, 0}), Show(At{1, 3}), Top(At{0, 4}), Show(At{1, 3}),
        Show(At{0, 5}), Top(At{0, 4}), Show(At{0, 2}), Top(At{0, 2}), Show(At{0, 0}),
        Top(At{0, 0})}},
      {"the last row shows the last page whole; a new row count starts at the top again",
       {Rows(At{3, 0}), Show(At{3, -1}), Top(At{2, 0}), Show(At{1, 0}), Top(At{1, 0}),
        Rows(At{3, 0}), Top(At{0, 0})}},
      {"a list no longer than a page does not scroll",
       {Rows(At{1, 0}), Show(At{1, -1}), Top(At{0, 0}), Rows(At{0, 3}), Show(At{0, 2}),
        Top(At{0, 0})}},
      {"rows deleted at the end of a list scrolled to its end keep the last page full",
       {Rows(At{2, 0}), Show(At{2, -1}), Top(At{1, 0}), Del(At{2, -1}), Del(At{2, -2}),
        Top(At{1, -2}), Show(At{0, 0}), Top(At{0, 0})}},
  };
  return cases;
}

inline char Mark(bool selected, bool focused) {
  return selected ? (focused ? 'S' : 's') : (focused ? 'f' : '.');
}

inline void ExpectMarks(const FileListPort& list, const std::string& marks, const std::string& where) {
  const int n = static_cast<int>(marks.size());
  ASSERT_EQ(list.RowCount(), n) << where;
  std::string seen;
  std::vector<int> selected;
  int focused = -1;
  for (int r = 0; r < n; ++r) {
    const bool s = list.IsSelected(r), f = list.IsFocused(r);
    seen += Mark(s, f);
    if (s) selected.push_back(r);
    if (f && focused < 0) focused = r;
  }
  EXPECT_EQ(seen, marks) << where;
  EXPECT_EQ(list.SelectedCount(), static_cast<int>(selected.size())) << where;
  EXPECT_EQ(list.FocusedRow(), focused) << where;
  std::vector<int> walked;
  for (int r = list.NextSelected(-1); r >= 0 && walked.size() <= selected.size(); r = list.NextSelected(r)) {
    walked.push_back(r);
  }
  EXPECT_EQ(walked, selected) << where;
}

inline void RunFileListCases(FileListPort& list) {
  const int page = list.RowsPerPage();
  ASSERT_GE(page, 4) << "the list must show a few rows";
  for (const FileListCase& c : FileListCases()) {
    int step = 0;
    for (const ListStep& s : c.steps) {
      const std::string where = std::string(c.what) + ", step " + std::to_string(step++);
      const int row = s.pages * page + s.row;
      switch (s.op) {
        case ListOp::Rows: list.SetRowCount(row); break;
        case ListOp::Select: list.SetSelected(s.row, true); break;
        case ListOp::Unselect: list.SetSelected(s.row, false); break;
        case ListOp::Focus: list.SetFocused(s.row, true); break;
        case ListOp::Unfocus: list.SetFocused(s.row, false); break;
        case ListOp::All: list.SelectAll(true); break;
        case ListOp::None: list.SelectAll(false); break;
        case ListOp::Delete: list.DeleteRow(row); break;
        case ListOp::Expect: ExpectMarks(list, s.marks, where); break;
        case ListOp::Show: list.EnsureVisible(row); break;
        case ListOp::Top:
          EXPECT_EQ(list.TopRow(), row) << where;
          EXPECT_EQ(list.RowsPerPage(), page) << where;
          break;
      }
    }
  }
}

}  // namespace qd::test
