#include "filer/model/row_store.h"

#include <algorithm>
#include <numeric>

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
}

int RowStore::size() const {
  return static_cast<int>(kind_ == Kind::Entries ? rows_.size() : picks_.size());
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
      return fs_->ToLocalFileTime(r.time, &local) ? DateText(local) : std::string(kNoDateText);
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
  return rows_[row].attributes & kAttrDirectory;
}

std::string_view RowStore::NameText(int row) const {
  if (kind_ == Kind::Picks) return picks_[row].name_text;
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
  const Row& r = rows_[row];
  std::string_view bytes = Bytes(r);
  if (r.attributes & kAttrDirectory) bytes.remove_prefix(1);
  return std::string(bytes);
}

std::string_view RowStore::ItemNameView(int row, std::string& scratch) const {
  if (kind_ == Kind::Picks) {
    scratch = ItemName(row);
    return scratch;
  }
  const Row& r = rows_[row];
  std::string_view bytes = Bytes(r);
  if (r.attributes & kAttrDirectory) bytes.remove_prefix(1);
  return bytes;
}

std::string_view RowStore::ExtView(int row, std::string& scratch) const {
  if (kind_ == Kind::Picks) {
    scratch = Text(row, 1);
    return scratch;
  }
  return ExtOf(rows_[row]);
}

uint64_t RowStore::SizeOf(int row) const {
  if (kind_ == Kind::Picks) return 0;
  const Row& r = rows_[row];
  return (r.attributes & kAttrDirectory) ? 0 : r.size;
}

void RowStore::SortByNameText() {
  if (kind_ == Kind::Picks) {
    std::stable_sort(picks_.begin(), picks_.end(), [](const PickRow& a, const PickRow& b) {
      return cp932::CompareNoCase(a.name_text, b.name_text) < 0;
    });
    return;
  }
  std::stable_sort(rows_.begin(), rows_.end(), [this](const Row& a, const Row& b) {
    return cp932::CompareNoCase(NameTextOf(a), NameTextOf(b)) < 0;
  });
}

int RowStore::Compare(int column, const Row& a, const Row& b) const {
  const bool fa = a.attributes & kAttrDirectory;
  const bool fb = b.attributes & kAttrDirectory;
  switch (column) {
    case 0:
      if (fa != fb) return fa ? -1 : 1;
      return cp932::CompareNoCase(Bytes(a), Bytes(b));  // Name followed by Ext
    case 1:
      return cp932::CompareNoCase(ExtOf(a), ExtOf(b));
    case 2:
      // Folders (no size) first, then sizes of any length in numeric order.
      if (fa != fb) return fa ? -1 : 1;
      if (fa) return 0;
      return a.size < b.size ? -1 : a.size > b.size ? 1 : 0;
    case 3:
      return a.time < b.time ? -1 : a.time > b.time ? 1 : 0;
    case 4:
      return static_cast<int>(AttributeKey(a.attributes)) -
             static_cast<int>(AttributeKey(b.attributes));
    default:
      return 0;
  }
}

int RowStore::ComparePicks(int column, const PickRow& a, const PickRow& b) {
  if (column == 2) return CompareNumberTexts(a.number_text, b.number_text);
  if (column < 0 || column > 2) return 0;
  return cp932::CompareNoCase(PickText(a, column), PickText(b, column));
}

std::vector<int> RowStore::Sort(int column, bool ascending) {
  const int n = size();
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  const int direction = ascending ? 1 : -1;
  if (kind_ == Kind::Picks) {
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
      return direction * ComparePicks(column, picks_[x], picks_[y]) < 0;
    });
    std::vector<PickRow> sorted(n);
    for (int i = 0; i < n; ++i) sorted[i] = std::move(picks_[order[i]]);
    picks_ = std::move(sorted);
  } else {
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
      return direction * Compare(column, rows_[x], rows_[y]) < 0;
    });
    std::vector<Row> sorted(n);
    for (int i = 0; i < n; ++i) sorted[i] = rows_[order[i]];
    rows_ = std::move(sorted);
  }
  std::vector<int> new_index(n);
  for (int i = 0; i < n; ++i) new_index[order[i]] = i;
  return new_index;
}

void RowStore::Erase(int row) {
  if (kind_ == Kind::Picks) {
    picks_.erase(picks_.begin() + row);
  } else {
    rows_.erase(rows_.begin() + row);  // its name bytes stay until the next Clear
  }
}

}  // namespace qd
