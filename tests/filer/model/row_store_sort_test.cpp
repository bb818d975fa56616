// The row store's sorts against a plain stable sort of the same entries,
// written from the comparison rules alone, on randomized tables with hard
// CP932 names and many ties, from every order the other sorts leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "filer/model/row_store.h"
#include "filer/model/row_texts.h"
#include "tests/fakes/fake_file_system.h"

namespace qd {
namespace {

// The names of the shared list of hard CP932 names (trail bytes 0x5C, 0x7C,
// 0x7A, 0x61, half-width katakana, full-width dots, dots and blanks).
const char* const kHardNames[] = {
    "ソフト.txt",
    "表示",
    "能力.doc",
    "予定表.xls",
    "十申",
    "ポスト.txt",
    "竹掛け.txt",
    "ホテル.TXT",
    "Ｂ溝.txt",
    "ｱｲｳ.txt",
    "漢字abc.TXT",
    "ア．ｔｘｔ",
    "a.b.c.txt",
    ".profile",
    "x%d.txt",
    "50%.dat",
    "space name.txt",
    // セ is 83 5A and ホ 83 7A: a fold that touches trail bytes ties them.
    "セテル.TXT",
};

// Prefixes that make names tie for a long stretch, shorter and longer than
// what a sort might keep of a name, and a lone lead byte at the end.
const char* const kPrefixes[] = {"",
                                 "",
                                 "a",
                                 "B",
                                 "表示表示",
                                 "Long Common Prefix 長い共通部分 ",
                                 "long common prefix 長い共通部分 ",
                                 "ホテルホテルホテルホテル"};
const char* const kSuffixes[] = {"", "", "", "1", "01", ".TXT", ".txt", "\x83", "ﾃｽﾄ"};

struct Entry {
  std::string name;
  uint32_t attributes;
  uint64_t size;
  uint64_t time;
  bool folder() const { return attributes & kAttrDirectory; }
};

std::vector<Entry> RandomEntries(uint32_t seed, int count) {
  std::mt19937 rng(seed);
  auto pick = [&](const auto& list) { return list[rng() % std::size(list)]; };
  const uint32_t attributes[] = {0,
                                 kAttrArchive,
                                 kAttrReadOnly,
                                 kAttrHidden | kAttrSystem,
                                 kAttrSystem,
                                 kAttrDirectory,
                                 kAttrDirectory,
                                 kAttrDirectory | kAttrHidden,
                                 kAttrArchive | kAttrReadOnly};
  const uint64_t sizes[] = {0, 1, 2, 255, 256, 5000000000ull, UINT64_MAX - 1, UINT64_MAX};
  const uint64_t times[] = {
      0, 1, 126081255030000000ull, 126081255030000001ull, 0x7FFFFFFFFFFFFFFFull, UINT64_MAX};
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    std::string name = std::string(pick(kPrefixes)) + pick(kHardNames) + pick(kSuffixes);
    switch (rng() % 4) {
      case 0:
        name = cp932::ToUpper(name);  // ties without regard to case
        break;
      case 1:
        name = cp932::ToLower(name);
        break;
      default:
        break;
    }
    entries.push_back({name, pick(attributes), pick(sizes), pick(times)});
  }
  return entries;
}

std::string ExtOf(const Entry& e) {
  return e.folder() ? std::string() : e.name.substr(ExtensionStart(e.name));
}

std::string NameTextOf(const Entry& e) {
  return e.folder() ? "/" + e.name : e.name.substr(0, ExtensionStart(e.name));
}

int FoldersFirst(const Entry& a, const Entry& b) {
  return a.folder() == b.folder() ? 0 : a.folder() ? -1 : 1;
}

int Three(uint64_t a, uint64_t b) { return a < b ? -1 : a > b ? 1 : 0; }

// The filer's comparison of a column, spelled out. The Name text alone
// (column -1) is the order rows take as they are listed.
int ReferenceCompare(int column, const Entry& a, const Entry& b) {
  switch (column) {
    case -1:
      return cp932::CompareNoCase(NameTextOf(a), NameTextOf(b));
    case 0:
      if (const int f = FoldersFirst(a, b)) return f;
      return cp932::CompareNoCase(NameTextOf(a) + ExtOf(a), NameTextOf(b) + ExtOf(b));
    case 1:
      return cp932::CompareNoCase(ExtOf(a), ExtOf(b));
    case 2:
      if (const int f = FoldersFirst(a, b)) return f;
      return a.folder() ? 0 : Three(a.size, b.size);
    case 3:
      return Three(a.time, b.time);
    case 4:
      return AttributeText(a.attributes).compare(AttributeText(b.attributes));
    default:
      return 0;
  }
}

// Sorts `rows` (now holding the entries `shown`, in that order) and checks
// the result against a stable sort of `shown`, which then takes the new order.
void SortAndCheck(test::FakeFileSystem& fs, RowStore& rows, const std::vector<Entry>& entries,
                  std::vector<int>& shown, int column, bool ascending) {
  std::vector<int> expected = shown;
  std::stable_sort(expected.begin(), expected.end(), [&](int x, int y) {
    const int c = ReferenceCompare(column, entries[x], entries[y]);
    return ascending ? c < 0 : c > 0;
  });
  if (column < 0) {
    rows.SortByNameText();  // it tells no indices
  } else {
    const std::vector<int> moved = rows.Sort(column, ascending);
    ASSERT_EQ(moved.size(), shown.size());
    for (std::size_t old = 0; old < shown.size(); ++old) {
      ASSERT_EQ(expected[moved[old]], shown[old]) << "row " << old << " went to the wrong place";
    }
  }
  for (int r = 0; r < rows.size(); ++r) {
    const Entry& e = entries[expected[r]];
    ASSERT_EQ(rows.ItemName(r), e.name) << "row " << r;
    ASSERT_EQ(rows.Text(r, 2), e.folder() ? std::string(kDirSizeText) : std::to_string(e.size));
    uint64_t local = 0;
    ASSERT_EQ(rows.Text(r, 3),
              fs.ToLocalFileTime(e.time, &local) ? DateText(local) : std::string(kNoDateText));
    ASSERT_EQ(rows.Text(r, 4), AttributeText(e.attributes));
  }
  shown = expected;
}

TEST(RowStoreSort, MatchesAPlainStableSortFromAnyOrder) {
  // Each column and direction from a shuffled table, then the sorts one
  // after another, so that each starts from the order another left.
  const struct {
    int column;
    bool ascending;
  } steps[] = {{0, true},  {3, true}, {0, false}, {1, true},  {2, false}, {4, true},
               {1, false}, {0, true}, {2, true},  {3, false}, {4, false}, {-1, true},
               {1, true},  {4, true}, {3, true},  {2, true},  {0, false}, {-1, true}};
  for (const uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const std::vector<Entry> entries = RandomEntries(seed, 600);
    test::FakeFileSystem fs;
    std::vector<int> shuffled(entries.size());
    for (std::size_t i = 0; i < shuffled.size(); ++i) shuffled[i] = static_cast<int>(i);
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(seed));
    auto fill = [&](RowStore& rows) {
      for (int id : shuffled) {
        const Entry& e = entries[id];
        rows.AddEntry({e.name, e.attributes, e.size, e.time});
      }
    };
    for (int column = -1; column < 5; ++column) {
      for (const bool ascending : {true, false}) {
        if (column < 0 && !ascending) continue;  // the listing order only ascends
        SCOPED_TRACE("from the shuffled order, column " + std::to_string(column));
        RowStore rows(fs.LocalTime());
        fill(rows);
        std::vector<int> shown = shuffled;
        SortAndCheck(fs, rows, entries, shown, column, ascending);
      }
    }
    RowStore rows(fs.LocalTime());
    fill(rows);
    std::vector<int> shown = shuffled;
    for (const auto& step : steps) {
      SCOPED_TRACE("step: column " + std::to_string(step.column) +
                   (step.ascending ? " ascending" : " descending"));
      SortAndCheck(fs, rows, entries, shown, step.column, step.ascending);
    }
  }
}

}  // namespace
}  // namespace qd
