#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

class ListingTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\data";
    MakeFolder("C:\\data");
    AddFolder("C:\\data", "表示");
    AddFile("C:\\data", "b.txt", 100);
    AddFile("C:\\data", "archive.tar.gz", 9);
    AddFile("C:\\data", ".cvsignore", 10);
  }
};

TEST_F(ListingTest, ListsTheCurrentFolderInRowsOfFiveTexts) {
  FilerController& w = Make();
  // Below the threshold the default sort applies: folders first, then names.
  EXPECT_EQ(Column(0), (Strings{"/..", "/表示", ".cvsignore", "archive.tar", "b"}));
  EXPECT_EQ(Column(1), (Strings{"", "", "", ".gz", ".txt"}));
  EXPECT_EQ(Column(2), (Strings{"<DIR>", "<DIR>", "10", "9", "100"}));
  EXPECT_EQ(Column(3)[4], " 2000/07/15 09:05:03");
  EXPECT_EQ(Column(4), (Strings{"-D---", "-D---", "A----", "A----", "A----"}));
  EXPECT_EQ(frame.title, " Qd - [C:\\data\\*.*]");
  EXPECT_EQ(search.CellText(0, 3), "5");
  EXPECT_EQ(list.RowCount(), 5);
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));  // the cursor on ".."
  EXPECT_TRUE(list.focused[0]);
  EXPECT_FALSE(list.suspended);
  EXPECT_EQ(history.items, (Strings{"C:\\data"}));
  EXPECT_EQ(message.CellText(0, 0), "Quenda v0.53");
  // Listing again replaces the rows and leaves the message area empty.
  w.FillList();
  EXPECT_EQ(list.RowCount(), 5);
  EXPECT_EQ(message.CellText(0, 0), "");
}

TEST_F(ListingTest, AtTheThresholdRowsKeepTheOrderOfTheNameText) {
  settings.WriteInt("Conf-Main", "Sort", 5);
  FilerController& w = Make();
  EXPECT_EQ(Column(0), (Strings{".cvsignore", "/..", "/表示", "archive.tar", "b"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));
  // A header click sorts all the same.
  w.OnHeaderClick(2);
  EXPECT_EQ(Column(2), (Strings{"<DIR>", "<DIR>", "9", "10", "100"}));
  EXPECT_EQ(window->rows().ItemName(list.NextSelected(-1)), "..");  // the cursor moved with its row
}

TEST_F(ListingTest, SortStateAppliesToSmallFoldersOnly) {
  FilerController& w = Make();
  w.SortList(2, SortMode::User);
  w.FillList();
  EXPECT_EQ(Column(2), (Strings{"<DIR>", "<DIR>", "9", "10", "100"}));
  w.SortList(2, SortMode::User);  // same column: descending
  EXPECT_FALSE(w.sort_ascending());
  EXPECT_EQ(Column(2), (Strings{"100", "10", "9", "<DIR>", "<DIR>"}));
  w.SortList(0, SortMode::User);  // another column: ascending
  EXPECT_TRUE(w.sort_ascending());
  w.SortList(0, SortMode::User);
  // A descending name sort lists files first, descending, then folders.
  EXPECT_EQ(Column(0), (Strings{"b", "archive.tar", ".cvsignore", "/表示", "/.."}));
  w.SortList(3, SortMode::Once);
  EXPECT_EQ(w.sort_column(), 0);
  EXPECT_FALSE(w.sort_ascending());
}

TEST_F(ListingTest, SortKeepsTheSelectionOnItsRowsAndShowsTheFirst) {
  FilerController& w = Make();
  list.Select({2, 4});  // .cvsignore and b.txt
  list.visible_calls.clear();
  w.SortList(2, SortMode::User);
  EXPECT_EQ(Column(2), (Strings{"<DIR>", "<DIR>", "9", "10", "100"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{3, 4}));
  EXPECT_EQ(list.visible_calls, (std::vector<int>{3}));
  EXPECT_EQ(message.CellText(0, 0), "");
}

TEST_F(ListingTest, MaskPiecesAndTheFolderPass) {
  AddFolder("C:\\data", "notes.txt");
  AddFile("C:\\data", "c.doc", 1);
  struct Case {
    const char* mask;
    bool no_folder;
    Strings names;
  } cases[] = {
      {"*.txt;*.doc;", false, {"notes.txt", "b.txt", "c.doc"}},
      {"*.txt;*.doc", true, {"..", "notes.txt", "表示", "b.txt", "c.doc"}},
      {"*;*.*",
       false,
       {"..", "..", "notes.txt", "notes.txt", "表示", "表示", ".cvsignore", ".cvsignore",
        "archive.tar.gz", "archive.tar.gz", "b.txt", "b.txt", "c.doc", "c.doc"}},
      {";*.doc", false, {"c.doc"}},  // an empty piece matches nothing
  };
  for (const Case& c : cases) {
    settings.WriteString("FileMask", "No0", c.mask);
    settings.WriteInt("FileMask", "NoFolder", c.no_folder ? 1 : 0);
    Make();
    EXPECT_EQ(Names(), c.names) << c.mask;
    EXPECT_EQ(frame.title, std::string(" Qd - [C:\\data\\") + c.mask + "]");
  }
}

TEST_F(ListingTest, OneSearchServesBothPassesOfAPiece) {
  settings.WriteString("FileMask", "No0", "*.txt;*.doc");
  Make();
  EXPECT_EQ(fs.searches, (Strings{"*.txt", "*.doc"}));
  fs.searches.clear();
  settings.WriteInt("FileMask", "NoFolder", 1);
  Make();
  EXPECT_EQ(fs.searches, (Strings{"*.txt", "*.doc", "*"}));
}

// FC 3B is one character: the mask ends in a piece, not in a ";".
TEST_F(ListingTest, AMaskWhoseLastCharacterEndsInTheByteOfASemicolonKeepsItsLastPiece) {
  const std::string name = std::string("x") + "\xFC\x3B";
  AddFile("C:\\data", name, 1);
  settings.WriteString("FileMask", "No0", "*.txt;*\xFC\x3B");
  Make();
  EXPECT_EQ(fs.searches, (Strings{"*.txt", "*\xFC\x3B"}));
  EXPECT_EQ(Names(), (Strings{"b.txt", name}));
}

TEST_F(ListingTest, RootAndUnreadableFolders) {
  fs.current = "D:\\";
  AddFile("D:\\", "zeta.txt");
  AddFolder("D:\\", "alpha");
  FilerController& w = Make();
  EXPECT_EQ(frame.title, " Qd - [D:\\*.*]");  // no doubled backslash
  EXPECT_EQ(Names(), (Strings{"alpha", "zeta.txt"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));  // no "..": the first row
  fs.current = "E:\\gone";
  w.FillList();
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(search.CellText(0, 3), "0");
  EXPECT_EQ(message.CellText(0, 0), "");
}

TEST_F(ListingTest, FolderEndingInA5CTrailByteGetsItsBackslash) {
  fs.current = "C:\\十申";
  MakeFolder("C:\\十申");
  Make();
  EXPECT_EQ(frame.title, " Qd - [C:\\十申\\*.*]");
}

TEST_F(ListingTest, RefreshKeepsSelectionAndScroll) {
  for (int i = 0; i < 60; ++i) AddFile("C:\\data", "f" + std::to_string(100 + i) + ".dat", i);
  FilerController& w = Make();
  list.Select({3, 40});
  const Strings before = {window->rows().ItemName(3), window->rows().ItemName(40)};
  list.top = 30;
  AddFile("C:\\data", "new.txt");
  w.OnCommand(CmdRefresh);
  EXPECT_EQ(list.RowCount(), 66);
  std::vector<std::string> selected;
  for (int r : list.Selected()) selected.push_back(window->rows().ItemName(r));
  EXPECT_EQ(selected, before);
  EXPECT_EQ(list.visible_calls.back(), 49);  // the bottom row of the old page
}

TEST_F(ListingTest, ListModeColumnSetsAndTheirWidths) {
  struct Case {
    ListKind kind;
    Strings headers;
    std::vector<int> widths;
    const char* mode;
  } cases[] = {
      {ListKind::FolderHistory, {"Name", "Path", "X"}, {125, 280, 25}, "フォルダ履歴"},
      {ListKind::FolderExpansion, {"Name", "Path"}, {125, 306}, "フォルダ展開"},
      {ListKind::FindResults, {"Name", "Path (folder)"}, {125, 306}, "ファイル検索"},
      {ListKind::TabList, {"Name", "Path", "X"}, {125, 280, 25}, "タブ一覧"},
      {ListKind::DriveList, {"Name", "tyPe"}, {125, 306}, "ドライブ一覧"},
  };
  FilerController& w = Make();
  list.SetColumnWidth(4, 51);  // halves are truncated: 51 / 2 = 25
  for (const Case& c : cases) {
    ASSERT_TRUE(w.EnterListMode(c.kind));
    EXPECT_EQ(list.Headers(), c.headers) << static_cast<int>(c.kind);
    for (std::size_t i = 0; i < c.widths.size(); ++i) {
      EXPECT_EQ(list.columns[i].width, c.widths[i]) << static_cast<int>(c.kind);
    }
    if (c.widths.size() == 3) {
      EXPECT_EQ(list.columns[2].align, Align::Right);
    }
    EXPECT_EQ(search.CellText(0, 2), c.mode);
    EXPECT_EQ(w.view_mode(), ViewMode::List);
    EXPECT_EQ(w.list_kind(), c.kind);
    w.LeaveListMode(false);
    EXPECT_EQ(list.Headers(), (Strings{"Name", "eXt", "Size", "Date", "Attr"}));
    EXPECT_EQ(list.columns[4].width, 51);
    EXPECT_EQ(list.columns[2].align, Align::Right);
    EXPECT_EQ(search.CellText(0, 2), "");
    EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  }
}

TEST_F(ListingTest, LeavingAPickListGoesBackOrHandsTheCursorToTheTab) {
  FilerController& w = Make();
  list.Select({4});
  w.EnterListMode(ListKind::FolderHistory);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(search.CellText(0, 3), "");
  // A second list command closes the pick list instead.
  fs.current = "C:\\elsewhere";
  EXPECT_FALSE(w.EnterListMode(ListKind::TabList));
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(fs.current, "C:\\data");
  EXPECT_EQ(Names()[list.NextSelected(-1)], "b.txt");

  w.EnterListMode(ListKind::FolderHistory);
  w.Cancel();  // Esc leaves the pick list and the window stays
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(frame.closes, 0);
  EXPECT_EQ(list.RowCount(), 5);

  list.Select({2});
  w.EnterListMode(ListKind::FindResults);
  w.FillList();  // a listing ends list mode first, handing the cursor to the tab
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(w.tab_set().at(w.tab_set().current()).cursor_names, ".cvsignore|");
  EXPECT_EQ(list.Headers().size(), 5u);
}

}  // namespace
}  // namespace qd
