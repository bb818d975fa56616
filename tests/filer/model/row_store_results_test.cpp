#include <gtest/gtest.h>

#include "filer/model/row_store.h"
#include "tests/fakes/fake_file_system.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

class ResultRowsTest : public ::testing::Test {
 protected:
  ResultRowsTest() { rows.Clear(RowStore::Kind::Results); }
  Strings Rows() const {
    Strings out;
    for (int r = 0; r < rows.size(); ++r) out.push_back(rows.Text(r, 0) + " @ " + rows.Text(r, 1));
    return out;
  }
  test::FakeFileSystem fs;
  RowStore rows{fs.LocalTime()};
};

TEST_F(ResultRowsTest, FoldersAndFilesCarryTheirTextsAndMeaning) {
  rows.AddFolderResult("C:\\十申");  // ends in a 5C trail byte
  rows.AddFileResult("C:\\十申", "ポスト.txt");
  rows.AddFolderResult("C:\\");
  rows.AddFileResult("C:\\", "a.txt");
  EXPECT_EQ(Rows(), (Strings{"/十申 @ C:\\十申", "ポスト.txt @ C:\\十申", "/C:\\ @ C:\\", "a.txt @ C:\\"}));
  EXPECT_TRUE(rows.IsListMode());
  const PickRow folder = rows.Pick(0);
  EXPECT_TRUE(folder.folder);
  EXPECT_EQ(folder.path, "C:\\十申");
  const PickRow file = rows.Pick(1);
  EXPECT_FALSE(file.folder);
  EXPECT_EQ(file.path, "C:\\十申");
  EXPECT_EQ(rows.NameText(1), "ポスト.txt");
  EXPECT_EQ(rows.Text(1, 2), "");
  EXPECT_EQ(rows.ItemName(1), "ポスト.txtC:\\十申");  // the search sees the path too
  rows.Erase(0);
  EXPECT_EQ(Rows()[0], "ポスト.txt @ C:\\十申");
}

// Rows of one folder tie on the path column and keep the order of the walk.
TEST_F(ResultRowsTest, SortByPathIsStableAndFoldsOnlySingleByteLetters) {
  rows.AddFolderResult("C:\\b");
  rows.AddFileResult("C:\\b", "z.txt");
  rows.AddFolderResult("C:\\b\\ホ");  // 83 7a: must not fold like a z
  rows.AddFileResult("C:\\b", "a.txt");  // back in C:\b after the folder below it
  rows.AddFolderResult("C:\\B\\セ");  // 83 5a
  rows.AddFileResult("C:\\A", "m.txt");
  const std::vector<int> moved = rows.Sort(1, true);
  EXPECT_EQ(Rows(), (Strings{"m.txt @ C:\\A", "/b @ C:\\b", "z.txt @ C:\\b", "a.txt @ C:\\b",
                             "/セ @ C:\\B\\セ", "/ホ @ C:\\b\\ホ"}));
  EXPECT_EQ(moved, (std::vector<int>{1, 2, 5, 3, 4, 0}));
  rows.Sort(1, false);
  EXPECT_EQ(Rows().front(), "/ホ @ C:\\b\\ホ");
  EXPECT_EQ(Rows()[2], "/b @ C:\\b");  // ties keep their order in either direction
  rows.Sort(0, true);
  EXPECT_EQ(Rows(), (Strings{"/b @ C:\\b", "/セ @ C:\\B\\セ", "/ホ @ C:\\b\\ホ", "a.txt @ C:\\b",
                             "m.txt @ C:\\A", "z.txt @ C:\\b"}));
}

}  // namespace
}  // namespace qd
