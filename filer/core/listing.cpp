// Listing the current folder into the file list, sorting it, and the pick
// lists that replace its columns.
#include "common/cp932.h"
#include "filer/core/filer_app.h"
#include "filer/core/filer_controller.h"
#include "common/name_list.h"

namespace qd {

namespace {

// The pieces of a mask, "a;b" or "a;b;"; a piece may be empty.
std::vector<std::string> MaskPieces(std::string mask) {
  if (mask.empty() || mask.back() != ';') mask += ';';
  const std::vector<std::string_view> views = SplitTerminated(mask, ';');
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

struct ListColumn {
  const char* header;
  Align align;
};

}  // namespace

// The folder pass lists the folders of every piece (or of "*" once when the
// mask does not apply to folders), the file pass the files of every piece.
// Names that match several pieces are listed once for each. One search
// serves both passes of a piece, since the rows are put in order afterwards.
void FilerController::ListPieces() {
  const std::vector<std::string> pieces = MaskPieces(mask_);
  bool star_searched = false;
  for (const std::string& piece : pieces) {
    const bool folders = !no_folder_ || (piece == "*" && !star_searched);
    if (no_folder_ && piece == "*") star_searched = true;
    PassSink sink(rows_, folders, true);
    fs_.Search(piece, sink);
  }
  if (no_folder_ && !star_searched) {
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
  std::string display = folder;
  if (!cp932::EndsWithBackslash(display)) display += '\\';
  frame_.SetTitle(std::string(kTitlePrefix) + display + mask_ + "]");
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

  // The control keeps states by index: carry them over to the rows' new places.
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

void FilerController::CmdRefresh() {
  if (view_mode_ == ViewMode::List) {
    if (list_kind_ == kFindResultList) PruneVanishedRows();
    return;
  }
  const std::string names = SelectedNames();
  const int bottom = BottomRow();
  FillList();
  RestoreCursor(names, bottom);
}

int FilerController::BottomRow() const { return file_list_.TopRow() + file_list_.RowsPerPage() - 1; }

int FilerController::EnterListMode(int kind) {
  if (view_mode_ == ViewMode::List) {
    LeaveListMode(true);
    return 0;
  }
  list_kind_ = kind;
  list_save_.from_temporary_move = view_mode_ == ViewMode::TemporaryMove;
  list_save_.folder = fs_.CurrentDirectory();
  list_save_.names = SelectedNames();
  list_save_.bottom_row = BottomRow();

  rows_.Clear(RowStore::Kind::Texts);
  file_list_.SetRowCount(0);
  for (int i = 0; i < 4; ++i) list_save_.widths[i] = file_list_.ColumnWidth(i + 1);
  for (int i = 4; i >= 1; --i) file_list_.DeleteColumn(i);

  const int* w = list_save_.widths;  // eXt, Size, Date, Attr
  const int all = w[0] + w[1] + w[2] + w[3];
  const int half = w[0] + w[1] + w[2] + w[3] / 2;
  const char* mode_text = "";
  switch (kind) {
    case kFolderHistoryList:
    case kTabList:
      file_list_.InsertColumn(1, "Path", Align::Left, half);
      file_list_.InsertColumn(2, "X", Align::Right, w[3] / 2);
      mode_text = kind == kTabList ? "タブ一覧" : "フォルダ履歴";
      break;
    case kFolderExpansionList:
      file_list_.InsertColumn(1, "Path", Align::Left, all);
      mode_text = "フォルダ展開";
      break;
    case kFindResultList:
      file_list_.InsertColumn(1, "Path (folder)", Align::Left, all);
      mode_text = "ファイル検索";
      break;
    case kDriveList:
      file_list_.InsertColumn(1, "tyPe", Align::Left, all);
      mode_text = "ドライブ一覧";
      break;
    default:
      break;
  }
  SetSearchLineField(SearchField::Mode, mode_text);
  view_mode_ = ViewMode::List;
  SetSearchLineField(SearchField::Search, "");
  SetSearchLineField(SearchField::FileInf, "");
  return 1;
}

void FilerController::LeaveListMode(bool go_back) {
  if (view_mode_ != ViewMode::List) return;
  while (file_list_.ColumnCount() > 1) file_list_.DeleteColumn(file_list_.ColumnCount() - 1);
  const ListColumn normal[] = {
      {"eXt", Align::Left}, {"Size", Align::Right}, {"Date", Align::Left}, {"Attr", Align::Left}};
  for (int i = 0; i < 4; ++i) {
    file_list_.InsertColumn(i + 1, normal[i].header, normal[i].align, list_save_.widths[i]);
  }
  if (list_save_.from_temporary_move) {
    view_mode_ = ViewMode::TemporaryMove;
    SetSearchLineField(SearchField::Mode, "一時移動");
    list_save_.from_temporary_move = false;
  } else {
    view_mode_ = ViewMode::Normal;
    SetSearchLineField(SearchField::Mode, "");
  }
  if (go_back) {
    std::string folder = list_save_.folder;
    if (cp932::FindChar(folder, '\\') == std::string::npos) folder += '\\';  // D: is D:\ .
    fs_.ChangeDirectory(folder);
    FillList();
    RestoreCursor(list_save_.names, list_save_.bottom_row);
  } else {
    StoreTabCursor(current_tab_, list_save_.names, list_save_.bottom_row);
  }
  list_kind_ = kNoList;
  list_save_.folder.clear();
  list_save_.names.clear();
  ShowMessage("", false);
}

}  // namespace qd
