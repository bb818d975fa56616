#include "filer/model/row_texts.h"

#include <gtest/gtest.h>

#include <iterator>

#include "filer/model/row_store.h"
#include "tests/fakes/fake_file_system.h"

namespace qd {
namespace {

TEST(RowTexts, NameAndExtensionSplitAtTheLastDot) {
  struct Case {
    const char* name;
    const char* name_text;
    const char* ext_text;
  } cases[] = {
      {"archive.tar.gz", "archive.tar", ".gz"},
      {".cvsignore", ".cvsignore", ""},
      {"README", "README", ""},
      {"a.b.c.txt", "a.b.c", ".txt"},
      {"trailing.", "trailing", "."},
      {"ソフト.txt", "ソフト", ".txt"},
      {"予定表.xls", "予定表", ".xls"},
      {"ア．ｔｘｔ", "ア．ｔｘｔ", ""},  // a full-width dot is no separator
      {"ｱｲｳ.txt", "ｱｲｳ", ".txt"},
      {"50%.dat", "50%", ".dat"},
      {"space name.txt", "space name", ".txt"},
  };
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  for (const Case& c : cases) rows.AddEntry({c.name, kAttrArchive, 1, 0});
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    EXPECT_EQ(rows.Text(i, 0), cases[i].name_text) << cases[i].name;
    EXPECT_EQ(rows.Text(i, 1), cases[i].ext_text) << cases[i].name;
    EXPECT_EQ(rows.ItemName(i), cases[i].name);
    EXPECT_EQ(rows.Text(i, 0) + rows.Text(i, 1), cases[i].name);
  }
}

TEST(RowTexts, FolderRowsAndSizes) {
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  rows.AddEntry({"表示", kAttrDirectory, 0, 0});
  rows.AddEntry({"..", kAttrDirectory, 0, 0});
  rows.AddEntry({"big.iso", kAttrArchive, 5000000000ull, 0});
  rows.AddEntry({"max", 0, 18446744073709551615ull, 0});
  EXPECT_EQ(rows.Text(0, 0), "/表示");
  EXPECT_EQ(rows.Text(0, 1), "");
  EXPECT_EQ(rows.Text(0, 2), "<DIR>");
  EXPECT_EQ(rows.Text(0, 4), "-D---");
  EXPECT_EQ(rows.ItemName(0), "表示");
  EXPECT_TRUE(rows.IsFolder(0));
  EXPECT_EQ(rows.Text(1, 0), "/..");
  EXPECT_EQ(rows.Text(2, 2), "5000000000");  // the high part of the size counts
  EXPECT_EQ(rows.SizeOf(2), 5000000000ull);
  EXPECT_EQ(rows.Text(3, 2), "18446744073709551615");
  EXPECT_EQ(rows.Text(3, 4), "-----");
}

TEST(RowTexts, AttributeText) {
  EXPECT_EQ(AttributeText(0), "-----");
  EXPECT_EQ(AttributeText(kAttrDirectory), "-D---");
  EXPECT_EQ(AttributeText(kAttrArchive | kAttrReadOnly), "A--R-");
  EXPECT_EQ(AttributeText(0x37), "ADHRS");
  EXPECT_EQ(AttributeText(kAttrHidden | kAttrSystem | 0x80), "--H-S");
}

TEST(RowTexts, DatesOfEveryRangeHaveOneFormatAndWidth) {
  struct Case {
    uint64_t file_time;
    const char* text;
  } cases[] = {
      {126081255030000000ull, " 2000/07/15 09:05:03"},
      {0, " 1601/01/01 00:00:00"},
      {119600064000000000ull, " 1980/01/01 00:00:00"},
      {116444736000000000ull, " 1970/01/01 00:00:00"},
      {137919572470000000ull, " 2038/01/19 03:14:07"},
      {137919572480000000ull, " 2038/01/19 03:14:08"},  // one second past 32-bit time
      {125911584000000000ull, " 2000/01/01 00:00:00"},
      {125962560000000000ull, " 2000/02/29 00:00:00"},
      {2650467743990000000ull, " 9999/12/31 23:59:59"},
      {2650467744000000000ull, " ----/--/-- --:--:--"},  // year 10000
      {0x8000000000000000ull, " ----/--/-- --:--:--"},
      {0xFFFFFFFFFFFFFFFFull, " ----/--/-- --:--:--"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.file_time), c.text) << c.file_time;
    EXPECT_EQ(DateText(c.file_time).size(), 20u);
  }
}

TEST(RowTexts, DateColumnShowsLocalTimeOrNoDate) {
  test::FakeFileSystem fs;
  fs.offset = 9ull * 3600 * 10000000;  // nine hours east
  RowStore rows(fs.LocalTime());
  rows.AddEntry({"a", 0, 0, 126081255030000000ull});
  rows.AddEntry({"b", 0, 0, 0x7FFFFFFFFFFFFFFFull});  // the fake cannot convert it
  EXPECT_EQ(rows.Text(0, 3), " 2000/07/15 18:05:03");
  EXPECT_EQ(rows.Text(1, 3), " ----/--/-- --:--:--");
}

TEST(RowStore, SizeSortIsNumericAtAnyLengthAndFoldersFirst) {
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  const uint64_t sizes[] = {100, 9, 10, 12345678901ull, 0, 99999999999999ull};
  for (uint64_t s : sizes) rows.AddEntry({"f" + std::to_string(s), 0, s, 0});
  rows.AddEntry({"dir", kAttrDirectory, 0, 0});
  rows.Sort(2, true);
  std::vector<std::string> texts;
  for (int r = 0; r < rows.size(); ++r) texts.push_back(rows.Text(r, 2));
  EXPECT_EQ(texts, (std::vector<std::string>{"<DIR>", "0", "9", "10", "100", "12345678901",
                                             "99999999999999"}));
  rows.Sort(2, false);
  EXPECT_EQ(rows.Text(0, 2), "99999999999999");
  EXPECT_EQ(rows.Text(rows.size() - 1, 2), "<DIR>");
}

TEST(RowStore, AttributeSortOrdersLikeTheAttributeText) {
  // "ADHRS" read as text: System is the last letter, so it weighs least,
  // just below Read-only. Rows go in reversed so that a comparison that
  // ignores a bit or ties two bits leaves them in the wrong order.
  const struct {
    uint32_t bits;
    const char* text;
  } ascending[] = {
      {0, "-----"},
      {kAttrSystem, "----S"},
      {kAttrReadOnly, "---R-"},
      {kAttrReadOnly | kAttrSystem, "---RS"},
      {kAttrHidden, "--H--"},
      {kAttrHidden | kAttrSystem, "--H-S"},
      {kAttrDirectory, "-D---"},
      {kAttrDirectory | kAttrSystem, "-D--S"},
      {kAttrArchive, "A----"},
      {kAttrArchive | kAttrSystem, "A---S"},
  };
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  std::vector<std::string> expected;
  for (const auto& a : ascending) expected.push_back(a.text);
  for (int i = static_cast<int>(std::size(ascending)) - 1; i >= 0; --i) {
    rows.AddEntry({"f" + std::to_string(i), ascending[i].bits, 0, 0});
  }
  rows.Sort(4, true);
  std::vector<std::string> texts;
  for (int r = 0; r < rows.size(); ++r) texts.push_back(rows.Text(r, 4));
  EXPECT_EQ(texts, expected);
}

TEST(RowStore, NumberTextsCompareNumerically) {
  EXPECT_LT(CompareNumberTexts("9", "10"), 0);
  EXPECT_LT(CompareNumberTexts("", "0"), 0);
  EXPECT_EQ(CompareNumberTexts("007", "7"), 0);
  EXPECT_GT(CompareNumberTexts("123456789012345678901234", "99999999999999999999999"), 0);
  EXPECT_EQ(CompareNumberTexts("", ""), 0);
}

TEST(RowStore, SortReturnsWhereEveryRowWent) {
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  for (const char* n : {"c", "a", "b"}) rows.AddEntry({n, 0, 0, 0});
  const std::vector<int> moved = rows.Sort(0, true);
  EXPECT_EQ(moved, (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(rows.ItemName(0), "a");
}

TEST(RowStore, PickRowsKeepTheirMeaningBesideTheirTexts) {
  test::FakeFileSystem fs;
  RowStore rows(fs.LocalTime());
  rows.Clear(RowStore::Kind::Picks);
  rows.AddPickRow({.name_text = "/sub", .path_text = "C:\\data\\sub", .number_text = "10",
                   .path = "C:\\data\\sub", .tab = -1, .folder = true});
  rows.AddPickRow({.name_text = "report.txt", .path_text = "D:\\Data", .number_text = "9",
                   .path = "D:\\Data", .tab = -1, .folder = false});
  EXPECT_EQ(rows.Text(0, 1), "C:\\data\\sub");
  EXPECT_EQ(rows.NameText(1), "report.txt");
  rows.Sort(2, true);  // the number column sorts numerically
  EXPECT_EQ(rows.Text(0, 2), "9");
  EXPECT_EQ(rows.Pick(0).path, "D:\\Data");  // the meaning moves with its texts
  EXPECT_TRUE(rows.Pick(1).folder);
}

}  // namespace
}  // namespace qd
