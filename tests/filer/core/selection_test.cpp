#include <gtest/gtest.h>

#include "common/name_list.h"
#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

// A row of the find lists: a file in `folder`, or a folder at `folder`.
PickRow Found(const std::string& name, const std::string& folder, bool is_folder = false) {
  return {.name_text = name, .path_text = folder, .number_text = "", .path = folder, .tab = -1,
          .folder = is_folder};
}

class SelectionTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\data";
    MakeFolder("C:\\data");
    AddFolder("C:\\data", "sub");
    AddFile("C:\\data", "a.txt", 100);
    AddFile("C:\\data", "b.dat", 23);
    AddFile("C:\\data", "ポスト.txt", 5000000000ull);
    AddFile("C:\\data", "竹掛け.txt", 5000000000ull);
  }
  // Rows: .., sub, a.txt, b.dat, ポスト.txt, 竹掛け.txt
};

TEST_F(SelectionTest, SelectedNamesSkipTheParentRow) {
  FilerController& w = Make();
  list.Select({0});
  EXPECT_EQ(test::ViewOf(w).SelectedNames(), "");
  list.Select({0, 1, 2});
  EXPECT_EQ(test::ViewOf(w).SelectedNames(), "sub|a.txt|");
  // Names whose trail byte is "|" survive the round trip.
  list.Select({4, 5});
  const std::string names = test::ViewOf(w).SelectedNames();
  EXPECT_EQ(names, "ポスト.txt|竹掛け.txt|");
  EXPECT_EQ(SplitNameList(names), (std::vector<std::string_view>{"ポスト.txt", "竹掛け.txt"}));
  EXPECT_EQ(SplitNameList("a|b|rest"), (std::vector<std::string_view>{"a", "b"}));
}

TEST_F(SelectionTest, TotalsCountEveryItemAndAddUpFileSizesIn64Bits) {
  FilerController& w = Make();
  list.Select({1, 2, 3});
  EXPECT_EQ(test::ViewOf(w).SelectedNamesWithTotals(), "sub|a.txt|b.dat|");
  EXPECT_EQ(message.CellText(0, 0), "アイテム数：3  サイズ：123");
  list.Select({0, 4, 5});
  test::ViewOf(w).SelectedNamesWithTotals();
  EXPECT_EQ(message.CellText(0, 0), "アイテム数：2  サイズ：10000000000");
}

TEST_F(SelectionTest, PathsOfPickListRows) {
  FilerController& w = Make();
  w.EnterListMode(ListKind::FindResults);
  RowStore& rows = window->rows();
  rows.AddPickRow(Found("report.txt", "D:\\Data"));
  rows.AddPickRow(Found("report.txt", "D:\\"));
  rows.AddPickRow(Found("/sub", "D:\\Data\\sub", true));
  rows.AddPickRow(Found("/..", "D:\\", true));
  rows.AddPickRow(Found("能力.doc", "C:\\十申"));
  list.SetRowCount(rows.size());
  list.Select({0, 1, 2, 3, 4});
  EXPECT_EQ(test::ViewOf(w).SelectedPaths(),
            "D:\\Data\\report.txt|D:\\report.txt|D:\\Data\\sub|C:\\十申\\能力.doc|");
  w.LeaveListMode(false);
  // A folder row is its path, whatever its name text shows.
  w.EnterListMode(ListKind::FolderHistory);
  rows.AddPickRow(Found("whatever.txt", "C:\\a", true));
  rows.AddPickRow(Found("Data", "D:\\Data", true));
  list.SetRowCount(rows.size());
  list.Select({0, 1});
  EXPECT_EQ(test::ViewOf(w).SelectedPaths(), "C:\\a|D:\\Data|");
}

TEST_F(SelectionTest, PruneVanishedRowsKeepsTheRestInOrder) {
  FilerController& w = Make();
  w.EnterListMode(ListKind::FindResults);
  RowStore& rows = window->rows();
  for (const char* name : {"one.txt", "two.txt", "three.txt", "four.txt"}) {
    rows.AddPickRow(Found(name, "D:\\Data"));
    AddFile("D:\\Data", name);
  }
  list.SetRowCount(rows.size());
  list.Select({3});
  fs.vanished = {"D:\\Data\\two.txt", "D:\\Data\\three.txt"};
  w.OnCommand(CmdRefresh);  // in the find results a refresh prunes
  EXPECT_EQ(Names(), (std::vector<std::string>{"one.txtD:\\Data", "four.txtD:\\Data"}));
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));  // the selection moved with its row
}

}  // namespace
}  // namespace qd
