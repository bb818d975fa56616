#include "filer/model/row_store.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <utility>

#include "common/cp932.h"
#include "filer/model/row_texts.h"

namespace qd {

namespace {

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

std::string_view TrimZeros(std::string_view s) {
  while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
  return s;
}

// The leading decimal digits of a text.
std::string_view Digits(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
  return s.substr(0, n);
}

// The attribute text "ADHRS" compared as text orders like these bits, read
// from A down to S ("-" sorts before the letters).
uint32_t AttributeKey(uint32_t a) {
  static_assert(kAttributeLetters.size() == 5);
  uint32_t key = 0;
  for (const AttributeLetter& l : kAttributeLetters) key = key << 1 | ((a & l.bit) ? 1u : 0u);
  return key;
}

}  // namespace

int CompareNumberTexts(std::string_view a, std::string_view b) {
  a = Digits(a);
  b = Digits(b);
  if (a.empty() || b.empty())
    return Sign(static_cast<int>(!a.empty()) - static_cast<int>(!b.empty()));
  a = TrimZeros(a);
  b = TrimZeros(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return Sign(a.compare(b));
}

void RowStore::Clear(Kind kind) {
  kind_ = kind;
  arena_.clear();
  rows_.clear();
  picks_.clear();
  results_.clear();
  result_paths_.clear();
}

int RowStore::size() const {
  switch (kind_) {
    case Kind::Entries:
      return static_cast<int>(rows_.size());
    case Kind::Picks:
      return static_cast<int>(picks_.size());
    case Kind::Results:
      return static_cast<int>(results_.size());
  }
  return 0;
}

void RowStore::AddEntry(const FoundEntry& e) {
  Row r;
  r.offset = static_cast<uint32_t>(arena_.size());
  r.attributes = e.attributes;
  r.size = e.size;
  r.time = e.write_time;
  if (e.attributes & kAttrDirectory) {
    arena_ += '/';
    arena_ += e.name;
    r.length = static_cast<uint16_t>(e.name.size() + 1);
    r.ext = r.length;
  } else {
    arena_ += e.name;
    r.length = static_cast<uint16_t>(e.name.size());
    r.ext = static_cast<uint16_t>(ExtensionStart(e.name));
  }
  rows_.push_back(r);
}

void RowStore::AddPickRow(PickRow row) { picks_.push_back(std::move(row)); }

uint32_t RowStore::ResultPathIndex(std::string_view path) {
  if (!result_paths_.empty()) {
    const Span& last = result_paths_.back();
    if (std::string_view(arena_.data() + last.offset, last.length) == path) {
      return static_cast<uint32_t>(result_paths_.size() - 1);
    }
  }
  result_paths_.push_back({static_cast<uint32_t>(arena_.size()), static_cast<uint32_t>(path.size())});
  arena_ += path;
  return static_cast<uint32_t>(result_paths_.size() - 1);
}

void RowStore::AddFolderResult(std::string_view path) {
  const uint32_t index = ResultPathIndex(path);
  std::string_view name = path;
  const std::size_t slash = cp932::FindLastChar(path, '\\');
  if (slash != std::string_view::npos && slash + 1 < path.size()) name = path.substr(slash + 1);
  Result r;
  r.offset = static_cast<uint32_t>(arena_.size());
  r.length = static_cast<uint32_t>(name.size() + 1);
  r.folder = 1;
  r.path = index;
  arena_ += '/';
  arena_ += name;
  results_.push_back(r);
}

void RowStore::AddFileResult(std::string_view folder, std::string_view name) {
  Result r;
  r.path = ResultPathIndex(folder);
  r.offset = static_cast<uint32_t>(arena_.size());
  r.length = static_cast<uint32_t>(name.size());
  r.folder = 0;
  arena_ += name;
  results_.push_back(r);
}

PickRow RowStore::Pick(int row) const {
  if (kind_ != Kind::Results) return picks_[row];
  const Result& r = results_[row];
  PickRow p;
  p.name_text = ResultName(r);
  p.path_text = ResultPath(r);
  p.path = p.path_text;
  p.folder = r.folder;
  return p;
}

namespace {

const std::string& PickText(const PickRow& row, int column) {
  static const std::string kNone;
  switch (column) {
    case 0:
      return row.name_text;
    case 1:
      return row.path_text;
    case 2:
      return row.number_text;
    default:
      return kNone;
  }
}

}  // namespace

std::string_view RowStore::NameTextOf(const Row& r) const { return Bytes(r).substr(0, r.ext); }

std::string_view RowStore::ExtOf(const Row& r) const { return Bytes(r).substr(r.ext); }

std::string RowStore::Text(int row, int column) const {
  if (kind_ == Kind::Picks) return PickText(picks_[row], column);
  if (kind_ == Kind::Results) {
    const Result& r = results_[row];
    if (column == 0) return std::string(ResultName(r));
    if (column == 1) return std::string(ResultPath(r));
    return {};
  }
  const Row& r = rows_[row];
  const bool folder = r.attributes & kAttrDirectory;
  switch (column) {
    case 0:
      return std::string(NameTextOf(r));
    case 1:
      return std::string(ExtOf(r));
    case 2:
      return folder ? std::string(kDirSizeText) : std::to_string(r.size);
    case 3: {
      uint64_t local = 0;
      return to_local_(r.time, &local) ? DateText(local) : std::string(kNoDateText);
    }
    case 4:
      return AttributeText(r.attributes);
    default:
      return {};
  }
}

bool RowStore::IsFolder(int row) const {
  // As the item name is derived from the texts, in every list alike.
  if (kind_ == Kind::Picks) return picks_[row].number_text == kDirSizeText;
  if (kind_ == Kind::Results) return false;  // no Size text
  return rows_[row].attributes & kAttrDirectory;
}

std::string_view RowStore::NameText(int row) const {
  if (kind_ == Kind::Picks) return picks_[row].name_text;
  if (kind_ == Kind::Results) return ResultName(results_[row]);
  return NameTextOf(rows_[row]);
}

std::string RowStore::ExtText(int row) const { return Text(row, 1); }

std::string RowStore::ItemName(int row) const {
  if (kind_ == Kind::Picks) {
    // The texts of columns 0 and 1, as for a file row: the incremental
    // search in a pick list sees the path too.
    const PickRow& p = picks_[row];
    if (p.number_text == kDirSizeText) return p.name_text.substr(p.name_text.empty() ? 0 : 1);
    return p.name_text + p.path_text;
  }
  if (kind_ == Kind::Results) {
    const Result& r = results_[row];
    return std::string(ResultName(r)) + std::string(ResultPath(r));
  }
  std::string unused;
  return std::string(ItemNameView(row, unused));
}

std::string_view RowStore::ItemNameView(int row, std::string& scratch) const {
  if (kind_ != Kind::Entries) {
    scratch = ItemName(row);
    return scratch;
  }
  const Row& r = rows_[row];
  std::string_view bytes = Bytes(r);
  if (r.attributes & kAttrDirectory) bytes.remove_prefix(1);
  return bytes;
}

std::string_view RowStore::ExtView(int row, std::string& scratch) const {
  if (kind_ != Kind::Entries) {
    scratch = Text(row, 1);
    return scratch;
  }
  return ExtOf(rows_[row]);
}

uint64_t RowStore::SizeOf(int row) const {
  if (kind_ != Kind::Entries) return 0;
  const Row& r = rows_[row];
  return (r.attributes & kAttrDirectory) ? 0 : r.size;
}

void RowStore::SortByNameText() {
  if (kind_ == Kind::Results) {
    SortResults(0, true);
    return;
  }
  if (kind_ == Kind::Picks) {
    std::stable_sort(picks_.begin(), picks_.end(), [](const PickRow& a, const PickRow& b) {
      return cp932::CompareNoCase(a.name_text, b.name_text) < 0;
    });
    return;
  }
  SortRows(kNameTextOrder, true);
}

namespace {

// A row's place in a sort: its column's order packed into integers, so that
// most comparisons read neither the row nor its name: compared through an
// index, a million rows are read scattered at every step, which costs far
// more than the sort itself.
struct SortItem {
  uint64_t key[3] = {0, 0, 0};
  // Three more text bytes and the text's length, or kLongText when the
  // text goes on beyond the packed bytes.
  uint32_t tail = 0;
  uint32_t index = 0;  // the row's old index, the last key: the sort is stable
};

constexpr uint32_t kLongText = 0xFF;
constexpr std::size_t kPackedBytes = 27;

// The text as CompareNoCase sees it: single-byte letters folded, trail bytes
// kept. Folding never turns a byte into a lead byte or back, so two texts
// split into characters alike up to their first difference, and comparing
// the folded bytes as unsigned, shorter first on a tie, gives CompareNoCase's
// order. `first` goes before the text (the folders-first rule).
void PackText(std::string_view text, int first, SortItem* item) {
  unsigned char b[kPackedBytes + 1] = {};
  std::size_t n = 0;
  if (first >= 0) b[n++] = static_cast<unsigned char>(first);
  const std::size_t room = kPackedBytes - n;
  for (std::size_t i = 0; i < text.size() && i < room;) {
    const std::size_t len = cp932::CharLength(text, i);
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (len == 1 && c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    b[n + i] = c;
    if (len == 2 && i + 1 < room) b[n + i + 1] = static_cast<unsigned char>(text[i + 1]);
    i += len;
  }
  auto be64 = [&](int at) {
    uint64_t v = 0;
    for (int k = 0; k < 8; ++k) v = v << 8 | b[at + k];
    return v;
  };
  item->key[0] = be64(0);
  item->key[1] = be64(8);
  item->key[2] = be64(16);
  // A text that fits compares whole here: after equal bytes (padded with
  // zeros) the shorter goes first, and a text that fits goes before a longer
  // one with the same packed bytes, as it is a prefix of it.
  const uint32_t length = text.size() <= room ? static_cast<uint32_t>(text.size()) : kLongText;
  item->tail = static_cast<uint32_t>(b[24]) << 24 | static_cast<uint32_t>(b[25]) << 16 |
               static_cast<uint32_t>(b[26]) << 8 | length;
}

}  // namespace

std::string_view RowStore::SortText(int order, const Row& r) const {
  switch (order) {
    case kNameTextOrder:
      return NameTextOf(r);
    case 0:
      return Bytes(r);  // Name followed by Ext; a folder's "/" is on both sides
    case 1:
      return ExtOf(r);
    default:
      return {};
  }
}

std::vector<int> RowStore::SortRows(int order, bool ascending) {
  const bool by_text = order == kNameTextOrder || order == 0 || order == 1;
  return by_text ? SortByText(order, ascending) : SortByNumber(order, ascending);
}

// The numeric columns compare fields of the row itself, so the rows are
// sorted where they are, their old index in `unused`: besides the returned
// indices no memory is taken (fresh pages cost more than the sort here).
std::vector<int> RowStore::SortByNumber(int column, bool ascending) {
  const int n = static_cast<int>(rows_.size());
  for (int i = 0; i < n; ++i) rows_[i].unused = static_cast<uint32_t>(i);
  auto sort = [&](auto key) {
    auto less = [&](const Row& a, const Row& b) {
      const auto ka = key(a);
      const auto kb = key(b);
      if (ka != kb) return ascending ? ka < kb : kb < ka;
      return a.unused < b.unused;  // ties keep their order, in either direction
    };
    std::sort(rows_.begin(), rows_.end(), less);
  };
  switch (column) {
    case 2:
      // Folders (no size) first and equal, then sizes in numeric order.
      sort([](const Row& r) {
        const bool folder = r.attributes & kAttrDirectory;
        return std::pair<bool, uint64_t>(!folder, folder ? 0 : r.size);
      });
      break;
    case 3:
      sort([](const Row& r) { return r.time; });
      break;
    case 4:
      // Five bits of key: with the old index beside them the rows never tie,
      // and one comparison of a 64-bit number decides.
      std::sort(rows_.begin(), rows_.end(), [ascending](const Row& a, const Row& b) {
        auto key = [ascending](const Row& r) {
          const uint64_t k = AttributeKey(r.attributes);
          return (ascending ? k : 31 - k) << 32 | r.unused;
        };
        return key(a) < key(b);
      });
      break;
    default:
      break;  // no column: every row ties and the order stays
  }
  std::vector<int> new_index(n);
  for (int i = 0; i < n; ++i) {
    new_index[rows_[i].unused] = i;
    rows_[i].unused = 0;
  }
  return new_index;
}

// The sort records live in the new row array itself, each the size of a
// row: packed first, sorted there, then overwritten in place by the rows
// they stand for. A sort takes no memory beyond that array and the indices,
// as fresh pages cost more than the sort itself.
std::vector<int> RowStore::SortByText(int order, bool ascending) {
  static_assert(sizeof(SortItem) == sizeof(Row));
  const int n = static_cast<int>(rows_.size());
  std::vector<Row> sorted(n);
  // After another sort the rows no longer follow their names in the arena:
  // fetch a few rows ahead so that those reads overlap.
  constexpr int kAhead = 16;
  for (int i = 0; i < n; ++i) {
    if (i + kAhead < n) __builtin_prefetch(arena_.data() + rows_[i + kAhead].offset);
    const Row& r = rows_[i];
    SortItem item;
    item.index = static_cast<uint32_t>(i);
    if (order == 0) {
      // Folders first; the "/" that starts a folder's bytes is left out of
      // the packed bytes, since both sides of a tie have it.
      const bool folder = r.attributes & kAttrDirectory;
      std::string_view bytes = Bytes(r);
      if (folder) bytes.remove_prefix(1);
      PackText(bytes, folder ? 0 : 1, &item);
    } else {
      PackText(SortText(order, r), -1, &item);
    }
    sorted[i] = std::bit_cast<Row>(item);
  }
  // Only two texts that both go on beyond the packed bytes are read.
  auto texts = [&](const SortItem& a, const SortItem& b) {
    return cp932::CompareNoCase(SortText(order, rows_[a.index]), SortText(order, rows_[b.index]));
  };
  auto sort = [&](auto before) {
    std::sort(sorted.begin(), sorted.end(), [&](const Row& ra, const Row& rb) {
      const SortItem a = std::bit_cast<SortItem>(ra);
      const SortItem b = std::bit_cast<SortItem>(rb);
      for (int k = 0; k < 3; ++k) {
        if (a.key[k] != b.key[k]) return before(a.key[k], b.key[k]);
      }
      if (a.tail != b.tail) return before(a.tail, b.tail);
      if ((a.tail & 0xFF) == kLongText) {
        const int c = texts(a, b);
        if (c != 0) return before(c, 0);
      }
      return a.index < b.index;  // ties keep their order, in either direction
    });
  };
  if (ascending) {
    sort([](auto x, auto y) { return x < y; });
  } else {
    sort([](auto x, auto y) { return y < x; });
  }
  // Each record gives way to its row; the reads run a few rows ahead.
  std::vector<int> new_index(n);
  for (int i = 0; i < n; ++i) {
    if (i + kAhead < n) {
      __builtin_prefetch(&rows_[std::bit_cast<SortItem>(sorted[i + kAhead]).index]);
    }
    const uint32_t from = std::bit_cast<SortItem>(sorted[i]).index;
    sorted[i] = rows_[from];
    new_index[from] = i;
  }
  rows_ = std::move(sorted);
  return new_index;
}

int RowStore::ComparePicks(int column, const PickRow& a, const PickRow& b) {
  if (column == 2) return CompareNumberTexts(a.number_text, b.number_text);
  if (column < 0 || column > 2) return 0;
  return cp932::CompareNoCase(PickText(a, column), PickText(b, column));
}

std::vector<int> RowStore::Sort(int column, bool ascending) {
  if (kind_ == Kind::Entries) return SortRows(column, ascending);
  if (kind_ == Kind::Results) return SortResults(column, ascending);
  const int n = size();
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  const int direction = ascending ? 1 : -1;
  std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
    return direction * ComparePicks(column, picks_[x], picks_[y]) < 0;
  });
  std::vector<PickRow> sorted(n);
  for (int i = 0; i < n; ++i) sorted[i] = std::move(picks_[order[i]]);
  picks_ = std::move(sorted);
  std::vector<int> new_index(n);
  for (int i = 0; i < n; ++i) new_index[order[i]] = i;
  return new_index;
}

// Stable, by the Name or the path text; no other column is shown. The path
// texts are few (one per folder), so they are ranked once and the rows
// sorted by rank: a walk's million rows compare integers only.
std::vector<int> RowStore::SortResults(int column, bool ascending) {
  const int n = static_cast<int>(results_.size());
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  const int direction = ascending ? 1 : -1;
  if (column == 1) {
    std::vector<uint32_t> by_text(result_paths_.size());
    std::iota(by_text.begin(), by_text.end(), 0u);
    auto text = [&](uint32_t i) {
      return std::string_view(arena_.data() + result_paths_[i].offset, result_paths_[i].length);
    };
    std::stable_sort(by_text.begin(), by_text.end(), [&](uint32_t a, uint32_t b) {
      return cp932::CompareNoCase(text(a), text(b)) < 0;
    });
    // Paths that compare equal share a rank, so their rows keep walk order.
    std::vector<uint32_t> rank(result_paths_.size());
    uint32_t next = 0;
    for (std::size_t i = 0; i < by_text.size(); ++i) {
      if (i > 0 && cp932::CompareNoCase(text(by_text[i - 1]), text(by_text[i])) != 0) ++next;
      rank[by_text[i]] = next;
    }
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
      const uint32_t rx = rank[results_[x].path], ry = rank[results_[y].path];
      return ascending ? rx < ry : ry < rx;
    });
  } else if (column == 0) {
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
      return direction * cp932::CompareNoCase(ResultName(results_[x]), ResultName(results_[y])) < 0;
    });
  }
  std::vector<Result> sorted(n);
  std::vector<int> new_index(n);
  for (int i = 0; i < n; ++i) {
    sorted[i] = results_[order[i]];
    new_index[order[i]] = i;
  }
  results_ = std::move(sorted);
  return new_index;
}

void RowStore::Erase(int row) {
  if (kind_ == Kind::Results) {
    results_.erase(results_.begin() + row);  // its texts stay until the next Clear
    return;
  }
  if (kind_ == Kind::Picks) {
    picks_.erase(picks_.begin() + row);
  } else {
    rows_.erase(rows_.begin() + row);  // its name bytes stay until the next Clear
  }
}

}  // namespace qd
