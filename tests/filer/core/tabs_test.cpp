#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

// Folders C:\P, C:\Q, C:\R, C:\S with a few files each.
class TabsTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\P";
    for (const char* f : {"C:\\P", "C:\\Q", "C:\\R", "C:\\S"}) {
      MakeFolder(f);
      for (int i = 0; i < 30; ++i) AddFile(f, "file" + std::to_string(10 + i) + ".txt");
    }
  }
  // Tabs P, Q, R with Q current.
  FilerController& ThreeTabs() {
    FilerController& w = Make();
    w.OpenNewTab("C:\\Q", true);
    w.OpenNewTab("C:\\R", false);
    EXPECT_EQ(tabs.texts, (Strings{"P", "Q", "R"}));
    EXPECT_EQ(w.tab_set().current(), 1);
    return w;
  }
  Strings Paths(FilerController& w) const {
    EXPECT_EQ(w.tab_set().size(), tabs.TabCount());  // a slot for every tab, no more
    return w.tab_set().Paths();
  }
  std::string CursorName() const { return window->rows().ItemName(list.NextSelected(-1)); }
};

TEST_F(TabsTest, NewTabGoesRightOfTheCurrentOneAndIsSelected) {
  FilerController& w = ThreeTabs();
  shell.browse_result = "C:\\S";
  w.OnCommand(CmdNewTab);
  EXPECT_EQ(shell.browsed, (Strings{"新規タブのフォルダを選択してください|C:\\Q"}));
  EXPECT_EQ(tabs.texts, (Strings{"P", "Q", "S", "R"}));
  EXPECT_EQ(Paths(w), (Strings{"C:\\P", "C:\\Q", "C:\\S", "C:\\R"}));
  EXPECT_EQ(w.tab_set().current(), 2);
  EXPECT_EQ(tabs.selected, 2);
  EXPECT_EQ(fs.current, "C:\\S");
  shell.browse_result.clear();
  w.OnCommand(CmdNewTab);  // cancelled
  EXPECT_EQ(tabs.TabCount(), 4);
}

TEST_F(TabsTest, SwappingTheLastTabRotatesWithoutListingAgain) {
  FilerController& w = ThreeTabs();
  w.OnCommand(CmdNextTab);  // R
  const std::size_t searches = fs.searches.size();
  w.OnCommand(CmdSwapNextTab);
  EXPECT_EQ(tabs.texts, (Strings{"R", "P", "Q"}));
  EXPECT_EQ(Paths(w), (Strings{"C:\\R", "C:\\P", "C:\\Q"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(tabs.selected, 0);
  EXPECT_EQ(fs.current, "C:\\R");
  EXPECT_EQ(fs.searches.size(), searches);
  w.OnCommand(CmdSwapPrevTab);  // from the first: to the end again
  EXPECT_EQ(tabs.texts, (Strings{"P", "Q", "R"}));
  w.OnCommand(CmdSwapPrevTab);
  EXPECT_EQ(tabs.texts, (Strings{"P", "R", "Q"}));
}

TEST_F(TabsTest, NextAndPrevWrap) {
  FilerController& w = ThreeTabs();
  w.OnCommand(CmdNextTab);
  w.OnCommand(CmdNextTab);
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(fs.current, "C:\\P");
  w.OnCommand(CmdPrevTab);
  EXPECT_EQ(w.tab_set().current(), 2);
  EXPECT_EQ(fs.current, "C:\\R");
}

TEST_F(TabsTest, ClosingTabsSelectsTheNeighbourAndKeepsTheLast) {
  FilerController& w = ThreeTabs();
  w.SelectTab(0);
  w.OnCommand(CmdCloseTab);
  EXPECT_EQ(tabs.texts, (Strings{"Q", "R"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(fs.current, "C:\\Q");
  w.OpenNewTab("C:\\S", false);  // Q, S, R
  w.SelectTab(2);
  w.OnCommand(CmdCloseTab);
  EXPECT_EQ(tabs.texts, (Strings{"Q", "S"}));
  EXPECT_EQ(w.tab_set().current(), 1);
  EXPECT_EQ(fs.current, "C:\\S");
  w.OnCommand(CmdCloseTab);
  w.OnCommand(CmdCloseTab);  // the only tab stays and is listed again
  EXPECT_EQ(tabs.texts, (Strings{"Q"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(fs.current, "C:\\Q");
}

TEST_F(TabsTest, SwitchingBackRestoresSelectionAndScroll) {
  FilerController& w = ThreeTabs();
  w.SelectTab(0);
  list.Select({12, 13});
  const Strings names = {window->rows().ItemName(12), window->rows().ItemName(13)};
  list.top = 8;
  w.SelectTab(2);
  EXPECT_EQ(CursorName(), "..");
  w.SelectTab(0);
  Strings selected;
  for (int r : list.Selected()) selected.push_back(window->rows().ItemName(r));
  EXPECT_EQ(selected, names);
  EXPECT_EQ(list.visible_calls.back(), 27);
  EXPECT_EQ(w.tab_set().at(0).cursor_row, 27);
}

TEST_F(TabsTest, ATabWhoseFolderVanishedShowsAnEmptyList) {
  FilerController& w = ThreeTabs();
  fs.folders.erase("C:\\R");
  w.SelectTab(2);
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_TRUE(prompts.errors.empty());
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(w.tab_set().at(2).path, "C:\\R");
}

TEST_F(TabsTest, TabsBeyondTabMaxAddSlotsAndGiveThemBack) {
  settings.WriteInt("Conf-Main", "TabMax", 2);
  FilerController& w = Make();
  w.OpenNewTab("C:\\Q", true);
  w.OpenNewTab("C:\\R", true);
  w.OpenNewTab("C:\\S", true);
  EXPECT_EQ(tabs.TabCount(), 4);
  EXPECT_EQ(w.tab_set().size(), 4u);
  EXPECT_EQ(Paths(w), (Strings{"C:\\P", "C:\\Q", "C:\\R", "C:\\S"}));
  w.OnCommand(CmdCloseTab);
  w.OnCommand(CmdCloseTab);
  EXPECT_EQ(tabs.TabCount(), 2);
  EXPECT_EQ(w.tab_set().size(), 2u);
  EXPECT_EQ(Paths(w), (Strings{"C:\\P", "C:\\Q"}));
}

TEST_F(TabsTest, TabListSwitchesAndClosesTabs) {
  FilerController& w = ThreeTabs();
  w.OnCommand(CmdTabList);
  EXPECT_EQ(w.list_kind(), ListKind::TabList);
  EXPECT_EQ(Column(0), (Strings{"P", "Q", "R"}));
  EXPECT_EQ(Column(1), (Strings{"C:\\P", "C:\\Q", "C:\\R"}));
  EXPECT_EQ(Column(2), (Strings{"1", "2", "3"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));  // the current tab
  list.Select({2});
  w.OpenItem();  // Enter switches to that tab
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(w.tab_set().current(), 2);
  EXPECT_EQ(fs.current, "C:\\R");

  // Shift+Enter opens the folder in a new tab and stays in the list.
  w.OnCommand(CmdTabList);
  list.Select({0});
  keys.shift = true;
  w.OpenItem();
  keys.shift = false;
  EXPECT_EQ(tabs.texts, (Strings{"P", "Q", "R", "P"}));
  EXPECT_EQ(w.view_mode(), ViewMode::List);
  // A second list command closes the list.
  w.OnCommand(CmdTabList);
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);

  // Deleting every row asks first and keeps tab 0, which becomes current.
  w.OnCommand(CmdTabList);
  list.Select({0, 1, 2, 3});
  prompts.answer = Answer::Cancel;
  w.OnCommand(CmdDeleteToRecycleBin);
  EXPECT_EQ(prompts.questions.back(), "選択しているタブを閉じます。");
  EXPECT_EQ(tabs.TabCount(), 4);
  prompts.answer = Answer::Ok;
  w.OnCommand(CmdDeleteToRecycleBin);
  EXPECT_EQ(tabs.texts, (Strings{"P"}));
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(w.list_kind(), ListKind::TabList);  // the list is shown again, shorter
  EXPECT_EQ(Column(0), (Strings{"P"}));
  w.Cancel();  // Esc goes to the surviving tab's folder
  EXPECT_EQ(fs.current, "C:\\P");
}

// A tab stored as "D:" alone stands for D:\ when the tab list hands it back,
// not for the folder drive D keeps.
TEST_F(TabsTest, ATabStoredAsABareDriveGoesBackToItsRoot) {
  fs.folders["D:\\"];
  MakeFolder("D:\\kept");
  fs.drive_folders[4] = "D:\\kept";
  settings.WriteString("Tab", "DIR0", "C:\\P");
  settings.WriteString("Tab", "DIR1", "D:");
  FilerController& w = Make();
  w.OnCommand(CmdTabList);
  list.Select({0});  // tab P, the current one
  prompts.answer = Answer::Ok;
  w.OnCommand(CmdDeleteToRecycleBin);
  ASSERT_EQ(tabs.TabCount(), 1);
  w.Cancel();
  EXPECT_EQ(fs.current, "D:\\");
}

TEST_F(TabsTest, HistoryRecordsEveryListingOnce) {
  settings.WriteInt("Conf-Main", "History", 5);
  settings.WriteString("Conf-Folder", "JumpFolder", "c:\\s");
  FilerController& w = Make();
  for (const char* f : {"C:\\Q", "C:\\R", "C:\\S", "C:\\Q"}) w.ChangeFolder(f);
  // The jump folder is not recorded; Q moves to the top instead of twice.
  EXPECT_EQ(history.items, (Strings{"C:\\Q", "C:\\R", "C:\\P"}));
  MakeFolder("C:\\T");
  MakeFolder("C:\\U");
  MakeFolder("C:\\V");
  for (const char* f : {"C:\\T", "C:\\U", "C:\\V"}) w.ChangeFolder(f);
  EXPECT_EQ(history.items, (Strings{"C:\\V", "C:\\U", "C:\\T", "C:\\Q", "C:\\R"}));
  // An older copy beyond position History - 2 stays until it drops off.
  w.ChangeFolder("C:\\R");
  EXPECT_EQ(history.items, (Strings{"C:\\R", "C:\\V", "C:\\U", "C:\\T", "C:\\Q"}));
}

TEST_F(TabsTest, HistoryDropsAnOlderCopyOnlyInsideItsWindow) {
  // The trap: the window is counted after the new entry went on top, so
  // with History=5 a copy at index 3 goes and one at index 4 stays (and is
  // kept twice), while one pushed to index 5 falls off at the limit.
  struct Case {
    const char* folder;
    Strings after;
  } cases[] = {
      {"C:\\D", {"C:\\D", "C:\\C", "C:\\B", "C:\\A", "C:\\P"}},  // copy at 1: removed
      {"C:\\C", {"C:\\C", "C:\\D", "C:\\B", "C:\\A", "C:\\P"}},  // at 2: removed
      {"C:\\B", {"C:\\B", "C:\\D", "C:\\C", "C:\\A", "C:\\P"}},  // at 3 = History-2: removed
      {"C:\\A", {"C:\\A", "C:\\D", "C:\\C", "C:\\B", "C:\\A"}},  // at 4: stays, P drops
      {"C:\\P", {"C:\\P", "C:\\D", "C:\\C", "C:\\B", "C:\\A"}},  // at 5: drops at the limit
      {"C:\\E", {"C:\\E", "C:\\D", "C:\\C", "C:\\B", "C:\\A"}},  // new: the sixth drops
  };
  settings.WriteInt("Conf-Main", "History", 5);
  for (const char* f : {"C:\\A", "C:\\B", "C:\\C", "C:\\D", "C:\\E"}) MakeFolder(f);
  for (const Case& c : cases) {
    fs.current = "C:\\P";
    FilerController& w = Make();
    for (const char* f : {"C:\\A", "C:\\B", "C:\\C", "C:\\D"}) w.ChangeFolder(f);
    // Exactly History entries: nothing drops yet.
    ASSERT_EQ(history.items, (Strings{"C:\\D", "C:\\C", "C:\\B", "C:\\A", "C:\\P"}));
    w.ChangeFolder(c.folder);
    EXPECT_EQ(history.items, c.after) << c.folder;
  }
}

TEST_F(TabsTest, FiftyFirstFolderPushesTheOldestOut) {
  FilerController& w = Make();
  for (int i = 0; i < 51; ++i) {
    const std::string f = "C:\\h" + std::to_string(i);
    MakeFolder(f);
    w.ChangeFolder(f);
  }
  ASSERT_EQ(history.Count(), 50);
  EXPECT_EQ(history.items.front(), "C:\\h50");
  EXPECT_EQ(history.items.back(), "C:\\h1");  // C:\P and C:\h0 are gone
}

TEST_F(TabsTest, HistoryListGoesToTheFolderAndDeletesEntries) {
  FilerController& w = Make();
  w.ChangeFolder("C:\\Q");
  w.ChangeFolder("C:\\R");
  w.OnCommand(CmdFolderHistory);
  EXPECT_EQ(Column(1), (Strings{"C:\\R", "C:\\Q", "C:\\P"}));
  EXPECT_EQ(Column(2), (Strings{"1", "2", "3"}));
  EXPECT_EQ(list.Selected(), (std::vector<int>{1}));  // the previous folder
  w.OpenItem();
  EXPECT_EQ(fs.current, "C:\\Q");
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);

  w.OnCommand(CmdFolderHistory);  // Q, R, P
  list.Select({2});
  w.OnCommand(CmdDeleteToRecycleBin);
  EXPECT_EQ(prompts.questions.back(), "フォルダ履歴から消去します。");
  EXPECT_EQ(w.list_kind(), ListKind::FolderHistory);
  EXPECT_EQ(Column(1), (Strings{"C:\\Q", "C:\\R"}));
  list.Select({1});
  w.OnCommand(CmdDelete);  // the plain delete does not ask
  EXPECT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(Column(1), (Strings{"C:\\Q"}));
}

TEST_F(TabsTest, TabStripClickOnTheCurrentTabRefreshes) {
  FilerController& w = ThreeTabs();
  AddFile("C:\\Q", "new.txt");
  w.OnTabClick();
  EXPECT_EQ(list.RowCount(), 32);
  tabs.selected = 0;  // the user clicked tab P
  w.OnTabSelectionChange();
  w.OnTabClick();
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(fs.current, "C:\\P");
}

}  // namespace
}  // namespace qd
