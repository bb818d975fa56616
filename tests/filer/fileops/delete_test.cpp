// Deleting through the shell on the fakes: the request, the cursor after
// the folder is listed again, and the pick lists.
#include <gtest/gtest.h>

#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"
#include "tests/fakes/shell_effects.h"

namespace qd {
namespace {

using test::Found;

using namespace std::string_literals;
using Strings = std::vector<std::string>;

// C:\data rows: .., sub, a.txt, z.txt, ソフト.txt, ポスト.txt (by bytes).
class DeleteTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\data";
    MakeFolder("C:\\data");
    AddFolder("C:\\data", "sub");
    for (const char* n : {"a.txt", "ソフト.txt", "ポスト.txt", "z.txt"}) AddFile("C:\\data", n);
    shell.effect = [this](const ShellPort::FileOperation& op) { test::ApplyOperation(fs, op); };
  }
  void Run(std::initializer_list<int> rows, int command) {
    if (!window) Make();
    list.Select(rows);
    window->OnCommand(command);
  }
  Strings SelectedNames() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
};

TEST_F(DeleteTest, BothCommandsHandTheShellOneListAndOnlyTheRecycleBinAllowsUndo) {
  const struct {
    int command;
    uint32_t flags;
  } kCases[] = {{CmdDeleteToRecycleBin, 0x40}, {CmdDelete, 0}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.command);
    shell.effect = nullptr;
    shell.operations.clear();
    shell.watched.clear();
    Run({1, 4, 5}, c.command);
    ASSERT_EQ(shell.operations.size(), 1u);
    const ShellPort::FileOperation& op = shell.operations[0];
    EXPECT_EQ(op.operation, 3);
    EXPECT_EQ(op.from, "C:\\data\\sub\0C:\\data\\ソフト.txt\0C:\\data\\ポスト.txt\0\0"s);
    EXPECT_EQ(op.to, "");
    EXPECT_EQ(op.flags, c.flags);
    EXPECT_EQ(op.title, "ファイル削除中...");
    EXPECT_EQ(shell.watched, (Strings{"C:\\data\\"}));
    EXPECT_EQ(shell.open_watches, 0);
    EXPECT_TRUE(prompts.questions.empty());  // the shell asks, not the filer
  }
}

TEST_F(DeleteTest, TheCursorStaysAtItsIndexOrGoesToTheNewLastRow) {
  const struct {
    std::initializer_list<int> rows;
    Strings left;
    const char* cursor;
  } kCases[] = {
      {{2}, {"..", "sub", "z.txt", "ソフト.txt", "ポスト.txt"}, "z.txt"},
      {{4, 5}, {"..", "sub", "a.txt", "z.txt"}, "z.txt"},
      {{5}, {"..", "sub", "a.txt", "z.txt", "ソフト.txt"}, "ソフト.txt"},
  };
  for (const auto& c : kCases) {
    window.reset();
    fs.folders.clear();
    SetUp();
    Run(c.rows, CmdDelete);
    EXPECT_EQ(Names(), c.left);
    EXPECT_EQ(SelectedNames(), Strings{c.cursor});
  }
}

TEST_F(DeleteTest, TenThousandItemsGoInOneCall) {
  MakeFolder("C:\\many");
  for (int i = 0; i < 10000; ++i) AddFile("C:\\many", "ソフト" + std::to_string(i) + ".txt");
  Make();
  window->ChangeFolder("C:\\many");
  list.selected.assign(list.RowCount(), true);
  shell.effect = [this](const ShellPort::FileOperation&) {
    fs.folders["C:\\many"].resize(2);  // "." and ".." stay
  };
  window->OnCommand(CmdDeleteToRecycleBin);
  ASSERT_EQ(shell.operations.size(), 1u);
  const std::vector<std::string> paths = test::PathsOf(shell.operations[0].from);
  ASSERT_EQ(paths.size(), 10000u);
  EXPECT_EQ(paths.front().rfind("C:\\many\\ソフト", 0), 0u);
  EXPECT_EQ(window->rows().size(), 1);  // only ".." is left
}

TEST_F(DeleteTest, NothingToDeleteAsksAndShowsNothing) {
  Run({0}, CmdDelete);
  Run({}, CmdDeleteToRecycleBin);
  EXPECT_TRUE(shell.operations.empty());
  EXPECT_EQ(message.CellText(0, 0), "Quenda v0.53");
}

TEST_F(DeleteTest, AFailureOrAnUnchangedFolderLeavesTheListAsItIs) {
  Make();
  for (bool fails : {false, true}) {
    shell.result = fails ? 1 : 0;
    shell.changes = false;
    shell.effect = nullptr;
    const std::size_t searches = fs.searches.size();
    Run({2}, CmdDelete);
    EXPECT_EQ(fs.searches.size(), searches);
    EXPECT_EQ(SelectedNames(), Strings{"a.txt"});
    EXPECT_EQ(message.CellText(0, 0), fails ? "CANCEL or ERROR" : "Quenda v0.53");
  }
  EXPECT_EQ(shell.open_watches, 0);
}

TEST_F(DeleteTest, FoundItemsAreDeletedByFullPathAndOnlyVanishedRowsGo) {
  AddFile("D:\\表示", "能力.doc");
  AddFile("D:\\表示", "keep.txt");
  Make();
  window->EnterListMode(ListKind::FindResults);
  for (const char* n : {"能力.doc", "keep.txt"}) window->rows().AddPickRow(Found(n, "D:\\表示"));
  window->rows().AddPickRow(Found("a.txt", "C:\\data"));
  list.SetRowCount(window->rows().size());
  // The shell deletes the first and third; the second it could not.
  shell.effect = [this](const ShellPort::FileOperation& op) {
    ShellPort::FileOperation some = op;
    some.from = "D:\\表示\\能力.doc\0C:\\data\\a.txt\0\0"s;
    test::ApplyOperation(fs, some);
  };
  Run({0, 1, 2}, CmdDeleteToRecycleBin);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(shell.operations[0].from,
            "D:\\表示\\能力.doc\0D:\\表示\\keep.txt\0C:\\data\\a.txt\0\0"s);
  EXPECT_TRUE(shell.watched.empty());
  ASSERT_EQ(window->rows().size(), 1);
  EXPECT_EQ(window->rows().Pick(0).name_text, "keep.txt");
}

TEST_F(DeleteTest, ExpansionAndDriveListsDeleteNothing) {
  for (ListKind kind : {ListKind::FolderExpansion, ListKind::DriveList}) {
    window.reset();
    Make();
    window->EnterListMode(kind);
    window->rows().AddPickRow(Found("/sub", "C:\\data\\sub", true));
    list.SetRowCount(1);
    Run({0}, CmdDelete);
    Run({0}, CmdDeleteToRecycleBin);
    EXPECT_TRUE(shell.operations.empty());
    EXPECT_EQ(window->rows().size(), 1);
  }
}

}  // namespace
}  // namespace qd
