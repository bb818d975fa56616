// The rows of the file list, kept compactly: one fixed-size record per row
// and the names in one byte arena. Texts are made when they are read, so a
// listing of 100,000 entries costs a few bytes a row beyond its names.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "filer/model/found_entry.h"
#include "filer/model/pick_row.h"

namespace qd {

// Turns a UTC file time into local time for the Date column; false when it
// cannot be converted (the text is then the one for no date). The system's
// conversion lives with the file system, which the store does not reach.
using LocalTimeConversion = std::function<bool(uint64_t utc, uint64_t* local)>;

class RowStore {
 public:
  // Directory rows, the rows of a pick list (list mode), or the rows of a
  // find or an expansion (list mode too, kept as compactly as directory
  // rows: a walk may list a million).
  enum class Kind { Entries, Picks, Results };

  explicit RowStore(LocalTimeConversion to_local) : to_local_(std::move(to_local)) {}

  void Clear(Kind kind = Kind::Entries);
  Kind kind() const { return kind_; }
  int size() const;

  void AddEntry(const FoundEntry& entry);
  void AddPickRow(PickRow row);
  // A result row: a folder ("/" and its name; the path text is its path)
  // or a file (its name; the path text is the folder that holds it).
  void AddFolderResult(std::string_view path);
  void AddFileResult(std::string_view folder, std::string_view name);
  // A row of a pick list or a result list, with what it means.
  PickRow Pick(int row) const;
  bool IsListMode() const { return kind_ != Kind::Entries; }

  // The text of a column as the list shows it.
  std::string Text(int row, int column) const;
  // What the incremental search, the collectors and the cursor read from a
  // row's texts. A pick row's meaning is in Pick(row).
  bool IsFolder(int row) const;  // the Size text is "<DIR>"
  // The ".." row, which stands for the parent folder and is never an item.
  bool IsParentRow(int row) const { return IsFolder(row) && NameText(row) == "/.."; }
  std::string ItemName(int row) const;
  // The same without building a string for a listing row (the search looks
  // at every row per key press); a pick row's is put together in `scratch`.
  std::string_view ItemNameView(int row, std::string& scratch) const;
  // The Ext text likewise: the extension with its dot, or empty.
  std::string_view ExtView(int row, std::string& scratch) const;
  std::string_view NameText(int row) const;  // column 0
  std::string ExtText(int row) const;        // column 1
  uint64_t SizeOf(int row) const;            // a file's size; 0 for a folder

  // Ascending by the Name text without regard to case: the order rows
  // take as they are listed.
  void SortByNameText();
  // The filer's comparison of one column; a descending sort reverses it
  // whole, the folders-first rule of the Name column included. Returns the
  // new index of every old row.
  std::vector<int> Sort(int column, bool ascending);

  void Erase(int row);

  // Memory of the store per row beyond the name bytes.
  static constexpr std::size_t kBytesPerRow = 32;
  // Bytes the store holds now, reserve included, and the name bytes among them.
  std::size_t MemoryBytes() const {
    return rows_.capacity() * sizeof(Row) + arena_.capacity() +
           results_.capacity() * sizeof(Result) + result_paths_.capacity() * sizeof(Span);
  }
  std::size_t NameBytes() const { return arena_.size(); }

 private:
  struct Row {
    uint32_t offset;  // name bytes in the arena; a folder's start with "/"
    uint16_t length;
    uint16_t ext;  // start of the extension within the name, or length
    uint32_t attributes;
    uint32_t unused = 0;  // a sort keeps the row's old index here
    uint64_t size;
    uint64_t time;
  };
  static_assert(sizeof(Row) == kBytesPerRow);

  // A result row: its Name text in the arena, its path text by index.
  struct Span {
    uint32_t offset, length;
  };
  struct Result {
    uint32_t offset;  // the Name text; a folder's starts with "/"
    uint32_t length : 31;
    uint32_t folder : 1;
    uint32_t path;  // index into result_paths_
  };
  static_assert(sizeof(Result) == 12);
  std::string_view ResultName(const Result& r) const { return {arena_.data() + r.offset, r.length}; }
  std::string_view ResultPath(const Result& r) const {
    const Span& s = result_paths_[r.path];
    return {arena_.data() + s.offset, s.length};
  }
  // The path's index, shared with the row before when it is the same folder.
  uint32_t ResultPathIndex(std::string_view path);
  std::vector<int> SortResults(int column, bool ascending);

  std::string_view Bytes(const Row& r) const { return {arena_.data() + r.offset, r.length}; }
  std::string_view NameTextOf(const Row& r) const;
  std::string_view ExtOf(const Row& r) const;
  // Stable sort of the rows by a column, or by the Name text alone
  // (kNameTextOrder); returns the new index of every old row.
  static constexpr int kNameTextOrder = 100;
  std::vector<int> SortRows(int order, bool ascending);
  std::vector<int> SortByNumber(int column, bool ascending);
  std::vector<int> SortByText(int order, bool ascending);
  // The text a text order compares; empty for the other orders.
  std::string_view SortText(int order, const Row& r) const;
  static int ComparePicks(int column, const PickRow& a, const PickRow& b);

  LocalTimeConversion to_local_;
  Kind kind_ = Kind::Entries;
  std::string arena_;
  std::vector<Row> rows_;
  std::vector<PickRow> picks_;
  std::vector<Result> results_;
  std::vector<Span> result_paths_;
};

// Compares two decimal texts as numbers of any length; an empty text (a
// folder's size) comes first.
int CompareNumberTexts(std::string_view a, std::string_view b);

}  // namespace qd
