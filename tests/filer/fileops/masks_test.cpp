#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;


// C:\data: .., .cache, sub, 表示, a.txt, b.doc, README, xyz, X表Z, ソフト.txt
// (rows in that order); below it sub\deep, and files in each folder.
class MaskCommandsTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\data";
    MakeFolder("C:\\data");
    AddFile("C:\\data", "a.txt");
    AddFolder("C:\\data", "sub");
    AddFolder("C:\\data", ".cache");
    AddFile("C:\\data", "b.doc");
    AddFolder("C:\\data", "表示");
    AddFile("C:\\data", "ソフト.txt");
    AddFile("C:\\data", "README");
    AddFile("C:\\data", "xyz");
    AddFile("C:\\data", "X表Z");
    MakeFolder("C:\\data\\sub");
    AddFile("C:\\data\\sub", "c.TXT");
    AddFolder("C:\\data\\sub", "deep");
    MakeFolder("C:\\data\\sub\\deep");
    AddFile("C:\\data\\sub\\deep", "d.txt");
    MakeFolder("C:\\data\\.cache");
    AddFile("C:\\data\\.cache", "hidden.txt");
    MakeFolder("C:\\data\\表示");
    AddFile("C:\\data\\表示", "Ｂ溝.txt");
  }
  Strings SelectedItems() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
  int RowOf(const std::string& item) const {
    for (int r = 0; r < window->rows().size(); ++r) {
      if (window->rows().ItemName(r) == item) return r;
    }
    return -1;
  }
  void Run(int command, std::vector<MaskAnswer> answers = {}) {
    prompts.mask_answers = std::move(answers);
    window->OnCommand(command);
  }
  // Name and path text of every row.
  Strings ResultRows() const {
    Strings rows;
    for (int r = 0; r < window->rows().size(); ++r) {
      rows.push_back(window->rows().Text(r, 0) + " @ " + window->rows().Text(r, 1));
    }
    return rows;
  }
};

struct SelectCase {
  const char* mask;
  bool no_folder;
  Strings selected;
};

TEST_F(MaskCommandsTest, MaskSelectTestsNameAndExtensionAndNeverTakesTheParentRow) {
  Make();
  ASSERT_EQ(Names(), (Strings{"..", ".cache", "sub", "表示", "a.txt", "b.doc", "README", "xyz",
                              "X表Z", "ソフト.txt"}));
  const SelectCase cases[] = {
      {"*.*", false, {".cache", "a.txt", "b.doc", "ソフト.txt"}},  // the dot is literal
      {"*.txt;*.doc", false, {"a.txt", "b.doc", "ソフト.txt"}},
      {"*.TXT;*.doc;", false, {"a.txt", "b.doc", "ソフト.txt"}},
      {"X?Z", false, {"xyz"}},  // 表 is two bytes
      {"X??Z", false, {"X表Z"}},
      {"*", true, {"a.txt", "b.doc", "README", "xyz", "X表Z", "ソフト.txt"}},
      {"", false, {".cache", "sub", "表示", "a.txt", "b.doc", "README", "xyz", "X表Z", "ソフト.txt"}},
      {"*t*", false, {"a.txt", "ソフト.txt"}},  // ト (83 67) holds no t
      {"nothing", false, {}},
  };
  for (const SelectCase& c : cases) {
    SCOPED_TRACE(c.mask);
    list.Select({0, 1, 2});
    list.focused.assign(list.focused.size(), false);
    list.focused[0] = true;
    Run(CmdMaskSelect, {test::MaskOk(c.mask, c.no_folder)});
    EXPECT_EQ(SelectedItems(), c.selected);
    // One focused row: the last that matched, or none.
    const int last = c.selected.empty() ? -1 : RowOf(c.selected.back());
    EXPECT_EQ(list.FocusedRow(), last);
    EXPECT_EQ(std::count(list.focused.begin(), list.focused.end(), true), last >= 0 ? 1 : 0);
  }
  EXPECT_EQ(settings.ReadString("SelMask", "No0", ""), "nothing");
  // Cancel changes nothing.
  list.Select({4});
  Run(CmdMaskSelect, {});
  EXPECT_EQ(SelectedItems(), Strings{"a.txt"});
}

TEST_F(MaskCommandsTest, SelectAllTakesTheParentRowAndInvertSwapsBothStates) {
  Make();
  Run(CmdSelectAll);
  EXPECT_EQ(list.SelectedCount(), window->rows().size());

  // Nothing selected, the cursor's focus on row 2: that row goes off and
  // every other row on.
  list.Select({});
  list.focused.assign(list.focused.size(), false);
  list.focused[2] = true;
  Run(CmdInvertSelection);
  EXPECT_EQ(list.Selected(), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(list.FocusedRow(), 9);
  EXPECT_FALSE(list.focused[2]);
  Run(CmdInvertSelection);
  EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
  EXPECT_EQ(list.FocusedRow(), 2);
}

TEST_F(MaskCommandsTest, FileMaskListsTheFolderAgainWithTheMaskAndTheFolderOption) {
  FilerController& w = Make();
  prompts.mask_requests.clear();
  Run(CmdFileMask, {test::MaskOk("*.txt", true)});
  EXPECT_EQ(prompts.mask_requests.at(0).text, "*.*");  // the current mask
  EXPECT_EQ(w.display_mask().text, "*.txt");
  EXPECT_TRUE(w.display_mask().no_folder);
  EXPECT_EQ(frame.title, " Qd - [C:\\data\\*.txt]");
  EXPECT_EQ(Names(), (Strings{"..", ".cache", "sub", "表示", "a.txt", "ソフト.txt"}));
  EXPECT_EQ(settings.ReadString("FileMask", "No0", ""), "*.txt");
  EXPECT_EQ(settings.ReadInt("FileMask", "NoFolder", 0), 1);

  Run(CmdFileMask, {test::MaskOk("", false)});
  EXPECT_EQ(prompts.mask_requests.at(1).text, "*.txt");
  EXPECT_TRUE(prompts.mask_requests.at(1).check);
  EXPECT_EQ(w.display_mask().text, "*.*");
  EXPECT_EQ(list.RowCount(), 10);
  Run(CmdFileMask, {});  // cancel
  EXPECT_EQ(w.display_mask().text, "*.*");
}

TEST_F(MaskCommandsTest, FindListsMatchingFilesBelowTheFolderSortedByPath) {
  FilerController& w = Make();
  Run(CmdFindFile, {test::MaskOk("*.TXT")});
  EXPECT_EQ(w.view_mode(), ViewMode::List);
  EXPECT_EQ(w.list_kind(), ListKind::FindResults);
  EXPECT_EQ(ResultRows(), (Strings{"a.txt @ C:\\data", "ソフト.txt @ C:\\data", "c.TXT @ C:\\data\\sub",
                                   "d.txt @ C:\\data\\sub\\deep", "Ｂ溝.txt @ C:\\data\\表示"}));
  EXPECT_EQ(list.columns.at(1).header, "Path (folder)");
  EXPECT_EQ(search.CellText(0, 2), "ファイル検索");
  EXPECT_EQ(search.CellText(0, 3), "5");
  EXPECT_EQ(list.Selected(), (std::vector<int>{0}));
  EXPECT_TRUE(list.focused[0]);
  EXPECT_EQ(message.CellText(0, 0), "");
  EXPECT_EQ(fs.current, "C:\\data");  // the walk does not leave a found folder current
  EXPECT_EQ(progress.started, 1);
  EXPECT_EQ(progress.ended, 1);
  // The paths the collectors build from the rows.
  list.Select({1, 4});
  EXPECT_EQ(test::ViewOf(w).SelectedPaths(), "C:\\data\\ソフト.txt|C:\\data\\表示\\Ｂ溝.txt|");
  EXPECT_EQ(settings.ReadString("FindFile", "No0", ""), "*.TXT");

  // Esc goes back to the folder, with its selection.
  w.OnCommand(2);
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(fs.current, "C:\\data");
  EXPECT_EQ(Names().size(), 10u);
  EXPECT_EQ(list.columns.at(1).header, "eXt");
}

TEST_F(MaskCommandsTest, FindWithStarListsFoldersTooAndDotFoldersAsFiles) {
  FilerController& w = Make();
  Run(CmdFindFile, {test::MaskOk("")});  // empty: "*", and "*" is stored
  EXPECT_EQ(settings.ReadString("FindFile", "No0", ""), "*");
  EXPECT_EQ(ResultRows(), (Strings{"/data @ C:\\data", "a.txt @ C:\\data", ".cache @ C:\\data",
                                   "b.doc @ C:\\data", "ソフト.txt @ C:\\data", "README @ C:\\data",
                                   "xyz @ C:\\data", "X表Z @ C:\\data", "/sub @ C:\\data\\sub",
                                   "c.TXT @ C:\\data\\sub", "/deep @ C:\\data\\sub\\deep",
                                   "d.txt @ C:\\data\\sub\\deep", "/表示 @ C:\\data\\表示",
                                   "Ｂ溝.txt @ C:\\data\\表示"}));
  // .cache is not searched; its row is a file's: the name and its folder.
  EXPECT_EQ(RowOf("hidden.txtC:\\data\\.cache"), -1);
  list.Select({2});
  EXPECT_EQ(test::ViewOf(w).SelectedPaths(), "C:\\data\\.cache|");
  EXPECT_EQ(fs.searches.size(), 1u + 4u);  // the listing, then one per folder walked
  // Cancel walks nothing but empties the message area.
  w.OnCommand(2);
  message.SetCellText(0, 0, "x");
  Run(CmdFindFile, {});
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(message.CellText(0, 0), "");
}

TEST_F(MaskCommandsTest, ExpansionFlattensTheFoldersOfTheSelectionOrOfTheFolderShown) {
  FilerController& w = Make();
  Run(CmdExpandFolder);
  EXPECT_EQ(w.list_kind(), ListKind::FolderExpansion);
  EXPECT_EQ(search.CellText(0, 2), "フォルダ展開");
  EXPECT_EQ(list.columns.at(1).header, "Path");
  EXPECT_EQ(ResultRows(), (Strings{"/data @ C:\\data", "/sub @ C:\\data\\sub",
                                   "/deep @ C:\\data\\sub\\deep", "/表示 @ C:\\data\\表示"}));
  // Another walk needs the folder shown: in a list the command does nothing.
  Run(CmdExpandFolder);
  Run(CmdFindFile, {test::MaskOk("*")});
  EXPECT_EQ(w.list_kind(), ListKind::FolderExpansion);
  EXPECT_TRUE(prompts.mask_answers.size() == 1u);  // no dialog was shown
  prompts.mask_answers.clear();
  w.OnCommand(2);

  list.Select({RowOf("表示"), RowOf("a.txt"), RowOf("sub")});
  Run(CmdExpandFolder);
  EXPECT_EQ(ResultRows(), (Strings{"/sub @ C:\\data\\sub", "/deep @ C:\\data\\sub\\deep",
                                   "/表示 @ C:\\data\\表示"}));
  w.OnCommand(2);
  // In a result list mask select tests the Name text alone, without "/".
  Run(CmdFindFile, {test::MaskOk("*")});
  Run(CmdMaskSelect, {test::MaskOk("d*")});
  EXPECT_EQ(SelectedItems(), (Strings{"/deepC:\\data\\sub\\deep", "d.txtC:\\data\\sub\\deep"}));
  Run(CmdMaskSelect, {test::MaskOk("d*", true)});
  EXPECT_EQ(SelectedItems(), (Strings{"d.txtC:\\data\\sub\\deep"}));
}

// The copy, paste and delete of the find list read the rows of a walk.
TEST_F(MaskCommandsTest, APasteInAWalksListGoesIntoTheFolderOfTheCursorRow) {
  FilerController& w = Make();
  list.Select({RowOf("a.txt")});
  w.OnCommand(CmdCopy);
  list.Select({});
  Run(CmdExpandFolder);
  list.Select({1});  // /sub
  w.OnCommand(CmdPaste);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(shell.operations[0].to, std::string("C:\\data\\sub\\a.txt\0\0", 19));
}

TEST_F(MaskCommandsTest, AFolderThatCannotBeEnteredIsLeftOutWithAllBelowIt) {
  FilerController& w = Make();
  fs.vanished.insert("C:\\data\\sub");  // still in the listing shown
  w.OnCommand(CmdExpandFolder);
  EXPECT_EQ(ResultRows(), (Strings{"/data @ C:\\data", "/表示 @ C:\\data\\表示"}));
}

TEST_F(MaskCommandsTest, ARootIsWalkedWithItsBackslash) {
  fs.current = "C:\\";
  AddFolder("C:\\", "data");
  AddFile("C:\\", "root.txt");
  FilerController& w = Make();
  list.Select({});  // a root has no "..": the cursor stands on the first folder
  Run(CmdFindFile, {test::MaskOk("root*")});
  EXPECT_EQ(ResultRows(), Strings{"root.txt @ C:\\"});
  list.Select({0});
  EXPECT_EQ(test::ViewOf(w).SelectedPaths(), "C:\\root.txt|");
  w.OnCommand(2);
  list.Select({});
  Run(CmdExpandFolder);
  EXPECT_EQ(ResultRows()[0], "/C:\\ @ C:\\");
}

class WalkLimitTest : public test::FilerFixture {
 protected:
  // C:\big with 500 folders below it, none of them holding anything.
  void SetUp() override {
    fs.current = "C:\\big";
    MakeFolder("C:\\big");
    for (int i = 0; i < 500; ++i) {
      const std::string name = "f" + std::to_string(1000 + i);
      AddFolder("C:\\big", name);
      MakeFolder("C:\\big\\" + name);
    }
  }
};

TEST_F(WalkLimitTest, TheLimitGivesExactlyItsRowsAndStopsTheWalk) {
  for (int limit : {200, 1, 501, 502}) {
    SCOPED_TRACE(limit);
    settings.WriteInt("Conf-Main", "FolderOpen", limit);
    FilerController& w = Make();
    fs.searches.clear();
    w.OnCommand(CmdExpandFolder);
    const int all = 501;  // C:\big and its 500
    EXPECT_EQ(w.rows().size(), std::min(limit, all));
    EXPECT_EQ(search.CellText(0, 3), std::to_string(std::min(limit, all)));
    EXPECT_EQ(search.CellText(0, 2), limit < all ? "処理中断" : "フォルダ展開");
    // Once the list is full no folder is listed but the one that found it so.
    EXPECT_LE(fs.searches.size(), static_cast<std::size_t>(std::min(limit, all)) + 1);
  }
}

TEST_F(WalkLimitTest, EscBetweenFoldersStopsAndKeepsTheRowsFoundSoFar) {
  settings.WriteInt("Conf-Main", "FolderOpen", 1000);
  FilerController& w = Make();
  progress.stop_at = 4;  // before the fourth folder
  w.OnCommand(CmdExpandFolder);
  EXPECT_EQ(w.view_mode(), ViewMode::List);
  EXPECT_EQ(w.rows().size(), 3);
  EXPECT_EQ(search.CellText(0, 2), "処理中断");
  EXPECT_EQ(search.CellText(0, 3), "3");
  EXPECT_EQ(progress.asked, 4);  // nothing is asked once stopped
  EXPECT_EQ(progress.ended, 1);
  w.OnCommand(2);
  EXPECT_EQ(search.CellText(0, 2), "");
  EXPECT_EQ(fs.current, "C:\\big");

  // The row count shows while the walk goes on.
  progress.stop_at = 0;
  progress.asked = 0;
  w.OnCommand(CmdExpandFolder);
  EXPECT_EQ(progress.asked, 501);
}

}  // namespace
}  // namespace qd
