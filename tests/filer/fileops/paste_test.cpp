// Cut, copy, paste and drop on the fakes: what the shell is handed, where
// it goes, what the clipboard and the list show afterwards.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "filer/fileops/clipboard.h"
#include "settings/command_table.h"
#include "tests/fakes/filer_fixture.h"
#include "tests/fakes/shell_effects.h"

namespace qd {
namespace {

using test::Found;

using namespace std::string_literals;
using Strings = std::vector<std::string>;


// C:\data rows: .., sub, a.txt (100), b.dat (250), go.lnk; C:\dest: .., old.txt.
class PasteTest : public test::FilerFixture {
 protected:
  void SetUp() override {
    fs.current = "C:\\data";
    MakeFolder("C:\\data");
    AddFolder("C:\\data", "sub");
    MakeFolder("C:\\data\\sub");
    AddFile("C:\\data", "a.txt", 100);
    AddFile("C:\\data", "b.dat", 250);
    AddFile("C:\\data", "go.lnk", 1);
    MakeFolder("C:\\dest");
    AddFile("C:\\dest", "old.txt");
    shell.effect = [this](const ShellPort::FileOperation& op) { test::ApplyOperation(fs, op); };
  }
  void Run(std::initializer_list<int> rows, int command) {
    if (!window) Make();
    list.Select(rows);
    window->OnCommand(command);
  }
  std::string Field() const { return search.CellText(0, 1); }
  std::string Message() const { return message.CellText(0, 0); }
  Strings SelectedNames() const {
    Strings names;
    for (int r : list.Selected()) names.push_back(window->rows().ItemName(r));
    return names;
  }
  const ShellPort::FileOperation& LastOperation() const { return shell.operations.back(); }
};

TEST_F(PasteTest, CopyThenPasteElsewhereCopiesEveryItemAndCanBeRepeated) {
  Run({1, 2, 3}, CmdCopy);
  EXPECT_EQ(Message(), "アイテム数：3  サイズ：350");
  EXPECT_EQ(Field(), "copy");
  EXPECT_TRUE(shell.operations.empty());  // nothing happens before the paste

  window->ChangeFolder("C:\\dest");
  Run({}, CmdPaste);
  ASSERT_EQ(shell.operations.size(), 1u);
  const ShellPort::FileOperation& op = LastOperation();
  EXPECT_EQ(op.operation, 2);
  EXPECT_EQ(op.from, "C:\\data\\sub\0C:\\data\\a.txt\0C:\\data\\b.dat\0\0"s);
  EXPECT_EQ(op.to, "C:\\dest\\sub\0C:\\dest\\a.txt\0C:\\dest\\b.dat\0\0"s);
  EXPECT_EQ(op.flags, 0x41u);
  EXPECT_EQ(op.title, "ファイルコピー中...");
  EXPECT_EQ(shell.watched, (Strings{"C:\\dest\\"}));
  EXPECT_EQ(shell.open_watches, 0);
  // Listed again with the pasted items selected.
  EXPECT_EQ(Names(), (Strings{"..", "sub", "a.txt", "b.dat", "old.txt"}));
  EXPECT_EQ(SelectedNames(), (Strings{"sub", "a.txt", "b.dat"}));
  EXPECT_EQ(Field(), "copy");

  Run({}, CmdPaste);  // the copy stays on the clipboard
  EXPECT_EQ(shell.operations.size(), 2u);
  EXPECT_EQ(LastOperation().from, shell.operations[0].from);
}

TEST_F(PasteTest, CutIsPastedOnceWhateverTheShellSays) {
  for (int result : {0, 1}) {
    SCOPED_TRACE(result);
    window.reset();
    shell.operations.clear();
    shell.result = result;
    Run({2}, CmdCut);
    EXPECT_EQ(Field(), "cut");
    window->ChangeFolder("C:\\dest");
    const std::size_t searches = fs.searches.size();
    Run({}, CmdPaste);
    ASSERT_EQ(shell.operations.size(), 1u);
    EXPECT_EQ(LastOperation().operation, 1);
    EXPECT_EQ(LastOperation().title, "ファイル移動中...");
    EXPECT_EQ(Field(), "");
    EXPECT_EQ(window->file_ops().clipboard().mode, ClipboardMode::None);
    if (result != 0) {
      EXPECT_EQ(Message(), "CANCEL or ERROR");
      EXPECT_EQ(fs.searches.size(), searches);  // not listed again
    }
    Run({}, CmdPaste);
    EXPECT_EQ(shell.operations.size(), 1u);
  }
}

// Ten thousand items are one shell call, and all of them are selected again
// (letter case aside), each by its first row of that name.
TEST_F(PasteTest, TenThousandItemsGoInOneCallAndAreAllSelectedAgain) {
  MakeFolder("C:\\many");
  for (int i = 0; i < 10000; ++i) AddFile("C:\\many", "f" + std::to_string(i) + ".TXT");
  Make();
  window->ChangeFolder("C:\\many");
  list.selected.assign(list.RowCount(), true);
  window->OnCommand(CmdCopy);
  window->ChangeFolder("C:\\dest");
  shell.effect = [this](const ShellPort::FileOperation& op) {
    for (const std::string& p : test::PathsOf(op.to)) {
      AddFile("C:\\dest", cp932::ToLower(p.substr(p.rfind('\\') + 1)));
    }
  };
  Run({}, CmdPaste);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(test::PathsOf(LastOperation().from).size(), 10000u);
  EXPECT_EQ(test::PathsOf(LastOperation().to).size(), 10000u);
  EXPECT_EQ(list.SelectedCount(), 10000);
  EXPECT_FALSE(list.IsSelected(0));
  EXPECT_FALSE(list.IsSelected(window->rows().size() - 1));  // old.txt
  EXPECT_FALSE(list.suspended);
}

TEST_F(PasteTest, ParentRowAloneEmptiesTheClipboard) {
  Run({2}, CmdCopy);
  Run({0}, CmdCopy);
  EXPECT_EQ(Message(), "アイテム数：0  サイズ：0");
  EXPECT_EQ(Field(), "");
  Run({}, CmdPaste);
  EXPECT_TRUE(shell.operations.empty());
}

TEST_F(PasteTest, AFolderThatDoesNotChangeIsNotListedAgain) {
  Run({2}, CmdCopy);
  window->ChangeFolder("C:\\dest");
  for (bool possible : {false, true}) {
    shell.watch_possible = possible;
    shell.changes = false;
    const std::size_t searches = fs.searches.size();
    Run({}, CmdPaste);
    EXPECT_EQ(fs.searches.size(), searches);
  }
  EXPECT_EQ(shell.operations.size(), 2u);
  EXPECT_EQ(shell.open_watches, 0);
}

// A copy into its own folder asks for each name until All; the shell then
// renames what still collides.
TEST_F(PasteTest, CopyIntoItsOwnFolderAsksForNames) {
  const std::string forbidden = "ファイル名には次の文字は使えません。\n \\ / : ; * ? \" < > |";
  const struct {
    const char* what;
    std::vector<RenameAnswer> answers;
    std::size_t asked;
    std::string to;  // empty: no shell call
    Strings questions, errors;
  } kCases[] = {
      {"All at the first", {test::RenameAll("x")}, 1, "C:\\data\\a.txt\0C:\\data\\b.dat\0\0"s, {}, {}},
      {"a name, then Next keeps the other",
       {test::RenameOk("c.txt"), test::RenameNext("zzz")},
       2,
       "C:\\data\\c.txt\0C:\\data\\b.dat\0\0"s,
       {},
       {}},
      {"empty and forbidden names ask again",
       {test::RenameOk(""), test::RenameOk("a;b.txt"), test::RenameOk("ポスト.txt"), test::RenameOk("d.dat")},
       4,
       "C:\\data\\ポスト.txt\0C:\\data\\d.dat\0\0"s,
       {"変換後が未設定です。"},
       {forbidden}},
      {"Cancel at the second", {test::RenameOk("c.txt"), test::RenameCancel()}, 2, "", {}, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    window.reset();
    shell.operations.clear();
    shell.effect = nullptr;  // the fake shell renames nothing on collision
    prompts = test::FakePrompts{};
    prompts.rename_answers = c.answers;
    Run({2, 3}, CmdCopy);
    Run({}, CmdPaste);
    ASSERT_EQ(prompts.rename_requests.size(), c.asked);
    EXPECT_EQ(prompts.rename_requests[0].before, "a.txt");
    EXPECT_EQ(prompts.rename_requests[0].after, "a.txt");
    EXPECT_TRUE(prompts.rename_requests[0].allow_all);
    EXPECT_EQ(prompts.questions, c.questions);
    EXPECT_EQ(prompts.errors, c.errors);
    EXPECT_EQ(prompts.beeps, 1 + static_cast<int>(c.questions.size() + c.errors.size()));
    EXPECT_EQ(Field(), "copy");
    if (c.to.empty()) {
      EXPECT_TRUE(shell.operations.empty());
      EXPECT_EQ(Message(), "");
      continue;
    }
    ASSERT_EQ(shell.operations.size(), 1u);
    EXPECT_EQ(LastOperation().from, "C:\\data\\a.txt\0C:\\data\\b.dat\0\0"s);
    EXPECT_EQ(LastOperation().to, c.to);
    EXPECT_EQ(LastOperation().flags, 0x49u);
  }
}

TEST_F(PasteTest, ACutIntoItsOwnFolderAsksNothing) {
  Run({2}, CmdCut);
  Run({}, CmdPaste);
  EXPECT_TRUE(prompts.rename_requests.empty());
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().to, "C:\\data\\a.txt\0\0"s);
  EXPECT_EQ(LastOperation().flags, 0x49u);
}

TEST_F(PasteTest, FoundItemsAreRecordedByFullPathAndPastedByBareName) {
  Make();
  window->EnterListMode(ListKind::FindResults);
  window->rows().AddPickRow(Found("ソフト.txt", "D:\\表示"));
  window->rows().AddPickRow(Found("/sub", "C:\\data\\sub", true));
  list.SetRowCount(window->rows().size());
  Run({0, 1}, CmdCopy);
  EXPECT_EQ(window->file_ops().clipboard().source_folder, "");
  EXPECT_EQ(window->file_ops().clipboard().names, "D:\\表示\\ソフト.txt|C:\\data\\sub|");
  EXPECT_EQ(Field(), "copy");
  window->LeaveListMode(true);
  window->ChangeFolder("C:\\dest");
  Run({}, CmdPaste);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().from, "D:\\表示\\ソフト.txt\0C:\\data\\sub\0\0"s);
  EXPECT_EQ(LastOperation().to, "C:\\dest\\ソフト.txt\0C:\\dest\\sub\0\0"s);
  EXPECT_EQ(LastOperation().flags, 0x41u);
}

TEST_F(PasteTest, OtherPickListsRecordNothing) {
  Run({2}, CmdCopy);
  window->OnCommand(CmdTabList);
  Run({0}, CmdCut);
  EXPECT_EQ(window->file_ops().clipboard().mode, ClipboardMode::Copy);
  EXPECT_EQ(Field(), "copy");
}

TEST_F(PasteTest, SelectPasteGoesIntoTheSelectedFolder) {
  const ShellPort::Shortcut to_dest = {.ok = true, .target = "C:\\dest", .folder = true};
  const ShellPort::Shortcut unreadable = {};
  const struct {
    const char* what;
    std::initializer_list<int> rows;
    const ShellPort::Shortcut* go;  // what go.lnk is; null: no shortcut at all
    const char* to;                 // empty: no shell call
    int beeps;
    const char* message;
  } kCases[] = {
      {"a folder row", {1}, &to_dest, "C:\\data\\sub\\a.txt", 0, "貼り付けました"},
      {"the parent row", {0}, &to_dest, "C:\\data\\..\\a.txt", 0, "貼り付けました"},
      {"a shortcut to a folder", {4}, &to_dest, "C:\\dest\\a.txt", 0, "貼り付けました"},
      {"a shortcut whose target cannot be read", {4}, &unreadable, "", 0, "アイテム数：1  サイズ：100"},
      {"a .lnk file that is no shortcut", {4}, nullptr, "", 1, "フォルダ未選択"},
      {"a file row", {3}, &to_dest, "", 1, "フォルダ未選択"},
      {"nothing selected", {}, &to_dest, "", 0, "アイテム数：1  サイズ：100"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    shell.shortcuts.clear();
    if (c.go) shell.shortcuts["C:\\data\\go.lnk"] = *c.go;
    window.reset();
    shell.operations.clear();
    shell.watched.clear();
    prompts.beeps = 0;
    Run({2}, CmdCopy);
    Run(c.rows, CmdPasteSelect);
    EXPECT_EQ(prompts.beeps, c.beeps);
    EXPECT_EQ(Message(), c.message);
    EXPECT_TRUE(prompts.questions.empty());
    if (std::string(c.to).empty()) {
      EXPECT_TRUE(shell.operations.empty());
      continue;
    }
    ASSERT_EQ(shell.operations.size(), 1u);
    EXPECT_EQ(LastOperation().to, c.to + "\0\0"s);
    EXPECT_EQ(shell.watched, (Strings{"C:\\data"}));  // the shown folder
    EXPECT_EQ(SelectedNames(), Strings(1, window->rows().ItemName(*c.rows.begin())));
  }
}

TEST_F(PasteTest, SelectPasteWithSeveralRowsAsksFirst) {
  for (Answer answer : {Answer::Cancel, Answer::Ok}) {
    prompts.answer = answer;
    prompts.questions.clear();
    Run({2}, CmdCopy);
    Run({1, 2}, CmdPasteSelect);
    EXPECT_EQ(prompts.questions, (Strings{"このフォルダに貼り付けます。\nC:\\data\\sub"}));
  }
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().to, "C:\\data\\sub\\a.txt\0\0"s);
}

TEST_F(PasteTest, InAPickListAPlainPasteGoesIntoTheSelectedFolder) {
  Run({2}, CmdCopy);
  window->EnterListMode(ListKind::FindResults);
  window->rows().AddPickRow(Found("/..", "C:\\data", true));
  window->rows().AddPickRow(Found("/sub", "C:\\data\\sub", true));
  window->rows().AddPickRow(Found("x.txt", "C:\\data"));
  list.SetRowCount(window->rows().size());
  Run({0}, CmdPaste);
  Run({2}, CmdPaste);
  EXPECT_EQ(prompts.beeps, 2);
  EXPECT_EQ(Message(), "フォルダ未選択");
  EXPECT_TRUE(shell.operations.empty());
  const std::size_t searches = fs.searches.size();
  Run({1}, CmdPaste);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().to, "C:\\data\\sub\\a.txt\0\0"s);
  EXPECT_EQ(shell.watched, (Strings{"C:\\data\\sub\\"}));
  EXPECT_EQ(Message(), "貼り付けました");
  EXPECT_EQ(fs.searches.size(), searches);  // the pick list is not listed again
  EXPECT_EQ(window->view_mode(), ViewMode::List);
}

TEST_F(PasteTest, SelectPasteInTheDriveListGoesIntoTheDriveRoot) {
  Run({2}, CmdCopy);
  window->EnterListMode(ListKind::DriveList);
  window->rows().AddPickRow({.name_text = "D:",
                             .path_text = "固定",
                             .number_text = "",
                             .path = "D:\\",
                             .tab = -1,
                             .folder = true});
  list.SetRowCount(window->rows().size());
  Run({0}, CmdPasteSelect);
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().to, "D:\\a.txt\0\0"s);
}

// Items dropped from the shown folder stay; the rest are moved, or copied
// when exactly one of Ctrl and DropCopy holds.
TEST_F(PasteTest, DropMovesOrCopiesWhatComesFromElsewhere) {
  const Strings dropped = {"C:\\data\\a.txt", "C:\\other\\x.txt", "C:\\DATA\\b.dat"};
  const struct {
    bool ctrl;
    int drop_copy;
    int operation;
    const char* field;
  } kCases[] = {{false, 0, 1, ""}, {true, 0, 2, "copy"}, {false, 1, 2, "copy"}, {true, 1, 1, ""}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.ctrl << c.drop_copy);
    window.reset();
    shell.operations.clear();
    settings.WriteInt("Conf-Main", "DropCopy", c.drop_copy);
    keys.ctrl = c.ctrl;
    Make();
    window->file_ops().Drop(dropped);
    ASSERT_EQ(shell.operations.size(), 1u);
    EXPECT_EQ(LastOperation().operation, c.operation);
    EXPECT_EQ(LastOperation().from, "C:\\other\\x.txt\0\0"s);
    EXPECT_EQ(LastOperation().to, "C:\\data\\x.txt\0\0"s);
    EXPECT_EQ(LastOperation().flags, 0x41u);
    EXPECT_EQ(Field(), c.field);
  }
}

TEST_F(PasteTest, ADropOfItemsFromTheShownFolderAloneEmptiesTheClipboard) {
  Run({2}, CmdCopy);
  window->file_ops().Drop({"C:\\data\\a.txt", "C:\\data\\b.dat"});
  EXPECT_TRUE(shell.operations.empty());
  EXPECT_EQ(window->file_ops().clipboard().mode, ClipboardMode::None);
  EXPECT_EQ(Field(), "");
  Run({}, CmdPaste);
  EXPECT_TRUE(shell.operations.empty());
}

TEST_F(PasteTest, ADropInAPickListGoesIntoTheSelectedFolder) {
  Make();
  window->EnterListMode(ListKind::FindResults);
  window->rows().AddPickRow(Found("/sub", "C:\\data\\sub", true));
  window->rows().AddPickRow(Found("x.txt", "C:\\data"));
  list.SetRowCount(window->rows().size());
  list.Select({0});
  window->file_ops().Drop({"C:\\data\\a.txt", "C:\\other\\y.txt"});
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(LastOperation().from, "C:\\other\\y.txt\0\0"s);
  EXPECT_EQ(LastOperation().to, "C:\\data\\sub\\y.txt\0\0"s);
  list.Select({1});
  window->file_ops().Drop({"C:\\other\\y.txt"});
  EXPECT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(Message(), "フォルダ未選択");
}

}  // namespace
}  // namespace qd
