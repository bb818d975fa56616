// Listing the current folder into the file list, sorting it, and the pick
// lists that replace its columns.
#include "common/cp932.h"
#include "common/path.h"
#include "filer/core/filer_app.h"
#include "filer/core/filer_controller.h"
#include "common/name_list.h"
#include "common/wildcard.h"

namespace qd {

namespace {

// The pieces of a mask, "a;b" or "a;b;"; a piece may be empty.
std::vector<std::string> MaskPieces(std::string_view mask) {
  const std::vector<std::string_view> views = SplitMask(mask);
  return std::vector<std::string>(views.begin(), views.end());
}

// Takes the entries of one search into the store: folders, files or both.
class PassSink : public EntrySink {
 public:
  PassSink(RowStore& rows, bool folders, bool files)
      : rows_(rows), folders_(folders), files_(files) {}
  void Add(const FoundEntry& e) override {
    if (e.attributes & kAttrDirectory) {
      if (folders_ && e.name != ".") rows_.AddEntry(e);
    } else if (files_) {
      rows_.AddEntry(e);
    }
  }

 private:
  RowStore& rows_;
  bool folders_, files_;
};

}  // namespace

// The folder pass lists the folders of every piece (or of "*" once when the
// mask does not apply to folders), the file pass the files of every piece.
// Names that match several pieces are listed once for each. One search
// serves both passes of a piece, since the rows are put in order afterwards.
void FilerController::ListPieces() {
  const std::vector<std::string> pieces = MaskPieces(mask_.text);
  bool star_searched = false;
  for (const std::string& piece : pieces) {
    const bool folders = !mask_.no_folder || (piece == "*" && !star_searched);
    if (mask_.no_folder && piece == "*") star_searched = true;
    PassSink sink(rows_, folders, true);
    fs_.Search(piece, sink);
  }
  if (mask_.no_folder && !star_searched) {
    PassSink sink(rows_, true, false);
    fs_.Search("*", sink);
  }
}

void FilerController::FillList() {
  if (view_mode_ == ViewMode::List) LeaveListMode(false);
  ShowMessage("Please Wait", true);
  rows_.Clear();
  file_list_.SetRowCount(0);
  file_list_.RepaintNow();
  file_list_.SuspendRepaint();

  const std::string folder = fs_.CurrentDirectory();
  frame_.SetTitle(std::string(kTitlePrefix) + path::WithBackslash(folder) + mask_.text + "]");
  RecordFolder(folder);

  ListPieces();
  // Below the threshold the filer's own sort applies; above it the rows keep
  // the order of the Name text, as the list would keep them on insertion.
  rows_.SortByNameText();
  if (static_cast<uint32_t>(rows_.size()) < prefs_.sort) {
    file_list_.SetRowCount(rows_.size());
    SortList(-1, SortMode::User);
  } else {
    file_list_.SetRowCount(rows_.size());
  }

  FindItem("..", true);
  SetSearchLineField(SearchField::FileInf, std::to_string(rows_.size()));
  ShowMessage("", false);
  file_list_.ResumeRepaint();
}

void FilerController::SortList(int column, SortMode mode) {
  ShowMessage("ソート中", false);
  const int saved_column = sort_column_;
  const bool saved_ascending = sort_ascending_;
  if (column >= 0) {
    if (mode == SortMode::Once) {
      sort_column_ = column;
      sort_ascending_ = true;
    } else if (column == sort_column_) {
      sort_ascending_ = !sort_ascending_;
    } else {
      sort_column_ = column;
      sort_ascending_ = true;
    }
  }

  // The list keeps states by index: carry them over to the rows' new places.
  std::vector<int> selected;
  for (int r = file_list_.NextSelected(-1); r >= 0; r = file_list_.NextSelected(r)) {
    selected.push_back(r);
  }
  int focused = -1;
  for (int r : selected) {
    if (file_list_.IsFocused(r)) focused = r;
  }
  const std::vector<int> moved = rows_.Sort(sort_column_, sort_ascending_);
  for (int r : selected) file_list_.SetSelected(r, false);
  if (focused >= 0) file_list_.SetFocused(focused, false);
  for (int r : selected) file_list_.SetSelected(moved[r], true);
  if (focused >= 0) file_list_.SetFocused(moved[focused], true);
  file_list_.InvalidateRows();

  if (mode == SortMode::Once) {
    sort_column_ = saved_column;
    sort_ascending_ = saved_ascending;
  }
  const int first = file_list_.NextSelected(-1);
  if (first >= 0) file_list_.EnsureVisible(first);
  ShowMessage("", false);
}

void FilerController::SetDisplayMask(const DisplayMask& mask) {
  mask_ = mask;
  FillList();
}

void FilerController::CmdRefresh() {
  if (view_mode_ == ViewMode::List) {
    if (list_kind_ == ListKind::FindResults) PruneVanishedRows();
    return;
  }
  const std::string names = SelectedNames();
  const int bottom = BottomRow();
  FillList();
  RestoreCursor(names, bottom);
}

int FilerController::BottomRow() const { return file_list_.TopRow() + file_list_.RowsPerPage() - 1; }

}  // namespace qd
