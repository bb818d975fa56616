#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"

namespace qd {
namespace {

using Strings = std::vector<std::string>;

// C:\work holds two folders, files and shortcuts; C:\other a few files.
class NavigationTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\work";
    for (const char* f : {"C:\\work", "C:\\work\\sub", "C:\\work\\表示", "C:\\other"})
      MakeFolder(f);
    AddFolder("C:\\", "work");
    AddFolder("C:\\", "other");
    AddFolder("C:\\work", "sub");
    AddFolder("C:\\work", "表示");
    AddFile("C:\\work", "a.txt", 1);
    AddFile("C:\\work", "b.doc", 2);
    AddFile("C:\\work", "to-other.lnk", 3);
    AddFile("C:\\work", "to-file.LNK", 4);
    AddFile("C:\\work", "broken.lnk", 5);
    AddFile("C:\\other", "x.txt", 1);
    shell.shortcuts["C:\\work\\to-other.lnk"] = {true, "C:\\other", true};
    shell.shortcuts["C:\\work\\to-file.LNK"] = {true, "C:\\other\\x.txt", false};
  }
  int Row(const std::string& name) const {
    for (int r = 0; r < window->rows().size(); ++r) {
      if (window->rows().ItemName(r) == name) return r;
    }
    return -1;
  }
  void SelectNames(std::initializer_list<const char*> names) {
    list.Select({});
    for (const char* n : names) list.selected.at(Row(n)) = true;
  }
  std::string CursorName() const { return window->rows().ItemName(list.NextSelected(-1)); }
};

TEST_F(NavigationTest, ChangeFolderMakesTheFolderCurrentInTheTab) {
  FilerController& w = Make();
  search.SetCellText(0, 0, "AB");
  EXPECT_TRUE(w.ChangeFolder("sub"));
  EXPECT_EQ(fs.current, "C:\\work\\sub");
  EXPECT_EQ(w.tab_set().at(0).path, "C:\\work\\sub");
  EXPECT_EQ(tabs.texts, (Strings{"sub"}));
  EXPECT_EQ(w.SearchText(), "");
  EXPECT_EQ(frame.title, " Qd - [C:\\work\\sub\\*.*]");
  // A folder that cannot be entered: a beep and a message, nothing else.
  const int rows = list.RowCount();
  EXPECT_FALSE(w.ChangeFolder("C:\\missing"));
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(prompts.errors, (Strings{"フォルダ移動エラー"}));
  EXPECT_EQ(fs.current, "C:\\work\\sub");
  EXPECT_EQ(list.RowCount(), rows);
  EXPECT_EQ(w.tab_set().at(0).path, "C:\\work\\sub");
  // A drive root keeps its backslash and names the tab whole.
  w.ChangeFolder("C:\\");
  EXPECT_EQ(tabs.texts, (Strings{"C:\\"}));
}

TEST_F(NavigationTest, EnterOnParentGoesUpWithTheCursorOnTheFolderLeft) {
  FilerController& w = Make();
  w.ChangeFolder("表示");
  list.Select({0});  // ".."
  w.OnCommand(1);
  EXPECT_EQ(fs.current, "C:\\work");
  EXPECT_EQ(CursorName(), "表示");
  // Shift+Enter on ".." opens a second tab on the current folder, not selected.
  list.Select({0});
  keys.shift = true;
  w.OnCommand(1);
  EXPECT_EQ(tabs.texts, (Strings{"work", "work"}));
  EXPECT_EQ(w.tab_set().at(1).path, "C:\\work");
  EXPECT_EQ(w.tab_set().current(), 0);
  EXPECT_EQ(tabs.selected, 0);
}

TEST_F(NavigationTest, FoldersAreSkippedWhenSeveralRowsAreOpened) {
  FilerController& w = Make();
  SelectNames({"sub", "表示", "a.txt"});
  w.OpenItem();
  EXPECT_EQ(fs.current, "C:\\work");
  EXPECT_EQ(shell.opened, (Strings{"C:\\work\\a.txt"}));
  EXPECT_EQ(tabs.TabCount(), 1);
  // With Shift both folders open as tabs right of the current one.
  SelectNames({"sub", "表示", "a.txt"});
  keys.shift = true;
  w.OpenItem();
  EXPECT_EQ(w.tab_set().at(1).path, "C:\\work\\表示");
  EXPECT_EQ(w.tab_set().at(2).path, "C:\\work\\sub");
  EXPECT_EQ(tabs.TabCount(), 3);
  EXPECT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(w.tab_set().current(), 0);
}

TEST_F(NavigationTest, ShortcutsAreFollowed) {
  FilerController& w = Make();
  SelectNames({"to-file.LNK"});
  w.OpenItem();  // a shortcut to a file opens the shortcut itself
  EXPECT_EQ(shell.opened, (Strings{"C:\\work\\to-file.LNK"}));
  SelectNames({"broken.lnk"});
  w.OpenItem();  // cannot be resolved: nothing is opened
  EXPECT_EQ(shell.opened.size(), 1u);
  SelectNames({"to-other.lnk"});
  w.OpenItem();
  EXPECT_EQ(fs.current, "C:\\other");
  EXPECT_EQ(w.tab_set().at(0).path, "C:\\other");
}

TEST_F(NavigationTest, DriveRootParentAndBack) {
  FilerController& w = Make();
  w.ChangeFolder("sub");
  w.OnCommand(CmdDriveRoot);
  EXPECT_EQ(fs.current, "C:\\");
  w.OnCommand(CmdParentFolder);  // no ".." in a root: the folder stays
  EXPECT_EQ(fs.current, "C:\\");
  EXPECT_EQ(list.NextSelected(-1), 0);
  // History: C:\, C:\work\sub, C:\work. Back twice returns to the start.
  w.OnCommand(CmdBack);
  EXPECT_EQ(fs.current, "C:\\work\\sub");
  w.OnCommand(CmdBack);
  EXPECT_EQ(fs.current, "C:\\");
}

TEST_F(NavigationTest, BackNeedsThreeHistoryEntries) {
  FilerController& w = Make();
  w.ChangeFolder("sub");
  w.OnCommand(CmdBack);
  EXPECT_EQ(message.CellText(0, 0), "フォルダ履歴の最後です。");
  EXPECT_EQ(fs.current, "C:\\work\\sub");
}

TEST_F(NavigationTest, GoToReadsTheOptionOfTheKeyPressed) {
  settings.WriteInt("Key", "2119", CmdGoTo);  // Ctrl+F8
  settings.WriteString("KeyOption", "2119-0", "C:\\other");
  settings.WriteInt("Key", "2120", CmdGoTo);  // Ctrl+F9 without an option
  FilerController& w = Make();
  keys.ctrl = true;
  w.OnKey(KeyMessage::KeyDown, 119);
  EXPECT_EQ(fs.current, "C:\\other");
  w.OnKey(KeyMessage::KeyDown, 120);
  EXPECT_EQ(prompts.errors, (Strings{"オプション未設定"}));
  EXPECT_EQ(fs.current, "C:\\other");
}

TEST_F(NavigationTest, TreeMoveUsesTheFolderBrowser) {
  FilerController& w = Make();
  w.OnCommand(CmdTreeMove);  // cancelled: nothing changes
  EXPECT_EQ(shell.browsed, (Strings{"移動するフォルダを選択してください|C:\\work"}));
  EXPECT_EQ(fs.current, "C:\\work");
  shell.browse_result = "C:\\other\\x.txt";
  w.OnCommand(CmdTreeMoveWithFiles);
  EXPECT_EQ(shell.browsed.back(), "移動するフォルダを選択してください|C:\\work|files");
  EXPECT_EQ(fs.current, "C:\\other");
  EXPECT_EQ(CursorName(), "x.txt");
  shell.browse_result = "C:\\work\\sub";
  w.OnCommand(CmdTreeMove);
  EXPECT_EQ(fs.current, "C:\\work\\sub");
  // A file in a drive root: the root, not "C:", which is C:\work\sub now.
  AddFile("C:\\", "root.txt");
  shell.browse_result = "C:\\root.txt";
  w.OnCommand(CmdTreeMoveWithFiles);
  EXPECT_EQ(fs.current, "C:\\");
  EXPECT_EQ(CursorName(), "root.txt");
}

TEST_F(NavigationTest, TemporaryMoveReturnsWithSelectionAndScroll) {
  for (int i = 0; i < 40; ++i) AddFile("C:\\work", "f" + std::to_string(10 + i) + ".dat");
  settings.WriteInt("Key", "2119", CmdGoToTemporary);
  settings.WriteString("KeyOption", "2119-0", "C:\\other");
  FilerController& w = Make();
  SelectNames({"a.txt", "f30.dat"});
  list.top = 25;
  keys.ctrl = true;
  w.OnKey(KeyMessage::KeyDown, 119);
  keys.ctrl = false;
  EXPECT_EQ(w.view_mode(), ViewMode::TemporaryMove);
  EXPECT_EQ(search.CellText(0, 2), "一時移動");
  EXPECT_EQ(fs.current, "C:\\other");
  // Opening a file there takes the user back as they were.
  list.Select({Row("x.txt")});
  w.OpenItem();
  EXPECT_EQ(shell.opened, (Strings{"C:\\other\\x.txt"}));
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  EXPECT_EQ(fs.current, "C:\\work");
  EXPECT_EQ(w.tab_set().at(0).path, "C:\\work");
  Strings selected;
  for (int r : list.Selected()) selected.push_back(window->rows().ItemName(r));
  EXPECT_EQ(selected, (Strings{"a.txt", "f30.dat"}));
  EXPECT_EQ(list.visible_calls.back(), 44);  // the old bottom row
  EXPECT_EQ(search.CellText(0, 2), "");
}

TEST_F(NavigationTest, SendingTemporaryMovePassesShortPathsOfTheSelection) {
  FilerController& w = Make();
  SelectNames({"a.txt", "b.doc"});
  ASSERT_EQ(w.StartTemporaryMove(), 1);
  w.set_send_flag(true);
  w.ChangeFolder("C:\\other");
  list.Select({Row("x.txt")});
  w.OpenItem();
  EXPECT_EQ(shell.opened, (Strings{"C:\\other\\x.txt | ~C:\\work\\a.txt ~C:\\work\\b.doc"}));
  EXPECT_EQ(fs.current, "C:\\work");
}

TEST_F(NavigationTest, SecondTemporaryCommandAndEscReturn) {
  settings.WriteInt("Key", "2119", CmdGoToTemporary);
  settings.WriteString("KeyOption", "2119-0", "C:\\other");
  FilerController& w = Make();
  keys.ctrl = true;
  w.OnKey(KeyMessage::KeyDown, 119);
  EXPECT_EQ(fs.current, "C:\\other");
  w.OnKey(KeyMessage::KeyDown, 119);  // returns instead of moving again
  EXPECT_EQ(fs.current, "C:\\work");
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
  w.OnKey(KeyMessage::KeyDown, 119);
  keys.ctrl = false;
  w.Cancel();  // Esc ends the move first; the window stays
  EXPECT_EQ(fs.current, "C:\\work");
  EXPECT_EQ(frame.closes, 0);
  // A shortcut to a folder ends the move where it leads.
  w.StartTemporaryMove();
  SelectNames({"to-other.lnk"});
  w.OpenItem();
  EXPECT_EQ(fs.current, "C:\\other");
  EXPECT_EQ(w.view_mode(), ViewMode::Normal);
}

TEST_F(NavigationTest, TemporaryMoveFromADriveRootReturnsToTheRoot) {
  FilerController& w = Make();
  w.ChangeFolder("C:\\");
  ASSERT_EQ(w.StartTemporaryMove(), 1);
  w.ChangeFolder("C:\\other");
  EXPECT_EQ(w.StartTemporaryMove(), 0);  // the second command goes back
  EXPECT_EQ(fs.current, "C:\\");         // "C:" alone would stay in C:\other
  EXPECT_EQ(w.tab_set().at(0).path, "C:\\");
}

TEST_F(NavigationTest, ChangeDriveFallsBackToTheRoot) {
  fs.folders["D:\\"];
  MakeFolder("D:\\kept");
  FilerController& w = Make();
  fs.drive_folders[4] = "D:\\kept";
  EXPECT_TRUE(w.ChangeDrive(4));
  EXPECT_EQ(fs.current, "D:\\kept");
  w.ChangeFolder("C:\\work");
  fs.vanished = {"D:\\kept"};  // the folder D: keeps vanished: the root
  EXPECT_TRUE(w.ChangeDrive(4));
  EXPECT_EQ(fs.current, "D:\\");
  EXPECT_FALSE(w.ChangeDrive(26));  // Z: does not exist
  EXPECT_EQ(prompts.errors, (Strings{"ドライブ変更エラー"}));
}

}  // namespace
}  // namespace qd
