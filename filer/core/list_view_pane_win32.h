// The panes on report-style list-view controls: the one-row panes with
// their own texts, and the owner-data file list whose texts come from the
// filer's row store.
#pragma once

#include <windows.h>

#include "filer/core/ports.h"

namespace qd {

// Column, colour and style operations shared by both kinds of pane.
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
  void SetFullRowSelect(bool with_tooltips) override;
  void RepaintNow() override;

 protected:
  HWND list_ = nullptr;
};

class ListViewPane : public ListViewBase<ListPort> {
 public:
  void DeleteAllRows() override;
  void InsertRow(int index, std::string_view text) override;
  void SetCellText(int row, int column, std::string_view text) override;
  std::string CellText(int row, int column) const override;
};

class FileListView : public ListViewBase<FileListPort> {
 public:
  void SetRowCount(int count) override;
  int RowCount() const override;
  void DeleteRow(int row) override;
  void InvalidateRows() override;
  bool IsSelected(int row) const override;
  void SetSelected(int row, bool selected) override;
  bool IsFocused(int row) const override;
  void SetFocused(int row, bool focused) override;
  int NextSelected(int after) const override;
  int SelectedCount() const override;
  int TopRow() const override;
  int RowsPerPage() const override;
  void EnsureVisible(int row) override;
  void MoveAnchorTo(int row) override;
  void SuspendRepaint() override;
  void ResumeRepaint() override;
  void Focus() override;

 private:
  void SetState(int row, UINT state, bool on);
};

// Copies a cell text into the buffer a list view offers, cut so that no
// double-byte character is split.
void CopyCellText(std::string_view text, char* buffer, int size);

}  // namespace qd
